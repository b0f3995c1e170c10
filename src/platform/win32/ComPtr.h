#pragma once
// Owns one reference of a COM interface.
#include <unknwn.h>

namespace pipit::win32 {

template <class T>
class ComPtr {
 public:
  ComPtr() = default;
  ComPtr(const ComPtr&) = delete;
  ComPtr& operator=(const ComPtr&) = delete;
  ~ComPtr() {
    if (p_ != nullptr) p_->Release();
  }
  T* get() const { return p_; }
  T* operator->() const { return p_; }
  T** put() { return &p_; }  // only on an empty pointer
  explicit operator bool() const { return p_ != nullptr; }

 private:
  T* p_ = nullptr;
};

}  // namespace pipit::win32
