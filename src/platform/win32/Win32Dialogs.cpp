#include "platform/win32/Win32Dialogs.h"

#include <windows.h>

#include "platform/win32/Handles.h"

namespace pipit::win32 {

MessageAnswer Win32Dialogs::messageBox(const Text& prompt, const Text& title,
                                       MessageButtons buttons, MessageIcon icon) {
  UINT style = MB_SETFOREGROUND;
  switch (buttons) {
    case MessageButtons::Ok:
      style |= MB_OK;
      break;
    case MessageButtons::OkCancel:
      style |= MB_OKCANCEL;
      break;
    case MessageButtons::YesNo:
      style |= MB_YESNO;
      break;
    case MessageButtons::YesNoCancel:
      style |= MB_YESNOCANCEL;
      break;
    case MessageButtons::YesNoDefaultNo:
      style |= MB_YESNO | MB_DEFBUTTON2;
      break;
  }
  switch (icon) {
    case MessageIcon::None:
      break;
    case MessageIcon::Critical:
      style |= MB_ICONSTOP;
      break;
    case MessageIcon::Question:
      style |= MB_ICONQUESTION;
      break;
    case MessageIcon::Exclamation:
      style |= MB_ICONEXCLAMATION;
      break;
    case MessageIcon::Information:
      style |= MB_ICONINFORMATION;
      break;
  }
  const Text& shownTitle = title.empty() ? programTitle_ : title;
  switch (MessageBoxW(nullptr, wide(prompt), wide(shownTitle), style)) {
    case IDCANCEL:
      return MessageAnswer::Cancel;
    case IDYES:
      return MessageAnswer::Yes;
    case IDNO:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace pipit::win32
