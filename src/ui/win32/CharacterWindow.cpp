#include "ui/win32/CharacterWindow.h"

#include <commctrl.h>

#include <utility>
#include <vector>

#include "platform/win32/Win32Pictures.h"
#include "platform/win32/gui/DeviceContexts.h"
#include "platform/win32/gui/MessageFont.h"
#include "platform/win32/gui/PopupMenu.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/WindowText.h"
#include "ui/ScreenPlacement.h"

namespace pipit::win32 {
namespace {

constexpr COLORREF kKeyColour = RGB(255, 0, 0);
constexpr COLORREF kBalloonColour = RGB(255, 255, 255);
constexpr int kGripPixels = 32;  // at 100 %

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
  if (Status box = input_.create(instance_, hwnd, kInputId, form_); !box) return box;
  input_.setOwnIcon([this] { return smallIcon_ ? smallIcon_.get() : icon_.get(); });
  button_ = CreateWindowExW(0, WC_BUTTONW, L"おねがい",
                            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 0, 0, hwnd,
                            reinterpret_cast<HMENU>(kButtonId), instance_, nullptr);
  message_ = CreateWindowExW(
      0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
      0, 0, hwnd, reinterpret_cast<HMENU>(kMessageId), instance_, nullptr);
  if (!button_ || !message_) return lastError(L"CreateWindowExW");
  makeFont();
  return Status::success();
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
  // Before she is first seen the file is only found: its images are read
  // for the tray, after her first show, which comes sooner for it.
  if (!shown_) {
    unreadIcon_ = path;
    return Status::success();
  }
  unreadIcon_.clear();
  return readIcon(path);
}

Status CharacterWindow::readIcon(const Text& path) {
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
  input_.place(layout.input, dpi_);
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
  for (HWND control : {input_.handle(), button_, message_}) setFont(control, font);
  font_ = std::move(font);
}

void CharacterWindow::setMessageText(const Text& text) { SetWindowTextW(message_, wide(text)); }

Outcome<HICON> CharacterWindow::trayIcon() {
  if (!unreadIcon_.empty()) {
    if (Status read = readIcon(std::exchange(unreadIcon_, Text())); !read) return read.failure();
  }
  return smallIcon_ ? smallIcon_.get() : icon_.get();
}

void CharacterWindow::show() {
  shown_ = true;
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

std::optional<std::size_t> CharacterWindow::popupMenu(const std::vector<MenuItem>& items,
                                                      bool underInput) {
  if (!underInput) return trackPopupMenu(handle(), items);
  RECT box{};
  GetWindowRect(input_.handle(), &box);
  // The combo box's window is as tall as its open list: its edit's bottom.
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (GetComboBoxInfo(input_.handle(), &info)) box.bottom = box.top + info.rcItem.bottom;
  return trackPopupMenu(handle(), items, POINT{box.left, box.bottom});
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
    case WM_MEASUREITEM:
      if (wParam == kInputId) {
        input_.onMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (wParam == kInputId) {
        input_.onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
      }
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kButtonId && HIWORD(wParam) == BN_CLICKED) {
        form().ExecutionButton_Click();
        return 0;
      }
      if (LOWORD(wParam) == kInputId && input_.onNotify(HIWORD(wParam))) return 0;
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
      form().onTimer(static_cast<TimerId>(wParam));
      return 0;
    case WM_SETFOCUS:
      // Activated by a click or a show, she takes keys in her input box:
      // a key never lands on the window itself, where nothing reads it.
      input_.focusInput();
      return 0;
    case WM_CLOSE:
      form().onClose();
      return 0;
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

}  // namespace pipit::win32
