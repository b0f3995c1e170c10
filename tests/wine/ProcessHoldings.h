#pragma once
// What another process holds: handles, GDI objects and private memory.
// Wine's own counters of these answer 0, so they are counted from the
// system's handle list, the process's GDI handle table and a walk of its
// memory.
#include <windows.h>

#include <cstddef>

namespace pipit::wintest {

struct Holdings {
  std::size_t handles = 0;
  std::size_t gdiObjects = 0;
  std::size_t privateBytes = 0;
};

// `process` needs PROCESS_QUERY_INFORMATION and PROCESS_VM_READ.
Holdings holdingsOf(DWORD processId, HANDLE process);

}  // namespace pipit::wintest
