#include "extensions/transweb/win32/TranslationWindow.h"

#include "platform/win32/Win32Clipboard.h"
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
// The list drops below the box this far.
constexpr int kListDropTwips = 3600;

struct TwipsRect {
  int left, top, width, height;
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
  RECT frame{0, 0, twips.x(5640), twips.y(2385)};
  AdjustWindowRectEx(&frame, args.style, FALSE, args.exStyle);
  args.x = CW_USEDEFAULT;
  args.y = CW_USEDEFAULT;
  args.width = frame.right - frame.left;
  args.height = frame.bottom - frame.top;
  if (!Window::create(args)) return false;
  createControls();
  // An empty clipboard and one without text mean the same: nothing to put in.
  const Text clipboard = pipit::win32::Win32Clipboard(handle()).readText();
  controller_.open(clipboard.empty() ? std::nullopt : std::optional<Text>(clipboard));
  return true;
}

void TranslationWindow::createControls() {
  font_ = pipit::win32::messageFont();
  const Twips twips;
  auto control = [&](const wchar_t* className, TextView text, DWORD style, int id, TwipsRect r,
                     DWORD exStyle = 0) {
    const Text caption(text);
    HWND child = CreateWindowExW(
        exStyle, className, wide(caption), WS_CHILD | WS_VISIBLE | style, twips.x(r.left),
        twips.y(r.top), twips.x(r.width), twips.y(r.height), handle(),
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance_, nullptr);
    pipit::win32::setFont(child, font_);
    return child;
  };
  // Made in the order of the keyboard focus: the list first.
  languages_ = control(L"COMBOBOX", u"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kLanguagesId,
                       {120, 1800, 1815, kListDropTwips});
  execute_ = control(L"BUTTON", TranslationController::kTranslateCaption,
                     BS_PUSHBUTTON | WS_TABSTOP, kExecuteId, {2160, 1800, 1575, 375});
  cancel_ = control(L"BUTTON", TranslationController::kCancelCaption, BS_PUSHBUTTON | WS_TABSTOP,
                    kCancelId, {3960, 1800, 1575, 375});
  text_ =
      control(L"EDIT", u"", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
              kTextId, {120, 480, 5415, 1095}, WS_EX_CLIENTEDGE);
  label_ =
      control(L"STATIC", TranslationController::kLabel, SS_LEFT, kLabelId, {120, 240, 5175, 255});
}

Text TranslationWindow::text() const { return pipit::win32::windowText(text_); }

void TranslationWindow::setText(const Text& text) { SetWindowTextW(text_, wide(text)); }

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
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return Window::onMessage(message, wParam, lParam);
}

}  // namespace pipit::ext::win32
