#pragma once
// Her input box: a drop-down combo box whose edit takes Enter, Escape, F2,
// the row actions' keys and input-method compositions as InputKeys decides,
// whose list is filled a part at a time, and which takes dropped files,
// through the shell's message from the start and through OLE once
// acceptDrops() is called. What it decides goes to InputBoxEvents.
//
// The list draws its own rows: each row's icon at the screen's scale, its
// name, and dimmed at the right what it is and where it lives. The rows'
// strings are their names, which is what choosing one puts in the box and
// what accessibility tools read.
#include <windows.h>

#include <oleacc.h>
#include <shellapi.h>

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "base/Failure.h"
#include "base/Pixels.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/ComPtr.h"
#include "ui/InputBoxEvents.h"
#include "ui/InputBoxView.h"
#include "ui/InputKeys.h"
#include "ui/win32/RowIcons.h"

namespace pipit::win32 {

class InputDropTarget;

class InputBox final : public InputBoxView {
 public:
  // The control is a child of her window and goes with it, while this
  // object is still there to revoke its OLE registration.
  InputBox();
  InputBox(const InputBox&) = delete;
  InputBox& operator=(const InputBox&) = delete;
  ~InputBox() override;

  // Creates the box in `parent` where the tab order stands; `events` takes
  // what it reports from then on.
  Status create(HINSTANCE instance, HWND parent, int id, InputBoxEvents& events);
  HWND handle() const { return combo_; }
  // Her own small icon, for rows with nothing else to show.
  void setOwnIcon(std::function<HICON()> icon) { ownIcon_ = std::move(icon); }
  // The parent's WM_MEASUREITEM and WM_DRAWITEM for the box's rows.
  void onMeasureItem(MEASUREITEMSTRUCT& item) const;
  void onDrawItem(const DRAWITEMSTRUCT& item);

  // Puts the box at `rect`, whose height it ignores: a combo box's height
  // is that of its open list, `dpi` scales it.
  void place(const PixelRect& rect, int32_t dpi);
  // Takes dropped text too, through OLE: started only on the first call.
  void acceptDrops();
  // A notification of the box to its parent (WM_COMMAND's high word);
  // true when the box handled it.
  bool onNotify(WORD code);

  // InputBoxView
  Text inputText() const override;
  void setInputText(const Text& text, bool selectAll) override;
  void setListRows(std::vector<ListRowLook> rows) override;
  void showCommandList(bool open) override;
  std::optional<std::size_t> selectedListRow() const override;
  void focusInput() override;

 private:
  static LRESULT CALLBACK subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR self) noexcept;
  LRESULT onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onDropFiles(HDROP drop);
  InputState state(HWND hwnd) const;
  static InputKey keyOf(UINT message, WPARAM wParam);
  LRESULT perform(InputAction action, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // The box's text and selection, kept across what the combo box does to
  // them on its own when its list changes or drops down.
  struct EditState {
    Text text;
    DWORD start = 0;
    DWORD end = 0;
  };
  EditState editState() const;
  void restoreEdit(const EditState& state);
  bool listDropped() const;
  void releaseListRow();
  // Puts up to `rows` more of the rows in the list, and asks for a tick
  // to go on while some are left.
  void fillList(std::size_t rows);
  // Tells accessibility tools what each row is and where it lives, beside
  // the name they read from its string.
  void describeRows();
  // A row's height at the box's scale: its icon's or its font's.
  int rowHeight() const;
  int scaled(int pixels) const { return MulDiv(pixels, dpi_, 96); }

  InputBoxEvents* events_ = nullptr;  // set by create(), before any message
  HWND combo_ = nullptr;              // children of her window: destroyed with it
  HWND edit_ = nullptr;
  HWND list_ = nullptr;
  std::optional<OleApartment> ole_;  // outlives the drop target
  ComPtr<InputDropTarget> dropTarget_;
  Text droppedFile_;               // of the last OLE drop, until its message comes
  std::vector<ListRowLook> rows_;  // the list's; those from filled_ on wait to go in
  std::size_t filled_ = 0;
  int32_t dpi_ = 96;
  std::function<HICON()> ownIcon_;
  std::unique_ptr<RowIcons> icons_;  // made when a row is first drawn
  bool swallowChar_ = false;         // the character of a row action's key is no text
  std::optional<ComApartment> com_;  // for the annotations, once rows have any
  ComPtr<IAccPropServices> annotations_;
  std::vector<DWORD> described_;  // the rows annotated now, by their child ids
  bool composing_ = false;        // an input-method composition is open
  bool adjustingList_ = false;    // the box's own changes are not the user's
};

}  // namespace pipit::win32
