#include "settings/win32/ConfigForm.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

#include "platform/win32/gui/ControlLayout.h"
#include "platform/win32/gui/DeviceContexts.h"
#include "platform/win32/gui/MessageFont.h"
#include "platform/win32/gui/Twips.h"
#include "platform/win32/gui/WindowText.h"

namespace pipit::win32 {
namespace {

using namespace configform;

constexpr TextView kLabel = u"ConfigForm.prepare()";
// A drop-down list's rectangle is its closed height; the window also needs
// room for the opened list.
constexpr int kDroppedRows = 12;

int checkId(FormCheck box) {
  switch (box) {
    case FormCheck::HideWindow:
      return kHideWindowCheck;
    case FormCheck::DebugMode:
      return kDebugModeCheck;
    case FormCheck::AutoExec:
      return kAutoExecCheck;
    case FormCheck::NewIE:
      return kNewIECheck;
  }
  return 0;
}

int choiceId(FormChoice list) {
  switch (list) {
    case FormChoice::Style:
      return kStyleCombo;
    case FormChoice::HotkeyMod:
      return kHotkeyModCombo;
    case FormChoice::HotkeyValue:
      return kHotkeyValueCombo;
  }
  return 0;
}

int fieldId(FormField field) {
  switch (field) {
    case FormField::Command:
      return kCommandText;
    case FormField::Path:
      return kPathText;
    case FormField::Directory:
      return kDirectoryText;
  }
  return 0;
}

struct ControlClass {
  const wchar_t* name;
  DWORD style;
  DWORD exStyle;
};

// WS_GROUP on every focusable control: the arrow keys then stay inside
// lists, boxes and drop-downs instead of hopping between buttons.
ControlClass classOf(ControlKind kind) {
  constexpr DWORD kFocusable = WS_TABSTOP | WS_GROUP;
  switch (kind) {
    case ControlKind::Frame:
      return {L"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::List:
      return {L"LISTBOX",
              kFocusable | WS_VSCROLL | LBS_NOTIFY | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT,
              WS_EX_CLIENTEDGE};
    case ControlKind::Button:
      return {L"BUTTON", kFocusable | BS_PUSHBUTTON, 0};
    case ControlKind::Label:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Edit:
      return {L"EDIT", kFocusable | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::DropDown:
      return {L"COMBOBOX", kFocusable | WS_VSCROLL | CBS_DROPDOWNLIST, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", kFocusable | BS_AUTOCHECKBOX, 0};
  }
  return {L"STATIC", 0, 0};
}

// The twips layout leaves room for text of this size and no more.
constexpr int kFontPoints = 9;

PixelRect clientAt(Dpi dpi) {
  return toPixels({0, 0, ConfigFormLayout::kClientWidth, ConfigFormLayout::kClientHeight}, dpi.x,
                  dpi.y);
}

}  // namespace

ConfigForm::ConfigForm(HINSTANCE instance, SettingsCore& core, const SettingsPorts& ports,
                       Logger& logger, std::function<HICON()> icon)
    : instance_(instance),
      logger_(logger),
      controller_(*this, core, ports, logger),
      icon_(std::move(icon)) {}

ConfigForm::~ConfigForm() { destroy(); }

void ConfigForm::init(const Text& path, const Text& command) { controller_.init(path, command); }

bool ConfigForm::prepare() {
  if (handle()) return true;
  if (const Status created = createWindow(); !created) {
    logger_.writeLog(kLabel, created.failure().toText());
    destroy();
    return false;
  }
  return true;
}

Status ConfigForm::createWindow() {
  CreateArgs args;
  args.instance = instance_;
  args.className = kClassName;
  const Text title(ConfigFormLayout::kCaption);
  args.title = wide(title);
  // No WS_CLIPCHILDREN: the frames do not paint their insides, the window's
  // background under them has to.
  args.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  args.exStyle = WS_EX_CONTROLPARENT;
  args.background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  // A first guess at the size, at the system's scale: layoutAt makes it
  // exact at the window's own.
  const PixelRect client = clientAt(screenDpi());
  RECT guess{0, 0, client.width, client.height};
  AdjustWindowRectEx(&guess, args.style, FALSE, args.exStyle);
  args.width = guess.right - guess.left;
  args.height = guess.bottom - guess.top;
  if (Status created = create(args); !created) return created;

  createControls();
  layoutAt(windowDpi(handle()));
  RECT frame{};
  GetWindowRect(handle(), &frame);
  const LONG width = frame.right - frame.left;
  const LONG height = frame.bottom - frame.top;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(handle(), nullptr, work.left + std::max(0L, (work.right - work.left - width) / 2),
               work.top + std::max(0L, (work.bottom - work.top - height) / 2), 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return Status::success();
}

// Created in keyboard order: the dialog manager walks the children in the
// order they were made. The children go with the window; layoutAt places
// them.
void ConfigForm::createControls() {
  for (const FormControl& c : ConfigFormLayout::controls()) {
    const ControlClass kind = classOf(c.kind);
    const DWORD style = WS_CHILD | (c.hidden ? 0 : WS_VISIBLE) | kind.style;
    const Text caption(c.caption);
    CreateWindowExW(kind.exStyle, kind.name, wide(caption), style, 0, 0, 0, 0, handle(),
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), instance_, nullptr);
  }
}

void ConfigForm::layoutAt(Dpi dpi) {
  dpi_ = dpi;
  GdiObject font = messageFont(kFontPoints, dpi.y);
  const PixelRect client = clientAt(dpi);
  setClientSize(handle(), client.width, client.height);
  std::vector<ControlPlace> places;
  for (const FormControl& c : ConfigFormLayout::controls()) {
    const PixelRect at = toPixels(ConfigFormLayout::inWindow(c), dpi.x, dpi.y);
    places.push_back(
        {control(c.id), at, c.kind == ControlKind::DropDown ? kDroppedRows * at.height : 0});
  }
  placeControls(places, font, dpi, client.width, Twips(dpi).x(ConfigFormLayout::kSpacing));
  font_ = std::move(font);  // no control holds the one before any more
  setListTabStops();
}

// Command, path and directory line up as columns: the path at a quarter of
// the list's width, the directory at two thirds. Tab stops count in quarters
// of the font's average character width.
void ConfigForm::setListTabStops() {
  HWND list = control(kCommandList);
  if (!list) return;
  RECT area{};
  GetClientRect(list, &area);
  TEXTMETRICW metrics{};
  {
    const WindowDC dc(list, font_.get());
    if (!dc.get() || !GetTextMetricsW(dc.get(), &metrics) || metrics.tmAveCharWidth <= 0) return;
  }
  const int quarters = area.right * 4 / metrics.tmAveCharWidth;
  std::array<int, 2> stops{quarters / 4, quarters * 2 / 3};
  SendMessageW(list, LB_SETTABSTOPS, stops.size(), reinterpret_cast<LPARAM>(stops.data()));
  InvalidateRect(list, nullptr, TRUE);
}

// Her icon, as the tray shows it; before her model is read, the program's
// own or the system's.
void ConfigForm::showIcon() {
  const HICON hers = icon_ ? icon_() : nullptr;
  IconHandle copy(hers ? CopyIcon(hers) : nullptr);
  HICON icon = copy.get();
  if (!icon) icon = LoadIconW(instance_, MAKEINTRESOURCEW(1));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  SendMessageW(handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  SendMessageW(handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  shownIcon_ = std::move(copy);  // the window has let go of the one before
}

void ConfigForm::show() {
  // The scale may have changed while the dialog was hidden.
  if (const Dpi now = windowDpi(handle()); now.x != dpi_.x || now.y != dpi_.y) layoutAt(now);
  showIcon();
  ShowWindow(handle(), IsIconic(handle()) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(handle());
}

void ConfigForm::hide() { ShowWindow(handle(), SW_HIDE); }

bool ConfigForm::isChecked(FormCheck box) const {
  return IsDlgButtonChecked(handle(), checkId(box)) == BST_CHECKED;
}

void ConfigForm::setChecked(FormCheck box, bool checked) {
  CheckDlgButton(handle(), checkId(box), checked ? BST_CHECKED : BST_UNCHECKED);
}

void ConfigForm::setChoices(FormChoice list, const std::vector<Text>& entries) {
  HWND combo = control(choiceId(list));
  SendMessageW(combo, CB_RESETCONTENT, 0, 0);
  for (const Text& entry : entries) {
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(entry)));
  }
}

int ConfigForm::selectedChoice(FormChoice list) const {
  const LRESULT index = SendMessageW(control(choiceId(list)), CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ConfigForm::selectChoice(FormChoice list, int index) {
  SendMessageW(control(choiceId(list)), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

Text ConfigForm::fieldText(FormField field) const { return windowText(control(fieldId(field))); }

void ConfigForm::setFieldText(FormField field, const Text& text) {
  SetWindowTextW(control(fieldId(field)), wide(text));
}

void ConfigForm::setRows(const std::vector<Text>& rows) {
  HWND list = control(kCommandList);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  for (const Text& row : rows) appendRow(row);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

void ConfigForm::appendRow(const Text& row) {
  SendMessageW(control(kCommandList), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(row)));
}

void ConfigForm::replaceRow(int index, const Text& row) {
  HWND list = control(kCommandList);
  SendMessageW(list, LB_DELETESTRING, static_cast<WPARAM>(index), 0);
  SendMessageW(list, LB_INSERTSTRING, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(wide(row)));
}

void ConfigForm::removeRow(int index) {
  SendMessageW(control(kCommandList), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
}

void ConfigForm::selectRow(int index) {
  SendMessageW(control(kCommandList), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

void ConfigForm::focus(FormFocus target) {
  HWND to = control(target == FormFocus::CommandText ? kCommandText : kCommandList);
  lastFocus_ = to;
  SetFocus(to);
  // A command word offered with the path is a suggestion: typing replaces it.
  if (target == FormFocus::CommandText) SendMessageW(to, EM_SETSEL, 0, -1);
}

LRESULT ConfigForm::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      onCommand(LOWORD(wParam), HIWORD(wParam));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(handle(), focused)) lastFocus_ = focused;
      } else if (lastFocus_ && IsChild(handle(), lastFocus_)) {
        SetFocus(lastFocus_);
        return 0;
      }
      break;
    case WM_GETMINMAXINFO: {
      // The whole layout even on a screen smaller than it at this scale: the
      // window cannot be resized, but it can be moved to show the rest.
      const LRESULT result = Window::onMessage(message, wParam, lParam);
      const PixelRect client = clientAt(dpi_);
      const SIZE frame = frameSize(handle(), client.width, client.height);
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMaxTrackSize.x = std::max(limits->ptMaxTrackSize.x, frame.cx);
      limits->ptMaxTrackSize.y = std::max(limits->ptMaxTrackSize.y, frame.cy);
      return result;
    }
    case kDpiChangedMessage:
      takeSuggestedRect(handle(), lParam);
      layoutAt({LOWORD(wParam), HIWORD(wParam)});
      return 0;
    case WM_CLOSE:
      // The close box discards the edits with the window; the next opening
      // makes a new one.
      lastFocus_ = nullptr;
      destroy();
      return 0;
    default:
      break;
  }
  return Window::onMessage(message, wParam, lParam);
}

void ConfigForm::onCommand(int id, int code) {
  CommandTableEditor& editor = controller_.editor();
  if (id == kCommandList) {
    if (code == LBN_SELCHANGE) {
      const LRESULT index = SendMessageW(control(kCommandList), LB_GETCURSEL, 0, 0);
      editor.onListClick(index == LB_ERR ? -1 : static_cast<int>(index));
    }
    return;
  }
  if (code != BN_CLICKED) return;
  switch (id) {
    case kNewButton:
      editor.onNew();
      break;
    case kUpdateButton:
      editor.onUpdate();
      break;
    case kDeleteButton:
      editor.onDelete();
      break;
    case kSeparatorButton:
      editor.onSeparator();
      break;
    case kUpButton:
      editor.onUp();
      break;
    case kDownButton:
      editor.onDown();
      break;
    case kRefPathButton:
      editor.onRefPath();
      break;
    case kPasteButton:
      editor.onPaste();
      break;
    case kCommitButton:
      controller_.onCommit();
      break;
    case kCancelButton:
      controller_.onCancel();
      break;
    default:
      break;  // check boxes keep their own state; Enter and Escape do nothing
  }
}

}  // namespace pipit::win32
