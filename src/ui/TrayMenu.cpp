#include "ui/TrayMenu.h"

#include "base/Product.h"
#include "core/ConfigurationManager.h"
#include "ui/CharacterPictures.h"

namespace pipit {
namespace {

enum Item : std::size_t { kShow, kHide, kExit };

}  // namespace

std::vector<MenuItem> TrayMenu::items() { return {{u"表示"}, {u"非表示"}, {u"終了"}}; }

void TrayMenu::init() {
  if (const Status added = view_.addIcon(); !added) {
    reportWindowFailure(ports_.dialogs, ports_.logger, added.failure());
    ports_.process.exitNow(1);
  }
  iconShown_ = true;
}

void TrayMenu::terminate() {
  view_.removeIcon();
  iconShown_ = false;
}

void TrayMenu::onTaskbarCreated() {
  if (iconShown_) (void)view_.addIcon();
}

void TrayMenu::onIconMessage(uint32_t mouseMessage) {
  // A box of the shutdown may be up; the icon goes with it.
  if (core_.isTerminating()) return;
  // Only the button-down messages act, so a double click shows her once.
  if (mouseMessage == kLeftButtonDown) {
    window_.doHotkeyAction();
  } else if (mouseMessage == kRightButtonDown) {
    const auto chosen = view_.popupMenu(items());
    if (!chosen) return;
    switch (*chosen) {
      case kShow:
        window_.doHotkeyAction();
        break;
      case kHide:
        window_.hideFromTray();
        break;
      case kExit:
        menuExit_Click();
        break;
      default:
        break;
    }
  }
}

void TrayMenu::menuExit_Click() {
  const MessageAnswer answer =
      ports_.dialogs.messageBox(Text(kProductName) + u"を終了します。よろしいですか？",
                                u"終了の確認", MessageButtons::OkCancel, MessageIcon::Question);
  if (answer == MessageAnswer::Ok) core_.terminate();
}

}  // namespace pipit
