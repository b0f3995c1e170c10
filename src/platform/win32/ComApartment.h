#pragma once
// COM, or OLE, for the current thread for as long as the object lives. A
// thread that already has it keeps it; this only balances its own
// initialisation.
#include <objbase.h>
#include <ole2.h>

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

// OLE for the current thread, which drag and drop needs beyond COM. It
// brings a single-threaded COM apartment with it.
class OleApartment {
 public:
  OleApartment() : initialised_(SUCCEEDED(OleInitialize(nullptr))) {}
  ~OleApartment() {
    if (initialised_) OleUninitialize();
  }
  OleApartment(const OleApartment&) = delete;
  OleApartment& operator=(const OleApartment&) = delete;

 private:
  bool initialised_;
};

}  // namespace pipit::win32
