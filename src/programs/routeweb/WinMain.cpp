// routeweb: a transit route search for the stations on the command line,
// "departure arrival [via]".
#include <windows.h>

#include "extensions/common/win32/Win32WebPorts.h"
#include "extensions/routeweb/RouteSearch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int) {
  using namespace pipit;
  try {
    ext::win32::Win32WebPorts web(u"routeweb");
    const auto stations = ext::splitStations(ext::win32::commandLineArgument(commandLine));
    std::optional<Text> address;
    if (stations) address = ext::routeSearchAddress(*stations);
    ext::openSearchOrTopPage(address, Text(ext::kRouteTopPage), Text(ext::kRouteQuestion),
                             web.ports());
  } catch (const std::exception&) {
    // Out of memory for an absurd command line: there is nothing to open.
    return 1;
  }
  return 0;
}
