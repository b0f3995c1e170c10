#pragma once
// Her input box as an OLE drop target. It reports inputDropEffect's effect
// to the drag source and hands on the first file's name, or nothing for a
// drop without files; what the drop then does is the form's.
#include <windows.h>

#include <oleidl.h>
#include <shellapi.h>

#include <functional>
#include <utility>

#include "base/Text.h"
#include "ui/InputDrop.h"

namespace pipit::win32 {

// The first file of a drop block, the shell's or OLE's; nothing for a block
// without one. The block stays its owner's to hand back.
Text firstDroppedFile(HDROP drop);

// A COM object ends in its own Release, never through a base pointer: the
// interfaces have no virtual destructor by design.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wnon-virtual-dtor"
class InputDropTarget final : public IDropTarget {
 public:
  // Called for each drop, while the drag source still waits for it: it must
  // not open a window or a box.
  using Dropped = std::function<void(const Text& firstFile)>;
  explicit InputDropTarget(Dropped dropped) : dropped_(std::move(dropped)) {}
  InputDropTarget(const InputDropTarget&) = delete;
  InputDropTarget& operator=(const InputDropTarget&) = delete;

  // No drop reaches the owner any more, even from a source that still holds
  // the target.
  void detach() { dropped_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override;
  // IDropTarget
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  ~InputDropTarget() = default;  // through Release only

  ULONG references_ = 1;  // the creator's; one thread, the window's
  Dropped dropped_;
};
#pragma GCC diagnostic pop

}  // namespace pipit::win32
