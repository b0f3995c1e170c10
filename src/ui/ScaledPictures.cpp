#include "ui/ScaledPictures.h"

#include "ui/PicturePath.h"

namespace pipit {

int32_t ScaledPictures::percent() const { return scalePercent(window_.dpi()); }

int32_t ScaledPictures::px(int32_t pixels) const { return atScale(pixels, percent()); }

Outcome<PictureHandle> ScaledPictures::load(const Text& path) const {
  // The model's own file answers for the picture: missing or damaged, it
  // fails at every scale, whatever sets lie beside it.
  const int32_t shown = percent();
  auto recorded = decoder_.load(path);
  if (!recorded || shown == 100) return recorded;
  for (const int32_t drawn : pictureScaleOrder(shown)) {
    // A set is only ever a sharper drawing of a picture that is there: one
    // missing or damaged is passed over for the next, down to the 100 %
    // picture itself.
    auto loaded = drawn == 100 ? recorded : decoder_.load(scaledPictureName(path, drawn));
    if (!loaded) continue;
    const PictureHandle& picture = loaded.value();
    if (drawn == shown) return loaded;
    // Sized from the picture, so that one drawn for 100 % comes out as
    // atScale() places things: 430 at 175 % is 753 either way.
    auto size = [&](int32_t length) {
      return static_cast<int32_t>((int64_t{length} * shown * 2 + drawn) / (int64_t{drawn} * 2));
    };
    return decoder_.resize(picture, size(picture->width()), size(picture->height()));
  }
  return recorded;
}

}  // namespace pipit
