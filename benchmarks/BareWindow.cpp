// The floor of the start-up benchmark: the least a Win32 program does to
// show a window, built and started exactly like the launcher. Started with
// "list", it also shows a plain list box of 50 rows: the floor of drawing
// her list.
#include <windows.h>

#include <cwchar>

namespace {

LRESULT CALLBACK procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &procedure;
  wc.hInstance = instance;
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  wc.lpszClassName = L"PipitBareWindow";
  RegisterClassExW(&wc);
  HWND window = CreateWindowExW(0, wc.lpszClassName, L"bare", WS_POPUP, 100, 100, 430, 310, nullptr,
                                nullptr, instance, nullptr);
  if (commandLine && wcscmp(commandLine, L"list") == 0) {
    HWND list =
        CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0,
                        430, 240, window, nullptr, instance, nullptr);
    for (int i = 0; i < 50; ++i) {
      wchar_t row[32];
      wsprintfW(row, L"row %d", i);
      SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(row));
    }
  }
  ShowWindow(window, SW_SHOW);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}
