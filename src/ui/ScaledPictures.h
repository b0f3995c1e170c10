#pragma once
// Her pictures for the scale of the screen she is on. The file the model
// names must be there and decode at every scale; then it is drawn from the
// set for that scale, else the nearest larger, else the nearest smaller
// (see PicturePath.h), else from itself, and made the size that scale gives
// with the key colour kept exact. The launcher's pictures all come through
// here, so a scale change is followed by loading them again.
#include <cstdint>

#include "platform/Pictures.h"
#include "ui/CharacterWindowView.h"

namespace pipit {

class ScaledPictures final : public Pictures {
 public:
  // `window` tells the scale; `decoder` reads the files.
  ScaledPictures(const Pictures& decoder, const CharacterWindowView& window)
      : decoder_(decoder), window_(window) {}

  // The scale of her window now, in percent.
  int32_t percent() const;
  // A length in pixels at 100 %, at her window's scale.
  int32_t px(int32_t pixels) const;

  // Fails as the model's own file does; a set that cannot be read only
  // stands aside.
  Outcome<PictureHandle> load(const Text& path) const override;
  Outcome<PictureHandle> resize(const PictureHandle& picture, int32_t width,
                                int32_t height) const override {
    return decoder_.resize(picture, width, height);
  }

 private:
  const Pictures& decoder_;
  const CharacterWindowView& window_;
};

}  // namespace pipit
