#include "platform/win32/Win32Process.h"

#include <windows.h>

namespace pipit::win32 {

void Win32Process::exitNow(int code) { ExitProcess(static_cast<UINT>(code)); }

}  // namespace pipit::win32
