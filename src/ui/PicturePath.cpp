#include "ui/PicturePath.h"

#include <algorithm>

#include "base/Path.h"

namespace pipit {
namespace {

bool isAbsolute(TextView name) {
  if (!name.empty() && (name[0] == u'\\' || name[0] == u'/')) return true;
  const bool letter = name.size() >= 2 && ((name[0] >= u'A' && name[0] <= u'Z') ||
                                           (name[0] >= u'a' && name[0] <= u'z'));
  return letter && name[1] == u':';
}

}  // namespace

Text resolvePicturePath(TextView programFolder, TextView name) {
  if (isAbsolute(name)) return Text(name);
  Text relative(name);
  // The shipped models write "model/main.gif"; one separator keeps the
  // path readable in logs and messages.
  std::replace(relative.begin(), relative.end(), u'/', u'\\');
  return appendPathSeparator(programFolder) + relative;
}

}  // namespace pipit
