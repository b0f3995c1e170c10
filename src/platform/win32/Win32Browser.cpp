#include "platform/win32/Win32Browser.h"

#include <windows.h>

#include <oaidl.h>
#include <objbase.h>
#include <oleauto.h>

#include <utility>

#include "platform/win32/ComApartment.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

// A VARIANT cleared when it goes.
class Variant {
 public:
  Variant() { VariantInit(&v_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&v_); }
  VARIANT* get() { return &v_; }
  VARIANT& operator*() { return v_; }

 private:
  VARIANT v_;
};

class Automation {
 public:
  explicit Automation(IDispatch* object) : object_(object) {}

  bool put(const wchar_t* name, VARIANT& value) {
    DISPID id = 0;
    if (!idOf(name, id)) return false;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&value, &named, 1, 1};
    return SUCCEEDED(object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT,
                                     &params, nullptr, nullptr, nullptr));
  }
  bool get(const wchar_t* name, Variant& result) {
    DISPID id = 0;
    if (!idOf(name, id)) return false;
    DISPPARAMS params{nullptr, nullptr, 0, 0};
    return SUCCEEDED(object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET,
                                     &params, result.get(), nullptr, nullptr));
  }
  bool call(const wchar_t* name, VARIANT& argument) {
    DISPID id = 0;
    if (!idOf(name, id)) return false;
    DISPPARAMS params{&argument, nullptr, 1, 0};
    Variant ignored;
    return SUCCEEDED(object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                                     ignored.get(), nullptr, nullptr));
  }

 private:
  bool idOf(const wchar_t* name, DISPID& id) {
    auto* names = const_cast<LPOLESTR>(name);
    return SUCCEEDED(object_->GetIDsOfNames(IID_NULL, &names, 1, LOCALE_USER_DEFAULT, &id));
  }
  IDispatch* object_;
};

HWND windowOf(Variant& value) {
  VARIANT& v = *value;
  if (v.vt == VT_I4) return reinterpret_cast<HWND>(static_cast<INT_PTR>(v.lVal));
  if (v.vt == VT_I8) return reinterpret_cast<HWND>(static_cast<INT_PTR>(v.llVal));
  Variant asNumber;
  if (FAILED(VariantChangeType(asNumber.get(), value.get(), 0, VT_I8))) return nullptr;
  return reinterpret_cast<HWND>(static_cast<INT_PTR>((*asNumber).llVal));
}

}  // namespace

bool Win32Browser::openNewWindow(const Text& address) {
  const ComApartment apartment;
  CLSID classId{};
  if (FAILED(CLSIDFromProgID(L"InternetExplorer.Application", &classId))) return false;
  ComPtr<IDispatch> browser;
  if (FAILED(CoCreateInstance(classId, nullptr, CLSCTX_LOCAL_SERVER | CLSCTX_INPROC_SERVER,
                              IID_IDispatch, reinterpret_cast<void**>(browser.put()))) ||
      !browser) {
    return false;
  }
  Automation automation(browser.get());

  Variant visible;
  (*visible).vt = VT_BOOL;
  (*visible).boolVal = VARIANT_TRUE;
  if (!automation.put(L"Visible", *visible)) return false;

  Variant url;
  (*url).vt = VT_BSTR;
  (*url).bstrVal = SysAllocStringLen(wide(address), static_cast<UINT>(address.size()));
  if (!(*url).bstrVal && !address.empty()) return false;
  if (!automation.call(L"Navigate2", *url)) return false;

  // The page is open once Navigate2 succeeded; bringing it forward is a
  // courtesy that the system may refuse.
  Variant handle;
  if (automation.get(L"HWND", handle)) {
    if (HWND window = windowOf(handle)) SetForegroundWindow(window);
  }
  return true;
}

}  // namespace pipit::win32
