// Companion program of the launcher. Its work arrives in a later change;
// for now it starts and ends without a word, so that the launcher's "@"
// commands already find it in place.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return 0; }
