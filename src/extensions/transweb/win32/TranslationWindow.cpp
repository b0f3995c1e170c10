#include "extensions/transweb/win32/TranslationWindow.h"

#include <utility>
#include <vector>

#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/gui/ControlLayout.h"
#include "platform/win32/gui/MessageFont.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/WindowText.h"

namespace pipit::ext::win32 {
namespace {

using pipit::win32::Twips;
using pipit::win32::wide;

constexpr wchar_t kClassName[] = L"PipitTranslationWindow";
constexpr int kTextId = 101;
constexpr int kLanguagesId = 102;
constexpr int kExecuteId = 103;
constexpr int kCancelId = 104;
constexpr int kLabelId = 105;

// The layout, in twips. The list's rectangle is its closed height; it drops
// below the box this far.
constexpr int kClientWidth = 5640;
constexpr int kClientHeight = 2385;
constexpr int kSpacing = 120;
constexpr int kListDropTwips = 3600;

struct TranslationControl {
  int id;
  const wchar_t* className;
  TextView caption;
  DWORD style;
  DWORD exStyle;
  TwipsRect rect;
};

// In the order of the keyboard focus: the list first.
const TranslationControl kControls[] = {
    {kLanguagesId,
     L"COMBOBOX",
     u"",
     CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP,
     0,
     {120, 1800, 1815, 375}},
    {kExecuteId,
     L"BUTTON",
     TranslationController::kTranslateCaption,
     BS_PUSHBUTTON | WS_TABSTOP,
     0,
     {2160, 1800, 1575, 375}},
    {kCancelId,
     L"BUTTON",
     TranslationController::kCancelCaption,
     BS_PUSHBUTTON | WS_TABSTOP,
     0,
     {3960, 1800, 1575, 375}},
    {kTextId,
     L"EDIT",
     u"",
     ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
     WS_EX_CLIENTEDGE,
     {120, 480, 5415, 1095}},
    {kLabelId, L"STATIC", TranslationController::kLabel, SS_LEFT, 0, {120, 240, 5175, 255}},
};

}  // namespace

TranslationWindow::TranslationWindow(HINSTANCE instance, WebPorts& ports)
    : instance_(instance), controller_(*this, ports) {}

TranslationWindow::~TranslationWindow() { destroy(); }

bool TranslationWindow::create(int showCommand) {
  showCommand_ = showCommand;
  const Twips twips;
  const Text caption(TranslationController::kCaption);
  CreateArgs args;
  args.instance = instance_;
  args.className = kClassName;
  args.title = wide(caption);
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // A first guess at the system's scale; layoutAt makes it exact at the
  // window's own.
  RECT frame{0, 0, twips.x(kClientWidth), twips.y(kClientHeight)};
  AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
  args.x = CW_USEDEFAULT;
  args.y = CW_USEDEFAULT;
  args.width = frame.right - frame.left;
  args.height = frame.bottom - frame.top;
  if (!Window::create(args)) return false;
  createControls();
  layoutAt(pipit::win32::windowDpi(handle()));
  // An empty clipboard and one without text mean the same: nothing to put in.
  const Text clipboard = pipit::win32::Win32Clipboard(handle()).readText();
  controller_.open(clipboard.empty() ? std::nullopt : std::optional<Text>(clipboard));
  return true;
}

void TranslationWindow::createControls() {
  for (const TranslationControl& control : kControls) {
    const Text caption(control.caption);
    CreateWindowExW(control.exStyle, control.className, wide(caption),
                    WS_CHILD | WS_VISIBLE | control.style, 0, 0, 0, 0, handle(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)), instance_, nullptr);
  }
  label_ = GetDlgItem(handle(), kLabelId);
  text_ = GetDlgItem(handle(), kTextId);
  languages_ = GetDlgItem(handle(), kLanguagesId);
  execute_ = GetDlgItem(handle(), kExecuteId);
  cancel_ = GetDlgItem(handle(), kCancelId);
}

void TranslationWindow::layoutAt(pipit::win32::Dpi dpi) {
  const Twips twips(dpi);
  pipit::win32::GdiObject font = pipit::win32::messageFont(dpi);
  const int clientWidth = twips.x(kClientWidth);
  pipit::win32::setClientSize(handle(), clientWidth, twips.y(kClientHeight));
  std::vector<pipit::win32::ControlPlace> places;
  for (const TranslationControl& control : kControls) {
    const PixelRect at = toPixels(control.rect, dpi.x, dpi.y);
    const int drop = control.id == kLanguagesId ? twips.y(kListDropTwips) - at.height : 0;
    places.push_back({GetDlgItem(handle(), control.id), at, drop});
  }
  pipit::win32::placeControls(places, font, dpi, clientWidth, twips.x(kSpacing));
  font_ = std::move(font);  // no control holds the one before any more
}

Text TranslationWindow::text() const { return pipit::win32::windowText(text_); }

void TranslationWindow::setText(const Text& text) { SetWindowTextW(text_, wide(text)); }

void TranslationWindow::setLabel(const Text& label) {
  SetWindowTextW(label_, wide(label));
  // Placed again, so that the new caption fits.
  layoutAt(pipit::win32::windowDpi(handle()));
}

void TranslationWindow::setLanguages(const std::vector<Text>& entries) {
  SendMessageW(languages_, CB_RESETCONTENT, 0, 0);
  for (const Text& entry : entries) {
    SendMessageW(languages_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry)));
  }
}

int TranslationWindow::selectedLanguage() const {
  return static_cast<int>(SendMessageW(languages_, CB_GETCURSEL, 0, 0));
}

void TranslationWindow::selectLanguage(int index) {
  SendMessageW(languages_, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void TranslationWindow::show() {
  ShowWindow(handle(), showCommand_);
  SetForegroundWindow(handle());
  SetFocus(languages_);
}

void TranslationWindow::close() { destroy(); }

bool TranslationWindow::handleListKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || message.hwnd != languages_) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  // An open list takes the key first, to close itself as it always does:
  // Enter keeps the row it shows, which is then the pair translated.
  if (SendMessageW(languages_, CB_GETDROPPEDSTATE, 0, 0)) DispatchMessageW(&message);
  controller_.onListKey(message.wParam == VK_RETURN ? ListKey::Enter : ListKey::Escape);
  return true;
}

void TranslationWindow::runMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (handleListKey(message)) continue;
    if (handle() && IsDialogMessageW(handle(), &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

LRESULT TranslationWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      // The dialog keys send IDOK and IDCANCEL here; neither button is the
      // window's default or cancel button, so they do nothing.
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kExecuteId) {
        controller_.onTranslate();
        return 0;
      }
      if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == kCancelId) {
        controller_.onCancel();
        return 0;
      }
      break;
    case pipit::win32::kDpiChangedMessage:
      pipit::win32::takeSuggestedRect(handle(), lParam);
      layoutAt({LOWORD(wParam), HIWORD(wParam)});
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Window::onMessage(message, wParam, lParam);
}

}  // namespace pipit::ext::win32
