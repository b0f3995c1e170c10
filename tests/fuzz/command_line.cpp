// The companion programs' command lines, as the launcher passes whatever
// followed the command word: the route search's stations, the dictionary's
// phrase and the clipboard program's file argument.
#include <algorithm>

#include "FuzzSupport.h"
#include "base/UrlEncode.h"
#include "extensions/clipcmd/ClipboardFile.h"
#include "extensions/dictweb/DictionarySearch.h"
#include "extensions/routeweb/RouteSearch.h"

using namespace pipit;
using namespace pipit::ext;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const Text line = fuzz::unitsOf(data, size);
  const bool blank = trimBlanks(line).empty();

  const auto stations = splitStations(line);
  PIPIT_FUZZ_CHECK(stations.has_value() != blank, line);
  if (stations) {
    for (const Text* s : {&stations->departure, &stations->arrival, &stations->via}) {
      PIPIT_FUZZ_CHECK(s->find_first_of(u" \u3000") == Text::npos, line);
    }
    (void)routeSearchAddress(*stations);
  }

  const auto address = dictionarySearchAddress(line);
  PIPIT_FUZZ_CHECK(address.has_value() != blank, line);
  if (address) {
    PIPIT_FUZZ_CHECK(address->ends_with(u"search?p=" + urlEncode(trimBlanks(line))), line);
  }

  const Text path = pathFromArgument(line);
  PIPIT_FUZZ_CHECK(
      path.size() + static_cast<std::size_t>(std::count(line.begin(), line.end(), u'"')) ==
              line.size() &&
          path.find(u'"') == Text::npos,
      line);
  return 0;
}
