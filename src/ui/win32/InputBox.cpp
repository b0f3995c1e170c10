#include "ui/win32/InputBox.h"

#include <commctrl.h>
#include <initguid.h>  // the annotation service's ids, defined here
#include <oleacc.h>
#include <shellapi.h>

#include <algorithm>
#include <utility>

#include "platform/win32/gui/Window.h"
#include "platform/win32/gui/WindowText.h"
#include "ui/win32/InputDropTarget.h"

namespace pipit::win32 {
namespace {

constexpr int kDropListHeight = 240;  // the list when it opens, at 100 %
// The list's rows put in at once, and at each idle tick after.
constexpr std::size_t kFirstRows = 200;
constexpr std::size_t kRowsPerTick = 200;
constexpr UINT_PTR kFillTimer = 0x4642;  // on the combo box, which has none of its own
// Posted to the box after an OLE drop, when the drag is over.
constexpr UINT kDroppedMessage = WM_APP + 1;
// Posted to the box when rows' icons have come.
constexpr UINT kIconsMessage = WM_APP + 2;
// The icon's size at 100 %, and the room around what a row draws.
constexpr int kIconSize = 16;
constexpr int kRowPadding = 2;

// The block of a drop through the shell's message, handed back once read.
// One this process cannot read (forged by another program) counts as a
// drop without files rather than a crash.
class ShellDrop {
 public:
  explicit ShellDrop(HDROP drop) : drop_(drop) {
    const auto memory = reinterpret_cast<HGLOBAL>(drop);
    readable_ = GlobalLock(memory) != nullptr;
    if (readable_) GlobalUnlock(memory);
  }
  ~ShellDrop() {
    if (readable_) DragFinish(drop_);
  }
  ShellDrop(const ShellDrop&) = delete;
  ShellDrop& operator=(const ShellDrop&) = delete;
  Text firstFile() const { return readable_ ? firstDroppedFile(drop_) : Text(); }

 private:
  HDROP drop_;
  bool readable_ = false;
};

}  // namespace

InputBox::InputBox() = default;
InputBox::~InputBox() = default;

Status InputBox::create(HINSTANCE instance, HWND parent, int id, InputBoxEvents& events) {
  events_ = &events;
  combo_ = CreateWindowExW(0, WC_COMBOBOXW, L"",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN |
                               CBS_AUTOHSCROLL | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS,
                           0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           instance, nullptr);
  if (!combo_) return lastError(L"CreateWindowExW");
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(combo_, &info)) {
    edit_ = info.hwndItem;
    list_ = info.hwndList;
  }
  // The box takes Enter, Escape and dropped files itself: both the combo box
  // and the edit inside it, since a drop may land on either. Files come as
  // the shell's message from the start: the style is all the shell's
  // DragAcceptFiles would set.
  for (HWND control : {combo_, edit_}) {
    if (!control) continue;
    SetWindowSubclass(control, &InputBox::subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    SetWindowLongPtrW(control, GWL_EXSTYLE,
                      GetWindowLongPtrW(control, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  }
  return Status::success();
}

void InputBox::place(const PixelRect& rect, int32_t dpi) {
  dpi_ = dpi;
  MoveWindow(combo_, rect.left, rect.top, rect.width, scaled(kDropListHeight), TRUE);
  // The font may be new as well: the rows take the height of both.
  SendMessageW(combo_, CB_SETITEMHEIGHT, 0, rowHeight());
}

int InputBox::rowHeight() const {
  int text = scaled(16);
  if (combo_) {
    const HDC dc = GetDC(combo_);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(combo_, WM_GETFONT, 0, 0));
    const HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    TEXTMETRICW metrics{};
    if (GetTextMetricsW(dc, &metrics)) text = metrics.tmHeight;
    if (old) SelectObject(dc, old);
    ReleaseDC(combo_, dc);
  }
  return std::max(text, scaled(kIconSize)) + 2 * scaled(kRowPadding);
}

void InputBox::onMeasureItem(MEASUREITEMSTRUCT& item) const { item.itemHeight = rowHeight(); }

void InputBox::onDrawItem(const DRAWITEMSTRUCT& item) {
  if (item.itemID == static_cast<UINT>(-1) || item.itemID >= rows_.size()) return;
  const ListRowLook& row = rows_[item.itemID];
  const HDC dc = item.hDC;
  RECT area = item.rcItem;
  const bool selected = (item.itemState & ODS_SELECTED) != 0;
  FillRect(dc, &area, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
  const int padding = scaled(kRowPadding), iconSize = scaled(kIconSize);

  // The icon is fetched once per target and size, off this thread; until
  // it comes the row is drawn without it.
  if (!icons_) icons_ = std::make_unique<RowIcons>(combo_, kIconsMessage);
  const RowIcons::Icon icon = icons_->icon(row.target, iconSize);
  const HICON drawn = icon.icon ? icon.icon : icon.ready && ownIcon_ ? ownIcon_() : nullptr;
  if (drawn) {
    DrawIconEx(dc, area.left + padding, area.top + (area.bottom - area.top - iconSize) / 2, drawn,
               iconSize, iconSize, 0, nullptr, DI_NORMAL);
  }

  const auto font = reinterpret_cast<HFONT>(SendMessageW(combo_, WM_GETFONT, 0, 0));
  const HGDIOBJ oldFont = font ? SelectObject(dc, font) : nullptr;
  SetBkMode(dc, TRANSPARENT);
  RECT text{area.left + 2 * padding + iconSize, area.top, area.right - 2 * padding, area.bottom};
  constexpr UINT kLine = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  Text aside = row.place;
  if (!row.kind.empty()) aside += (aside.empty() ? u"" : u"  ") + row.kind;
  if (!aside.empty()) {
    // Dimmed, at the right, and never covered by a long name.
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    RECT measured = text;
    DrawTextW(dc, wide(aside), -1, &measured, kLine | DT_CALCRECT);
    DrawTextW(dc, wide(aside), -1, &text, kLine | DT_RIGHT);
    text.right = std::max(text.left, text.right - (measured.right - measured.left) - 3 * padding);
  }
  SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
  DrawTextW(dc, wide(row.name), -1, &text, kLine | DT_END_ELLIPSIS);
  if (oldFont) SelectObject(dc, oldFont);
  if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &area);
}

void InputBox::acceptDrops() {
  // Through OLE she takes dropped text too and tells the source she only
  // copies. OLE costs its libraries and, under Wine, a server thread with
  // its stacks, 2 MB: her window calls this only once a drag from elsewhere
  // can come. The combo box's registration serves the edit inside it too;
  // where OLE cannot register, files keep coming as the shell's message.
  if (dropTarget_) return;
  ole_.emplace();
  *dropTarget_.put() = new InputDropTarget([this](const Text& firstFile) {
    // The source waits for the drop to end: the dialog opens after it.
    droppedFile_ = firstFile;
    PostMessageW(combo_, kDroppedMessage, 0, 0);
  });
  RegisterDragDrop(combo_, dropTarget_.get());
}

bool InputBox::onNotify(WORD code) {
  if (code != CBN_EDITCHANGE ||
      decideInput(InputEvent::Edited, InputKey::Other, state(combo_)) != InputAction::NarrowList) {
    return false;
  }
  events_->onInputEdited();
  if (listDropped()) releaseListRow();
  return true;
}

Text InputBox::inputText() const { return windowText(combo_); }

void InputBox::setInputText(const Text& text, bool selectAll) {
  SetWindowTextW(combo_, wide(text));
  if (selectAll) SendMessageW(combo_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

InputBox::EditState InputBox::editState() const {
  EditState state;
  state.text = windowText(edit_ ? edit_ : combo_);
  if (edit_) {
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&state.start),
                 reinterpret_cast<LPARAM>(&state.end));
  }
  return state;
}

void InputBox::restoreEdit(const EditState& state) {
  const EditState now = editState();
  if (now.text != state.text) SetWindowTextW(edit_ ? edit_ : combo_, wide(state.text));
  if (edit_ && (now.text != state.text || now.start != state.start || now.end != state.end)) {
    SendMessageW(edit_, EM_SETSEL, state.start, state.end);
  }
}

bool InputBox::listDropped() const { return SendMessageW(combo_, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void InputBox::setListRows(std::vector<ListRowLook> rows) {
  const bool dropped = listDropped();
  // An open list keeps the height it had when it dropped: it drops anew.
  if (dropped) showCommandList(false);
  const EditState kept = editState();
  adjustingList_ = true;
  if (list_) {
    // The combo box's own reset empties the box as well; its list alone is.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
  } else {
    SendMessageW(combo_, CB_RESETCONTENT, 0, 0);
  }
  std::size_t characters = 0;
  for (const ListRowLook& row : rows) characters += row.name.size() + 1;
  SendMessageW(combo_, CB_INITSTORAGE, rows.size(), characters * sizeof(wchar_t));
  if (list_) {
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
  }
  restoreEdit(kept);
  adjustingList_ = false;
  // A row costs the list box tens of microseconds, far more under Wine: a
  // table of thousands would keep her from the keys for seconds. The first
  // rows go in at once, for a list that opens now; the rest while she has
  // nothing else to do, since a timer's tick waits behind every key.
  const bool any = !rows.empty();
  rows_ = std::move(rows);
  filled_ = 0;
  fillList(kFirstRows);
  describeRows();
  if (dropped && any) showCommandList(true);
}

void InputBox::describeRows() {
  if (!list_) return;
  if (annotations_) {
    for (const DWORD id : described_) {
      annotations_->ClearHwndProps(list_, OBJID_CLIENT, id, &PROPID_ACC_DESCRIPTION, 1);
    }
  }
  described_.clear();
  const auto described = std::find_if(rows_.begin(), rows_.end(), [](const ListRowLook& row) {
    return !row.kind.empty() || !row.place.empty();
  });
  if (described == rows_.end()) return;
  if (!annotations_) {
    // COM on this thread only once a row has something to say.
    if (!com_) com_.emplace();
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices,
                                reinterpret_cast<void**>(annotations_.put())))) {
      return;
    }
  }
  for (auto it = described; it != rows_.end(); ++it) {
    if (it->kind.empty() && it->place.empty()) continue;
    const auto id = static_cast<DWORD>(it - rows_.begin() + 1);
    const Text text = it->place.empty() ? it->kind : it->kind + u"、" + it->place;
    if (SUCCEEDED(annotations_->SetHwndPropStr(list_, OBJID_CLIENT, id, PROPID_ACC_DESCRIPTION,
                                               wide(text)))) {
      described_.push_back(id);
    }
  }
}

void InputBox::fillList(std::size_t rows) {
  const std::size_t end = std::min(rows_.size(), filled_ + rows);
  if (filled_ < end) {
    if (list_) SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    for (; filled_ < end; ++filled_) {
      SendMessageW(combo_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(rows_[filled_].name)));
    }
    if (list_) {
      SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(list_, nullptr, TRUE);
    }
  }
  // The rows stay: they are what the list draws.
  if (filled_ < rows_.size()) {
    SetTimer(combo_, kFillTimer, USER_TIMER_MINIMUM, nullptr);
  } else {
    KillTimer(combo_, kFillTimer);
  }
}

void InputBox::showCommandList(bool open) {
  if (listDropped() == open) return;
  const EditState kept = editState();
  adjustingList_ = true;
  SendMessageW(combo_, CB_SHOWDROPDOWN, open ? TRUE : FALSE, 0);
  // Dropping copies the first row that starts like the box into the box and
  // selects it all, so the next key would replace what was typed.
  if (open) releaseListRow();
  restoreEdit(kept);
  adjustingList_ = false;
}

std::optional<std::size_t> InputBox::selectedListRow() const {
  const LRESULT row = SendMessageW(combo_, CB_GETCURSEL, 0, 0);
  if (row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void InputBox::releaseListRow() {
  // The combo box highlights the row that starts like the box; let go of it
  // so that Down starts from the top and the box stays what was typed.
  if (!list_) return;
  SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageW(list_, LB_SETCARETINDEX, 0, 0);
  SendMessageW(list_, LB_SETTOPINDEX, 0, 0);
}

void InputBox::focusInput() { SetFocus(combo_); }

LRESULT CALLBACK InputBox::subclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR self) noexcept {
  try {
    return reinterpret_cast<InputBox*>(self)->onMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
}

LRESULT InputBox::onMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_GETDLGCODE: {
      // Enter and Escape belong to the box, not to the dialog navigation.
      const auto* msg = reinterpret_cast<const MSG*>(lParam);
      if (msg && msg->message == WM_KEYDOWN &&
          (msg->wParam == VK_RETURN || msg->wParam == VK_ESCAPE)) {
        return DefSubclassProc(hwnd, message, wParam, lParam) | DLGC_WANTALLKEYS;
      }
      break;
    }
    case WM_IME_STARTCOMPOSITION:
      composing_ = true;
      break;
    case WM_IME_ENDCOMPOSITION:
      composing_ = false;
      return perform(decideInput(InputEvent::CompositionEnd, InputKey::Other, state(hwnd)), hwnd,
                     message, wParam, lParam);
    case WM_IME_COMPOSITION:
      if (!(lParam & GCS_RESULTSTR)) break;
      return perform(decideInput(InputEvent::CompositionResult, InputKey::Other, state(hwnd)), hwnd,
                     message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR: {
      // The character a row action's key brings (a line feed, Ctrl+C's) is
      // no text, nor the edit's own copy.
      if (message == WM_CHAR && std::exchange(swallowChar_, false)) return 0;
      const InputKey key = keyOf(message, wParam);
      const InputEvent event = message == WM_KEYDOWN ? InputEvent::KeyDown : InputEvent::Char;
      // Other keys are the control's whatever the state: a keystroke in the
      // box costs no message to the combo box.
      const InputState now = key == InputKey::Other ? InputState{} : state(hwnd);
      const InputAction action = decideInput(event, key, now);
      if (action == InputAction::RowAction) {
        showCommandList(false);
        swallowChar_ = true;
        events_->onRowAction(key == InputKey::OpenFolder   ? RowAction::openFolder
                             : key == InputKey::RunAsAdmin ? RowAction::runAsAdmin
                                                           : RowAction::copyPath);
        return 0;
      }
      return perform(action, hwnd, message, wParam, lParam);
    }
    case WM_CONTEXTMENU:
      // From the keyboard (the menu key, Shift+F10) the chosen row's menu;
      // the mouse, or no row, gets the edit's own.
      if (lParam == -1 && events_->onRowMenu()) return 0;
      break;
    case kIconsMessage:
      if (list_) InvalidateRect(list_, nullptr, FALSE);
      return 0;
    case WM_TIMER:
      if (hwnd != combo_ || wParam != kFillTimer) break;
      fillList(kRowsPerTick);
      return 0;
    case WM_DROPFILES:
      return onDropFiles(reinterpret_cast<HDROP>(wParam));
    case kDroppedMessage:
      events_->onFilesDropped(droppedFile_);
      return 0;
    case WM_DESTROY:
      // OLE holds the target until the registration goes, which needs the
      // window.
      if (hwnd == combo_ && dropTarget_) {
        RevokeDragDrop(hwnd);
        dropTarget_->detach();
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &InputBox::subclassProc, 1);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

LRESULT InputBox::onDropFiles(HDROP drop) {
  // The block goes back before the dialog opens.
  const Text first = ShellDrop(drop).firstFile();
  events_->onFilesDropped(first);
  return 0;
}

InputKey InputBox::keyOf(UINT message, WPARAM wParam) {
  if (message == WM_KEYDOWN) {
    const bool control = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0;
    if (wParam == VK_RETURN && control) return shift ? InputKey::RunAsAdmin : InputKey::OpenFolder;
    if (wParam == 'C' && control && shift) return InputKey::CopyPath;
    if (wParam == VK_F2) return InputKey::MakeCommand;
  }
  if (wParam == VK_RETURN) return InputKey::Enter;
  if (wParam == VK_ESCAPE) return InputKey::Escape;
  return InputKey::Other;
}

InputState InputBox::state(HWND hwnd) const {
  return {hwnd == edit_, listDropped(), composing_, adjustingList_};
}

LRESULT InputBox::perform(InputAction action, HWND hwnd, UINT message, WPARAM wParam,
                          LPARAM lParam) {
  switch (action) {
    case InputAction::Send:
      events_->onSend();
      return 0;
    case InputAction::Hide:
      events_->onEscape();
      return 0;
    case InputAction::CloseList:
      showCommandList(false);
      return 0;
    case InputAction::MakeCommand:
      showCommandList(false);
      events_->onMakeCommand();
      return 0;
    case InputAction::NarrowList: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      events_->onInputEdited();
      return result;
    }
    case InputAction::RowAction:  // taken where the key came
    case InputAction::PassToControl:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace pipit::win32
