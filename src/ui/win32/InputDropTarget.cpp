#include "ui/win32/InputDropTarget.h"

#include <shellapi.h>

#include <string>

#include "platform/win32/Handles.h"

namespace pipit::win32 {
namespace {

static_assert(kDropNone == DROPEFFECT_NONE && kDropCopy == DROPEFFECT_COPY &&
              kDropMove == DROPEFFECT_MOVE && kDropLink == DROPEFFECT_LINK);

FORMATETC formatOf(CLIPFORMAT format) {
  return {format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// The data of one format, given back to its source with the object.
class Medium {
 public:
  Medium(IDataObject* data, CLIPFORMAT format) {
    FORMATETC wanted = formatOf(format);
    held_ = data && SUCCEEDED(data->GetData(&wanted, &medium_));
  }
  ~Medium() {
    if (held_) ReleaseStgMedium(&medium_);
  }
  Medium(const Medium&) = delete;
  Medium& operator=(const Medium&) = delete;
  HGLOBAL global() const {
    return held_ && medium_.tymed == TYMED_HGLOBAL ? medium_.hGlobal : nullptr;
  }

 private:
  STGMEDIUM medium_{};
  bool held_ = false;
};

Text firstFile(IDataObject* data) {
  const Medium medium(data, CF_HDROP);
  const auto drop = static_cast<HDROP>(medium.global());
  return drop ? firstDroppedFile(drop) : Text();
}

}  // namespace

Text firstDroppedFile(HDROP drop) {
  if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) == 0) return {};
  const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
  std::wstring name(length + 1, L'\0');
  const UINT copied = DragQueryFileW(drop, 0, name.data(), length + 1);
  return fromWide(name.data(), copied);
}

HRESULT InputDropTarget::QueryInterface(REFIID id, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(id, IID_IUnknown) || IsEqualIID(id, IID_IDropTarget)) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG InputDropTarget::Release() {
  const ULONG left = --references_;
  if (left == 0) delete this;
  return left;
}

HRESULT InputDropTarget::DragEnter(IDataObject*, DWORD, POINTL, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  *effect = inputDropEffect(*effect);
  return S_OK;
}

HRESULT InputDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  *effect = inputDropEffect(*effect);
  return S_OK;
}

HRESULT InputDropTarget::DragLeave() { return S_OK; }

HRESULT InputDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  if (!effect) return E_INVALIDARG;
  *effect = inputDropEffect(*effect);
  if (*effect != kDropNone && dropped_) dropped_(firstFile(data));
  return S_OK;
}

}  // namespace pipit::win32
