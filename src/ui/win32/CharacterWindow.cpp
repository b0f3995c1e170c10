#include "ui/win32/CharacterWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "platform/win32/Win32Pictures.h"
#include "platform/win32/gui/DeviceContexts.h"
#include "platform/win32/gui/MessageFont.h"
#include "platform/win32/gui/PopupMenu.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/WindowText.h"
#include "ui/ScreenPlacement.h"
#include "ui/win32/InputDropTarget.h"

namespace pipit::win32 {
namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 0);
constexpr COLORREF kBalloonColour = RGB(255, 255, 255);
constexpr int kDropListHeight = 240;  // the input box's list when it opens, at 100 %
constexpr int kGripPixels = 32;       // at 100 %
// The list's rows put in at once, and at each idle tick after.
constexpr std::size_t kFirstRows = 200;
constexpr std::size_t kRowsPerTick = 200;
constexpr UINT_PTR kFillTimer = 100;  // beside the form's timers

std::vector<Screen> screens() {
  std::vector<Screen> found;
  EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
        MONITORINFO info{};
        info.cbSize = sizeof info;
        if (!GetMonitorInfoW(monitor, &info)) return TRUE;
        auto& list = *reinterpret_cast<std::vector<Screen>*>(data);
        const auto pixels = [](const RECT& rect) {
          return PixelRect{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
        };
        const Screen screen{pixels(info.rcMonitor), pixels(info.rcWork)};
        // The primary screen first: it wins a tie.
        if (info.dwFlags & MONITORINFOF_PRIMARY) {
          list.insert(list.begin(), screen);
        } else {
          list.push_back(screen);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

// A picture she no longer shows keeps its file's bytes, not its pixels.
void letGo(const PictureHandle& shown, const PictureHandle& next) {
  if (shown == next) return;
  if (const auto* bitmap = dynamic_cast<const Win32Picture*>(shown.get())) bitmap->releasePixels();
}

void drawPicture(HDC target, const Picture* picture, int x, int y) {
  const auto* bitmap = dynamic_cast<const Win32Picture*>(picture);
  if (!bitmap) return;
  MemoryDC source(target, bitmap->bitmap());
  BitBlt(target, x, y, bitmap->width(), bitmap->height(), source.get(), 0, 0, SRCCOPY);
}

}  // namespace

CharacterWindow::CharacterWindow(HINSTANCE instance, InputForm& form)
    : instance_(instance), form_(form) {}

CharacterWindow::~CharacterWindow() { destroy(); }

Status CharacterWindow::create() {
  // No taskbar button: she is reached through the hot key and the tray.
  Status created = Window::create({instance_, kClassName, kCaption, WS_POPUP | WS_CLIPCHILDREN,
                                   WS_EX_TOOLWINDOW, nullptr, nullptr});
  if (!created) return created;
  HWND hwnd = handle();

  dpi_ = windowDpi(hwnd).y;
  balloonBrush_.reset(CreateSolidBrush(kBalloonColour));

  // Created in tab order: the input box, the button; the line is no stop.
  input_ = CreateWindowExW(
      0, WC_COMBOBOXW, L"",
      WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL, 0, 0, 0, 0,
      hwnd, reinterpret_cast<HMENU>(kInputId), instance_, nullptr);
  button_ = CreateWindowExW(0, WC_BUTTONW, L"おねがい",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd,
                            reinterpret_cast<HMENU>(kButtonId), instance_, nullptr);
  message_ = CreateWindowExW(
      0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
      0, 0, hwnd, reinterpret_cast<HMENU>(kMessageId), instance_, nullptr);
  if (!input_ || !button_ || !message_) return lastError(L"CreateWindowExW");
  makeFont();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(input_, &info)) {
    inputEdit_ = info.hwndItem;
    inputList_ = info.hwndList;
  }
  // The box takes Enter, Escape and dropped files itself: both the combo box
  // and the edit inside it, since a drop may land on either.
  for (HWND control : {input_, inputEdit_}) {
    if (!control) continue;
    SetWindowSubclass(control, &CharacterWindow::inputProc, 1, reinterpret_cast<DWORD_PTR>(this));
  }
  // Files dropped on the box come as the shell's message from the start:
  // the style is all the shell's DragAcceptFiles would set.
  for (HWND control : {input_, inputEdit_}) {
    if (!control) continue;
    SetWindowLongPtrW(control, GWL_EXSTYLE,
                      GetWindowLongPtrW(control, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
  }
  programsTarget_ = hwnd;
  return Status::success();
}

void CharacterWindow::acceptDrops() {
  // Through OLE she takes dropped text too and tells the source she only
  // copies. OLE costs its libraries and, under Wine, a server thread with
  // its stacks, 2 MB: it is started only once a drag from elsewhere can
  // come. A drag never tells the window it passes over, so the trigger is
  // what comes before one: the pointer over her, or the user at another
  // window (the press that starts a drag there takes the activation from
  // her). Files dropped before that come as the shell's message. The combo
  // box's registration serves the edit inside it too; where OLE cannot
  // register, files keep coming that way.
  if (dropTarget_) return;
  ole_.emplace();
  *dropTarget_.put() = new InputDropTarget([this](const Text& firstFile) {
    // The source waits for the drop to end: the dialog opens after it.
    droppedFile_ = firstFile;
    PostMessageW(input_, kDroppedMessage, 0, 0);
  });
  RegisterDragDrop(input_, dropTarget_.get());
}

void CharacterWindow::setWindowPicture(PictureHandle picture) {
  letGo(windowPicture_, picture);
  windowPicture_ = std::move(picture);
  InvalidateRect(handle(), nullptr, FALSE);
}

void CharacterWindow::setImage(ImageId id, PictureHandle picture) {
  Image& image = images_[static_cast<std::size_t>(id)];
  invalidate(image);
  letGo(image.picture, picture);
  image.picture = std::move(picture);
  invalidate(image);
}

void CharacterWindow::moveImage(ImageId id, PixelPoint topLeft) {
  Image& image = images_[static_cast<std::size_t>(id)];
  if (image.topLeft == topLeft) return;
  invalidate(image);
  image.topLeft = topLeft;
  invalidate(image);
}

void CharacterWindow::setImageVisible(ImageId id, bool visible) {
  Image& image = images_[static_cast<std::size_t>(id)];
  if (image.visible == visible) return;
  image.visible = visible;
  invalidate(image);
}

void CharacterWindow::invalidate(const Image& image) {
  if (!image.picture) return;
  // Only the overlay's own rectangle is drawn again: a blink costs no more.
  const RECT rect{image.topLeft.x, image.topLeft.y, image.topLeft.x + image.picture->width(),
                  image.topLeft.y + image.picture->height()};
  InvalidateRect(handle(), &rect, FALSE);
}

Status CharacterWindow::loadIcon(const Text& path) {
  const DWORD attributes = GetFileAttributesW(wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) return Failure::fileNotFound();
  if (attributes & FILE_ATTRIBUTE_DIRECTORY) return Failure::fileAccess();
  IconHandle icon(static_cast<HICON>(
      LoadImageW(nullptr, wide(path), IMAGE_ICON, 0, 0, LR_LOADFROMFILE | LR_DEFAULTSIZE)));
  if (!icon) return Pictures::invalidPicture();
  // The tray and captions show the small size: taken from the file at that
  // size, it stays sharp at every scale rather than shrunk from the large.
  IconHandle small(
      static_cast<HICON>(LoadImageW(nullptr, wide(path), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                    GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE)));
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon.get()));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL,
               reinterpret_cast<LPARAM>(small ? small.get() : icon.get()));
  icon_ = std::move(icon);
  smallIcon_ = std::move(small);
  return Status::success();
}

void CharacterWindow::makeColourKeyed() {
  const LONG_PTR style = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
  SetWindowLongPtrW(handle(), GWL_EXSTYLE, style | WS_EX_LAYERED);
  SetLayeredWindowAttributes(handle(), kKeyColour, 0, LWA_COLORKEY);
}

void CharacterWindow::applyLayout(const ControlLayout& layout) {
  MoveWindow(message_, layout.message.left, layout.message.top, layout.message.width,
             layout.message.height, TRUE);
  // A combo box's height is that of its open list; the box keeps its own.
  MoveWindow(input_, layout.input.left, layout.input.top, layout.input.width,
             MulDiv(kDropListHeight, dpi_, 96), TRUE);
  MoveWindow(button_, layout.button.left, layout.button.top, layout.button.width,
             layout.button.height, TRUE);
  SetWindowTextW(button_, wide(layout.buttonCaption));
  ShowWindow(message_, layout.messageVisible ? SW_SHOWNA : SW_HIDE);
  SetWindowPos(handle(), nullptr, 0, 0, layout.formWidth, layout.formHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  InvalidateRect(handle(), nullptr, FALSE);
}

void CharacterWindow::makeFont() {
  // The old font stays selected in the controls until they have the new;
  // without a new one they keep the old. The layout that follows a change
  // of scale draws them again.
  GdiObject font = messageFont({dpi_, dpi_});
  if (!font) return;
  for (HWND control : {input_, button_, message_}) setFont(control, font);
  font_ = std::move(font);
}

void CharacterWindow::setMessageText(const Text& text) { SetWindowTextW(message_, wide(text)); }

Text CharacterWindow::inputText() const { return windowText(input_); }

void CharacterWindow::setInputText(const Text& text, bool selectAll) {
  SetWindowTextW(input_, wide(text));
  if (selectAll) SendMessageW(input_, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
}

CharacterWindow::EditState CharacterWindow::editState() const {
  EditState state;
  HWND edit = inputEdit_ ? inputEdit_ : input_;
  state.text = windowText(edit);
  if (inputEdit_) {
    SendMessageW(inputEdit_, EM_GETSEL, reinterpret_cast<WPARAM>(&state.start),
                 reinterpret_cast<LPARAM>(&state.end));
  }
  return state;
}

void CharacterWindow::restoreEdit(const EditState& state) {
  const EditState now = editState();
  HWND edit = inputEdit_ ? inputEdit_ : input_;
  if (now.text != state.text) SetWindowTextW(edit, wide(state.text));
  if (inputEdit_ && (now.text != state.text || now.start != state.start || now.end != state.end)) {
    SendMessageW(inputEdit_, EM_SETSEL, state.start, state.end);
  }
}

bool CharacterWindow::listDropped() const {
  return SendMessageW(input_, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void CharacterWindow::setCommandWords(const std::vector<Text>& words) {
  const bool dropped = listDropped();
  // An open list keeps the height it had when it dropped: it drops anew.
  if (dropped) showCommandList(false);
  const EditState kept = editState();
  adjustingList_ = true;
  if (inputList_) {
    // The combo box's own reset empties the box as well; its list alone is.
    SendMessageW(inputList_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(inputList_, LB_RESETCONTENT, 0, 0);
  } else {
    SendMessageW(input_, CB_RESETCONTENT, 0, 0);
  }
  std::size_t characters = 0;
  for (const Text& word : words) characters += word.size() + 1;
  SendMessageW(input_, CB_INITSTORAGE, words.size(), characters * sizeof(wchar_t));
  if (inputList_) {
    SendMessageW(inputList_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(inputList_, nullptr, TRUE);
  }
  restoreEdit(kept);
  adjustingList_ = false;
  // A row costs the list box tens of microseconds, far more under Wine: a
  // table of thousands would keep her from the keys for seconds. The first
  // rows go in at once, for a list that opens now; the rest while she has
  // nothing else to do, since a timer's tick waits behind every key.
  unfilledWords_ = words;
  filledWords_ = 0;
  fillList(kFirstRows);
  if (dropped && !words.empty()) showCommandList(true);
}

void CharacterWindow::fillList(std::size_t rows) {
  const std::size_t end = std::min(unfilledWords_.size(), filledWords_ + rows);
  if (filledWords_ < end) {
    if (inputList_) SendMessageW(inputList_, WM_SETREDRAW, FALSE, 0);
    for (; filledWords_ < end; ++filledWords_) {
      SendMessageW(input_, CB_ADDSTRING, 0,
                   reinterpret_cast<LPARAM>(wide(unfilledWords_[filledWords_])));
    }
    if (inputList_) {
      SendMessageW(inputList_, WM_SETREDRAW, TRUE, 0);
      InvalidateRect(inputList_, nullptr, TRUE);
    }
  }
  if (filledWords_ < unfilledWords_.size()) {
    SetTimer(handle(), kFillTimer, USER_TIMER_MINIMUM, nullptr);
  } else {
    KillTimer(handle(), kFillTimer);
    unfilledWords_ = {};
    filledWords_ = 0;
  }
}

void CharacterWindow::showCommandList(bool open) {
  if (listDropped() == open) return;
  const EditState kept = editState();
  adjustingList_ = true;
  SendMessageW(input_, CB_SHOWDROPDOWN, open ? TRUE : FALSE, 0);
  // Dropping copies the first row that starts like the box into the box and
  // selects it all, so the next key would replace what was typed.
  if (open) releaseListRow();
  restoreEdit(kept);
  adjustingList_ = false;
}

std::optional<std::size_t> CharacterWindow::selectedListRow() const {
  const LRESULT row = SendMessageW(input_, CB_GETCURSEL, 0, 0);
  if (row < 0) return std::nullopt;
  return static_cast<std::size_t>(row);
}

void CharacterWindow::offerPrograms(std::vector<InstalledProgram> programs) {
  {
    const std::lock_guard lock(programsMutex_);
    offeredPrograms_ = std::move(programs);
  }
  // The index starts once she is typed into, so the window is there; after
  // it is gone nobody needs the list.
  if (HWND window = programsTarget_.load()) PostMessageW(window, kProgramsMessage, 0, 0);
}

void CharacterWindow::releaseListRow() {
  // The combo box highlights the row that starts like the box; let go of it
  // so that Down starts from the top and the box stays what was typed.
  if (!inputList_) return;
  SendMessageW(inputList_, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  SendMessageW(inputList_, LB_SETCARETINDEX, 0, 0);
  SendMessageW(inputList_, LB_SETTOPINDEX, 0, 0);
}

void CharacterWindow::focusInput() { SetFocus(input_); }

void CharacterWindow::show() {
  ShowWindow(handle(), SW_SHOWNORMAL);
  SetForegroundWindow(handle());
  // Refused the activation, she never learns when the user is elsewhere.
  if (GetForegroundWindow() != handle()) acceptDrops();
}

void CharacterWindow::hide() { ShowWindow(handle(), SW_HIDE); }

bool CharacterWindow::isVisible() const { return IsWindowVisible(handle()) != FALSE; }

void CharacterWindow::setTopMost() {
  SetWindowPos(handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}

PixelPoint CharacterWindow::position() const {
  RECT rect{};
  GetWindowRect(handle(), &rect);
  return {rect.left, rect.top};
}

void CharacterWindow::moveTo(PixelPoint topLeft) {
  RECT rect{};
  GetWindowRect(handle(), &rect);
  // A square of her the size of a large icon is enough to take hold of.
  const PixelPoint place = keepReachable(topLeft, {rect.right - rect.left, rect.bottom - rect.top},
                                         MulDiv(kGripPixels, dpi_, 96), screens());
  SetWindowPos(handle(), nullptr, place.x, place.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

double CharacterWindow::twipsPerPixelX() const { return 1440.0 / screenDpi().x; }
double CharacterWindow::twipsPerPixelY() const { return 1440.0 / screenDpi().y; }

bool CharacterWindow::registerHotKey(uint8_t modifiers, uint8_t key) {
  hotKeyRegistered_ = RegisterHotKey(handle(), 0, modifiers, key) != FALSE;
  return hotKeyRegistered_;
}

void CharacterWindow::unregisterHotKey() {
  UnregisterHotKey(handle(), 0);
  hotKeyRegistered_ = false;
}

void CharacterWindow::startTimer(TimerId timer, uint32_t milliseconds) {
  SetTimer(handle(), static_cast<UINT_PTR>(timer), milliseconds, nullptr);
}

void CharacterWindow::stopTimer(TimerId timer) {
  KillTimer(handle(), static_cast<UINT_PTR>(timer));
}

std::optional<std::size_t> CharacterWindow::popupMenu(const std::vector<MenuItem>& items) {
  return trackPopupMenu(handle(), items);
}

bool CharacterWindow::onImage(LPARAM point) const {
  // The balloons and the overlay take their own clicks, which do nothing.
  const int x = static_cast<short>(LOWORD(point));
  const int y = static_cast<short>(HIWORD(point));
  for (const Image& image : images_) {
    if (!image.visible || !image.picture) continue;
    if (x >= image.topLeft.x && x < image.topLeft.x + image.picture->width() &&
        y >= image.topLeft.y && y < image.topLeft.y + image.picture->height()) {
      return true;
    }
  }
  return false;
}

void CharacterWindow::paint(HDC target) const {
  RECT client{};
  GetClientRect(handle(), &client);
  // Drawn off screen first, so a blink never flashes the red through.
  GdiObject buffer(CreateCompatibleBitmap(target, client.right, client.bottom));
  MemoryDC canvas(target, buffer.get());
  HDC dc = canvas.get() ? canvas.get() : target;
  const GdiObject red(CreateSolidBrush(kKeyColour));
  FillRect(dc, &client, static_cast<HBRUSH>(red.get()));
  drawPicture(dc, windowPicture_.get(), 0, 0);
  for (const Image& image : images_) {
    if (image.visible) drawPicture(dc, image.picture.get(), image.topLeft.x, image.topLeft.y);
  }
  if (dc != target) BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

LRESULT CharacterWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_ERASEBKGND:
      return 1;
    case WM_DESTROY:
      programsTarget_ = nullptr;
      break;
    case WM_PAINT: {
      const PaintScope scope(handle());
      paint(scope.get());
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      if (reinterpret_cast<HWND>(lParam) == message_) {
        // Her line sits on her balloon.
        SetBkColor(reinterpret_cast<HDC>(wParam), kBalloonColour);
        return reinterpret_cast<LRESULT>(balloonBrush_.get());
      }
      break;
    case WM_RBUTTONDOWN:
      if (!onImage(lParam)) form().onRightButton();
      return 0;
    case WM_MOUSEMOVE:
      // Dragging her moves the window, through the system's own move loop;
      // only while the left button is held.
      if ((wParam & MK_LBUTTON) && !onImage(lParam)) {
        ReleaseCapture();
        SendMessageW(handle(), WM_NCLBUTTONDOWN, HTCAPTION, 0);
      }
      return 0;
    case WM_COMMAND:
      if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        form().ExecutionButton_Click();
        return 0;
      }
      if (LOWORD(wParam) == kInputId && HIWORD(wParam) == CBN_EDITCHANGE &&
          decideInput(InputEvent::Edited, InputKey::Other, inputState(input_)) ==
              InputAction::NarrowList) {
        form().onInputEdited();
        if (listDropped()) releaseListRow();
        return 0;
      }
      break;
    case WM_HOTKEY:
      form().doHotkeyAction();
      return 0;
    case WM_SETCURSOR:  // the pointer is over her or one of her controls
      acceptDrops();
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) acceptDrops();
      break;
    case WM_TIMER:
      if (wParam == kFillTimer) {
        fillList(kRowsPerTick);
      } else {
        form().onTimer(static_cast<TimerId>(wParam));
      }
      return 0;
    case WM_SETFOCUS:
      // Activated by a click or a show, she takes keys in her input box:
      // a key never lands on the window itself, where nothing reads it.
      SetFocus(input_);
      return 0;
    case WM_CLOSE:
      form().onClose();
      return 0;
    case kProgramsMessage: {
      std::optional<std::vector<InstalledProgram>> programs;
      {
        const std::lock_guard lock(programsMutex_);
        programs.swap(offeredPrograms_);
      }
      // Two posts may bring one list: the second finds none.
      if (programs) form().onProgramsFound(std::move(*programs));
      return 0;
    }
    case kDpiChangedMessage:
      // Her place is where Windows suggests; her size follows from her
      // layout at the new scale, which the form lays out anew.
      dpi_ = HIWORD(wParam);
      takeSuggestedRect(handle(), lParam);
      makeFont();
      form().onScaleChanged();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;  // she never holds a logoff up
    case WM_ENDSESSION:
      if (wParam) form().onSessionEnd();
      return 0;
    default:
      break;
  }
  return Window::onMessage(message, wParam, lParam);
}

LRESULT CALLBACK CharacterWindow::inputProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                            UINT_PTR, DWORD_PTR self) noexcept {
  try {
    return reinterpret_cast<CharacterWindow*>(self)->onInputMessage(hwnd, message, wParam, lParam);
  } catch (...) {
    return DefSubclassProc(hwnd, message, wParam, lParam);
  }
}

LRESULT CharacterWindow::onInputMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
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
      return perform(decideInput(InputEvent::CompositionEnd, InputKey::Other, inputState(hwnd)),
                     hwnd, message, wParam, lParam);
    case WM_IME_COMPOSITION:
      if (!(lParam & GCS_RESULTSTR)) break;
      return perform(decideInput(InputEvent::CompositionResult, InputKey::Other, inputState(hwnd)),
                     hwnd, message, wParam, lParam);
    case WM_KEYDOWN:
    case WM_CHAR: {
      const InputKey key = wParam == VK_RETURN                        ? InputKey::Enter
                           : wParam == VK_ESCAPE                      ? InputKey::Escape
                           : wParam == VK_F2 && message == WM_KEYDOWN ? InputKey::MakeCommand
                                                                      : InputKey::Other;
      const InputEvent event = message == WM_KEYDOWN ? InputEvent::KeyDown : InputEvent::Char;
      // Other keys are the control's whatever the state: a keystroke in the
      // box costs no message to the combo box.
      const InputState state = key == InputKey::Other ? InputState{} : inputState(hwnd);
      return perform(decideInput(event, key, state), hwnd, message, wParam, lParam);
    }
    case WM_DROPFILES: {
      const auto drop = reinterpret_cast<HDROP>(wParam);
      Text first;
      // A drop block this process cannot read (one forged by another
      // program) counts as a drop without files rather than a crash.
      const auto memory = reinterpret_cast<HGLOBAL>(drop);
      const bool readable = GlobalLock(memory) != nullptr;
      if (readable) GlobalUnlock(memory);
      if (readable && DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
        std::wstring name(length + 1, L'\0');
        const UINT copied = DragQueryFileW(drop, 0, name.data(), length + 1);
        first = fromWide(name.data(), copied);
      }
      if (readable) DragFinish(drop);
      form().onFilesDropped(first);
      return 0;
    }
    case kDroppedMessage:
      form().onFilesDropped(droppedFile_);
      return 0;
    case WM_DESTROY:
      // OLE holds the target until the registration goes, which needs the
      // window.
      if (hwnd == input_ && dropTarget_) {
        RevokeDragDrop(hwnd);
        dropTarget_->detach();
      }
      break;
    case WM_NCDESTROY:
      RemoveWindowSubclass(hwnd, &CharacterWindow::inputProc, 1);
      break;
    default:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

InputState CharacterWindow::inputState(HWND hwnd) const {
  return {hwnd == inputEdit_, listDropped(), composing_, adjustingList_};
}

LRESULT CharacterWindow::perform(InputAction action, HWND hwnd, UINT message, WPARAM wParam,
                                 LPARAM lParam) {
  switch (action) {
    case InputAction::Send:
      form().ExecutionButton_Click();
      return 0;
    case InputAction::Hide:
      form().onEscape();
      return 0;
    case InputAction::CloseList:
      showCommandList(false);
      return 0;
    case InputAction::MakeCommand:
      showCommandList(false);
      form().onMakeCommand();
      return 0;
    case InputAction::NarrowList: {
      const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
      form().onInputEdited();
      return result;
    }
    case InputAction::PassToControl:
      break;
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace pipit::win32
