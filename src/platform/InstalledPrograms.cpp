#include "platform/InstalledPrograms.h"

#include <algorithm>

namespace pipit {

void removeDuplicates(std::vector<InstalledProgram>& programs) {
  std::sort(programs.begin(), programs.end());
  programs.erase(std::unique(programs.begin(), programs.end()), programs.end());
}

bool isPackagedAppId(TextView id) {
  // "<package name>_<publisher id>!<app id>": the publisher id is 13
  // characters of lower-case base 32 without i, l, o and u.
  constexpr std::size_t kPublisherLength = 13;
  if (id.find_first_of(u"\\/:") != TextView::npos) return false;  // a path, not an id
  const std::size_t bang = id.find(u'!');
  if (bang == TextView::npos || bang + 1 == id.size()) return false;
  if (bang < kPublisherLength + 2 || id[bang - kPublisherLength - 1] != u'_') return false;
  const TextView publisher = id.substr(bang - kPublisherLength, kPublisherLength);
  return std::all_of(publisher.begin(), publisher.end(), [](char16_t c) {
    return (c >= u'0' && c <= u'9') ||
           (c >= u'a' && c <= u'z' && c != u'i' && c != u'l' && c != u'o' && c != u'u');
  });
}

}  // namespace pipit
