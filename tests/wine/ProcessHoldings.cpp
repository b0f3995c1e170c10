#include "ProcessHoldings.h"

#include <winternl.h>

#include <vector>

namespace pipit::wintest {
namespace {

std::size_t handleCount(DWORD processId) {
  using Query = NTSTATUS(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
  auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQuerySystemInformation")));
  if (!query) return 0;
  struct Entry {  // SYSTEM_HANDLE_ENTRY
    ULONG owner;
    UCHAR type;
    UCHAR flags;
    USHORT value;
    PVOID object;
    ACCESS_MASK access;
  };
  constexpr ULONG kSystemHandleInformation = 16;
  constexpr auto kTooSmall = static_cast<NTSTATUS>(0xC0000004L);
  std::vector<unsigned char> buffer(1 << 20);
  ULONG needed = 0;
  NTSTATUS status;
  while ((status = query(kSystemHandleInformation, buffer.data(), static_cast<ULONG>(buffer.size()),
                         &needed)) == kTooSmall) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return 0;
  const ULONG count = *reinterpret_cast<ULONG*>(buffer.data());
  const auto* entries = reinterpret_cast<const Entry*>(buffer.data() + sizeof(ULONG_PTR));
  std::size_t held = 0;
  for (ULONG i = 0; i < count; ++i) held += entries[i].owner == processId;
  return held;
}

// The table PEB::GdiSharedHandleTable points to: 0x10000 cells of 24 bytes,
// a cell in use when its type byte (offset 14) is not 0.
std::size_t gdiObjectCount(HANDLE process) {
  PROCESS_BASIC_INFORMATION basic{};
  if (NtQueryInformationProcess(process, ProcessBasicInformation, &basic, sizeof basic, nullptr) !=
      0) {
    return 0;
  }
  ULONG_PTR table = 0;
  SIZE_T read = 0;
  if (!ReadProcessMemory(process, reinterpret_cast<const char*>(basic.PebBaseAddress) + 0xF8,
                         &table, sizeof table, &read) ||
      table == 0) {
    return 0;
  }
  std::vector<unsigned char> cells(std::size_t{0x10000} * 24);
  if (!ReadProcessMemory(process, reinterpret_cast<const void*>(table), cells.data(), cells.size(),
                         &read)) {
    return 0;
  }
  std::size_t held = 0;
  for (std::size_t i = 0; i < 0x10000; ++i) held += cells[i * 24 + 14] != 0;
  return held;
}

std::size_t privateBytes(HANDLE process) {
  std::size_t total = 0;
  MEMORY_BASIC_INFORMATION region{};
  for (const char* at = nullptr;
       VirtualQueryEx(process, at, &region, sizeof region) == sizeof region;
       at = static_cast<const char*>(region.BaseAddress) + region.RegionSize) {
    if (region.State == MEM_COMMIT && region.Type == MEM_PRIVATE) total += region.RegionSize;
  }
  return total;
}

}  // namespace

Holdings holdingsOf(DWORD processId, HANDLE process) {
  return {handleCount(processId), gdiObjectCount(process), privateBytes(process)};
}

}  // namespace pipit::wintest
