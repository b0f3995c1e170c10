#pragma once
// Owns memory the shell hands over for the caller to free with
// CoTaskMemFree: paths, display names, item id lists.
#include <objbase.h>

#include <memory>

namespace pipit::win32 {

struct CoTaskMemoryFree {
  void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <class T>
using CoTaskMemory = std::unique_ptr<T, CoTaskMemoryFree>;

}  // namespace pipit::win32
