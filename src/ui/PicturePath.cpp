#include "ui/PicturePath.h"

#include <algorithm>
#include <iterator>
#include <string>

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

Text scaledPictureName(TextView name, int32_t percent) {
  if (percent == 100) return Text(name);
  const std::size_t folder = name.find_last_of(u"\\/");
  std::size_t dot = name.rfind(u'.');
  if (dot == TextView::npos || (folder != TextView::npos && dot < folder)) dot = name.size();
  Text scaled(name.substr(0, dot));
  scaled += u'@';
  for (char digit : std::to_string(percent)) scaled += static_cast<char16_t>(digit);
  scaled += name.substr(dot);
  return scaled;
}

std::vector<int32_t> pictureScaleOrder(int32_t percent) {
  static constexpr int32_t kDrawn[] = {100, 125, 150, 175, 200};
  std::vector<int32_t> order;
  for (int32_t scale : kDrawn) {
    if (scale >= percent) order.push_back(scale);
  }
  for (auto it = std::rbegin(kDrawn); it != std::rend(kDrawn); ++it) {
    if (*it < percent) order.push_back(*it);
  }
  return order;
}

int32_t scalePercent(int32_t dpi) { return dpi > 0 ? (dpi * 100 + 48) / 96 : 100; }

int32_t atScale(int32_t pixels, int32_t percent) {
  const int64_t scaled = int64_t{pixels} * percent;
  // Halves go up, negative positions too, so that a picture and the place
  // it is put at round alike.
  const int64_t rounded = scaled >= 0 ? (scaled + 50) / 100 : -((-scaled + 49) / 100);
  return static_cast<int32_t>(rounded);
}

}  // namespace pipit
