#include "extensions/common/WebPage.h"

#include "platform/ShellRoutes.h"

namespace pipit::ext {

bool openAddress(const Text& address, WebPorts& ports) {
  if (address.size() <= kLongestBrowserAddress && ports.wantsNewWindow() &&
      ports.browser.openNewWindow(address)) {
    return true;
  }
  // The shell's number changes nothing: there is no one left to tell.
  if (openWebAddress(ports.shell, address)) return true;
  ports.dialogs.messageBox(Text(kAddressTooLong), u"", MessageButtons::Ok,
                           MessageIcon::Exclamation);
  return false;
}

bool openSearchOrTopPage(const std::optional<Text>& searchAddress, const Text& topPage,
                         const Text& question, WebPorts& ports) {
  if (!searchAddress) {
    // An empty title shows the program's own name.
    const MessageAnswer answer =
        ports.dialogs.messageBox(question, u"", MessageButtons::OkCancel, MessageIcon::Question);
    if (answer != MessageAnswer::Ok) return false;
  }
  return openAddress(searchAddress.value_or(topPage), ports);
}

}  // namespace pipit::ext
