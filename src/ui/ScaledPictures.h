#pragma once
// Her pictures for the scale of the screen she is on. Every picture the
// model names is looked for as drawn for that scale, else for the nearest
// larger one, else the nearest smaller (see PicturePath.h), and made the
// size that scale gives with the key colour kept exact. The launcher's
// pictures all come through here, so a scale change is followed by loading
// them again.
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

  // A picture missing at every scale fails as the 100 % one does.
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
