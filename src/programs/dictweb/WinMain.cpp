// dictweb: a dictionary search for the phrase on the command line.
#include <windows.h>

#include "extensions/common/win32/Win32WebPorts.h"
#include "extensions/dictweb/DictionarySearch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  using namespace pipit;
  try {
    ext::win32::Win32WebPorts web(u"dictweb");
    ext::openSearchOrTopPage(
        ext::dictionarySearchAddress(ext::win32::commandLineArgument(commandLine)),
        Text(ext::kDictionaryTopPage), Text(ext::kDictionaryQuestion), web.ports());
  } catch (const std::exception&) {
    // Out of memory for an absurd command line: there is nothing to open.
    return 1;
  }
  return 0;
}
