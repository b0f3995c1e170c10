#pragma once
// COM for the current thread for as long as the object lives. A thread that
// already has COM keeps it; this only balances its own initialisation.
#include <objbase.h>

namespace pipit::win32 {

class ComApartment {
 public:
  ComApartment()
      : initialised_(
            SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {
  }
  ~ComApartment() {
    if (initialised_) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace pipit::win32
