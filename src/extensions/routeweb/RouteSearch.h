#pragma once
// The transit route search: stations from the command line, and the service's
// addresses.
#include <optional>

#include "base/Text.h"

namespace pipit::ext {

// The service's top page; the search address is built on it.
extern const TextView kRouteTopPage;
extern const TextView kRouteQuestion;

struct Stations {
  Text departure;
  Text arrival;
  Text via;
  bool operator==(const Stations&) const = default;
};

// Nothing when the command line holds no more than blanks. Only ordinary
// spaces are trimmed; full-width spaces then separate like ordinary ones.
std::optional<Stations> splitStations(TextView commandLine);

Text routeSearchAddress(const Stations& stations);

}  // namespace pipit::ext
