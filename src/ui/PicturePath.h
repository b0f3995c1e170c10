#pragma once
#include <cstdint>
#include <vector>

#include "base/Text.h"

namespace pipit {

// Where a picture named in a model, or one of the fixed "model/..." pictures,
// is found. Relative names are taken from the program's folder rather than
// the current directory: a launcher started at logon runs in another working
// directory and would find none of its pictures. Absolute names ("C:\...",
// "\\server\...", "\...") stay as written.
Text resolvePicturePath(TextView programFolder, TextView name);

// Her pictures may be drawn for several screen scales. The one drawn for
// 100 % has the name the model gives; one drawn for another scale lies
// beside it with the scale in percent before the extension:
// "model/main.gif" at 150 % is "model/main@150.gif". A model that names
// only 100 % pictures needs no others.
Text scaledPictureName(TextView name, int32_t percent);
// The scales to look for when showing at `percent`, best first: that scale,
// then the larger ones nearest first (sharper once made smaller), then the
// smaller ones nearest first.
std::vector<int32_t> pictureScaleOrder(int32_t percent);
// The screen's scale in percent for its dots per inch (96 is 100 %).
int32_t scalePercent(int32_t dpi);
// A length in pixels at 100 % at `percent`, halves rounded up. Pictures
// drawn for a scale follow the same rule.
int32_t atScale(int32_t pixels, int32_t percent);

}  // namespace pipit
