#include "ui/ScaledPictures.h"

#include <optional>

#include "ui/PicturePath.h"

namespace pipit {

int32_t ScaledPictures::percent() const { return scalePercent(window_.dpi()); }

int32_t ScaledPictures::px(int32_t pixels) const { return atScale(pixels, percent()); }

Outcome<PictureHandle> ScaledPictures::load(const Text& path) const {
  const int32_t shown = percent();
  std::optional<Failure> asDrawn;  // of the 100 % picture
  for (const int32_t drawn : pictureScaleOrder(shown)) {
    auto loaded = decoder_.load(scaledPictureName(path, drawn));
    if (!loaded) {
      // Only absence sends the search on: a picture that is there but
      // broken is reported, so that the model's author learns of it.
      if (loaded.failure().number != Failure::fileNotFound().number) return loaded;
      if (drawn == 100) asDrawn = loaded.failure();
      continue;
    }
    const PictureHandle& picture = loaded.value();
    if (drawn == shown) return loaded;
    // Sized from the picture, so that one drawn for 100 % comes out as
    // atScale() places things: 430 at 175 % is 753 either way.
    auto size = [&](int32_t length) {
      return static_cast<int32_t>((int64_t{length} * shown * 2 + drawn) / (drawn * 2));
    };
    return decoder_.resize(picture, size(picture->width()), size(picture->height()));
  }
  return asDrawn ? *asDrawn : Failure::fileNotFound();
}

}  // namespace pipit
