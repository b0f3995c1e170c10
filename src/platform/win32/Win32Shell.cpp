#include "platform/win32/Win32Shell.h"

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>

#include "platform/win32/ComApartment.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

int64_t Win32Shell::open(const Text& file, const Text& parameters, const Text& directory) {
  // Shell extensions that open a document may need COM on this thread.
  const ComApartment apartment;
  // No window of the launcher is the owner: the value 1 stands for "none
  // given" the way the launcher has always called it.
  const auto owner = reinterpret_cast<HWND>(static_cast<INT_PTR>(1));
  const HINSTANCE result =
      ShellExecuteW(owner, nullptr, wide(file), parameters.empty() ? nullptr : wide(parameters),
                    directory.empty() ? nullptr : wide(directory), SW_SHOWNORMAL);
  return static_cast<int64_t>(reinterpret_cast<INT_PTR>(result));
}

}  // namespace pipit::win32
