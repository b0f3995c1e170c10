#pragma once
// How the web companion programs open their page, and the road shared by the
// two that take their words from the command line.
#include <functional>
#include <optional>

#include "base/Text.h"
#include "platform/Browser.h"
#include "platform/Dialogs.h"
#include "platform/Shell.h"

namespace pipit::ext {

struct WebPorts {
  Dialogs& dialogs;
  Browser& browser;
  Shell& shell;
  // Asked only when a page is about to open.
  std::function<bool()> wantsNewWindow;
};

// Shown for an address longer than any road to the browser takes (see
// platform/ShellRoutes.h).
inline constexpr TextView kAddressTooLong =
    u"文字列が長すぎるため、ページを開けませんでした。短くしてやり直してください。";

// A new browser window when the user wants one, the desktop's own browser
// otherwise, or when no automation object can show the page whole. False
// when the address was too long to open.
bool openAddress(const Text& address, WebPorts& ports);

// Opens `searchAddress`; without one, asks `question` and opens `topPage` on
// OK. Returns whether anything was opened.
bool openSearchOrTopPage(const std::optional<Text>& searchAddress, const Text& topPage,
                         const Text& question, WebPorts& ports);

}  // namespace pipit::ext
