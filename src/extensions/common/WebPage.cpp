#include "extensions/common/WebPage.h"

namespace pipit::ext {

void openAddress(const Text& address, WebPorts& ports) {
  if (ports.wantsNewWindow() && ports.browser.openNewWindow(address)) return;
  // What the shell answers changes nothing: there is no one left to tell.
  ports.shell.open(address, u"", u"");
}

bool openSearchOrTopPage(const std::optional<Text>& searchAddress, const Text& topPage,
                         const Text& question, WebPorts& ports) {
  if (!searchAddress) {
    // An empty title shows the program's own name.
    const MessageAnswer answer =
        ports.dialogs.messageBox(question, u"", MessageButtons::OkCancel, MessageIcon::Question);
    if (answer != MessageAnswer::Ok) return false;
  }
  openAddress(searchAddress.value_or(topPage), ports);
  return true;
}

}  // namespace pipit::ext
