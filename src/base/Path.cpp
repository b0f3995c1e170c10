#include "base/Path.h"

namespace pipit {

Text appendPathSeparator(TextView folder) {
  Text path(folder);
  if (path.empty() || path.back() != u'\\') path.push_back(u'\\');
  return path;
}

}  // namespace pipit
