#include "extensions/transweb/win32/TranslationWindow.h"

#include <vector>

#include "extensions/common/win32/Win32Clipboard.h"
#include "extensions/transweb/LanguagePairs.h"

namespace pipit::ext::win32 {
namespace {

constexpr wchar_t kClassName[] = L"PipitTranslationWindow";
constexpr int kTextId = 101;
constexpr int kLanguagesId = 102;
constexpr int kExecuteId = 103;
constexpr int kCancelId = 104;
constexpr int kLabelId = 105;
// The list drops below the box this far.
constexpr int kListDropTwips = 3600;

const wchar_t* wide(const Text& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

struct TwipsRect {
  int left, top, width, height;
};

// The layout is kept in twips, 1/1440 inch, and shown at the screen's
// resolution.
class Twips {
 public:
  Twips() {
    if (HDC screen = GetDC(nullptr)) {
      dpiX_ = GetDeviceCaps(screen, LOGPIXELSX);
      dpiY_ = GetDeviceCaps(screen, LOGPIXELSY);
      ReleaseDC(nullptr, screen);
    }
  }
  int x(int twips) const { return MulDiv(twips, dpiX_, 1440); }
  int y(int twips) const { return MulDiv(twips, dpiY_, 1440); }

 private:
  int dpiX_ = 96;
  int dpiY_ = 96;
};

Text windowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  std::vector<wchar_t> buffer(static_cast<std::size_t>(length) + 1);
  const int copied = GetWindowTextW(window, buffer.data(), length + 1);
  return Text(reinterpret_cast<const char16_t*>(buffer.data()), static_cast<std::size_t>(copied));
}

}  // namespace

TranslationWindow::TranslationWindow(HINSTANCE instance, WebPorts& ports)
    : instance_(instance), ports_(ports) {}

TranslationWindow::~TranslationWindow() {
  if (window_) DestroyWindow(window_);
}

bool TranslationWindow::create(int showCommand) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &TranslationWindow::thunk;
  windowClass.hInstance = instance_;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kClassName;
  if (!RegisterClassExW(&windowClass)) return false;

  const Twips twips;
  constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, twips.x(5640), twips.y(2385)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  if (!CreateWindowExW(0, kClassName, L"翻訳の設定", style, CW_USEDEFAULT, CW_USEDEFAULT,
                       frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                       instance_, this)) {
    return false;
  }
  createControls();
  load();
  ShowWindow(window_, showCommand);
  SetForegroundWindow(window_);
  SetFocus(languages_);
  return true;
}

void TranslationWindow::createControls() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
    font_.reset(CreateFontIndirectW(&metrics.lfMessageFont));
  }
  const Twips twips;
  auto control = [&](const wchar_t* className, const wchar_t* text, DWORD style, int id,
                     TwipsRect r, DWORD exStyle = 0) {
    HWND child =
        CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, twips.x(r.left),
                        twips.y(r.top), twips.x(r.width), twips.y(r.height), window_,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    if (child && font_)
      SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return child;
  };
  // Made in the order of the keyboard focus: the list first.
  languages_ = control(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kLanguagesId,
                       {120, 1800, 1815, kListDropTwips});
  execute_ =
      control(L"BUTTON", L"翻訳", BS_PUSHBUTTON | WS_TABSTOP, kExecuteId, {2160, 1800, 1575, 375});
  cancel_ = control(L"BUTTON", L"キャンセル", BS_PUSHBUTTON | WS_TABSTOP, kCancelId,
                    {3960, 1800, 1575, 375});
  text_ =
      control(L"EDIT", L"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
              kTextId, {120, 480, 5415, 1095}, WS_EX_CLIENTEDGE);
  label_ = control(L"STATIC", L"翻訳対象文字列　※中国語など一部文字化けします", SS_LEFT, kLabelId,
                   {120, 240, 5175, 255});
}

void TranslationWindow::load() {
  // Each step on its own: a clipboard that cannot be read leaves the box
  // empty and the list is still filled.
  if (const auto clipboard = readClipboardText(window_)) {
    SetWindowTextW(text_, wide(trimBlanks(*clipboard)));
  }
  SendMessageW(languages_, CB_RESETCONTENT, 0, 0);
  for (const TextView entry : languageEntries()) {
    const Text item(entry);
    SendMessageW(languages_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(item)));
  }
  SendMessageW(languages_, CB_SETCURSEL, 0, 0);
}

void TranslationWindow::translate() {
  const int index = static_cast<int>(SendMessageW(languages_, CB_GETCURSEL, 0, 0));
  const Text address = translationAddress(windowText(text_), index);
  // Too long a text stays in the box to be shortened.
  if (!openAddress(address, ports_)) return;
  DestroyWindow(window_);
}

bool TranslationWindow::handleListKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.hwnd != languages_) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  // An open list takes the key first, to close itself as it always does:
  // Enter keeps the row it shows, which is then the pair translated.
  if (SendMessageW(languages_, CB_GETDROPPEDSTATE, 0, 0)) DispatchMessageW(&message);
  if (message.wParam == VK_RETURN) {
    translate();
  } else {
    DestroyWindow(window_);
  }
  return true;
}

void TranslationWindow::runMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (handleListKey(message)) continue;
    if (window_ && IsDialogMessageW(window_, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT CALLBACK TranslationWindow::thunk(HWND window, UINT message, WPARAM wParam,
                                          LPARAM lParam) noexcept {
  if (message == WM_NCCREATE) {
    auto* self =
        static_cast<TranslationWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<TranslationWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    return DefWindowProcW(window, message, wParam, lParam);
  }
  try {
    return self->onMessage(message, wParam, lParam);
  } catch (...) {
    // A failure inside one event must not unwind through the system.
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

LRESULT TranslationWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // The dialog keys send IDOK and IDCANCEL here; neither button is the
      // window's default or cancel button, so they do nothing.
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kExecuteId) {
        translate();
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kCancelId) {
        DestroyWindow(window_);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace pipit::ext::win32
