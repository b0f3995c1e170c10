#pragma once
// Decoding of picture files. A decoded picture lives in memory for as long as
// someone holds it, so showing it again costs no file access.
#include <cstdint>
#include <memory>

#include "base/Failure.h"
#include "base/Text.h"

namespace pipit {

class Picture {
 public:
  virtual ~Picture() = default;
  virtual int32_t width() const = 0;
  virtual int32_t height() const = 0;
};

// Shared because the window may still show a picture while a reload replaces
// the pictures it came from. Null stands for the empty picture.
using PictureHandle = std::shared_ptr<const Picture>;

class Pictures {
 public:
  virtual ~Pictures() = default;

  // Decodes the first frame of a GIF or ICO file (or any other format the
  // platform knows). A missing file fails with 53, a folder or an unreadable
  // file with 75, data that is no picture with 481.
  virtual Outcome<PictureHandle> load(const Text& path) const = 0;
  // The picture at another size, pure red kept exact: no pixel of hers is
  // blended with the key colour (see KeyedScaling.h).
  virtual Outcome<PictureHandle> resize(const PictureHandle& picture, int32_t width,
                                        int32_t height) const = 0;

  static Failure invalidPicture() { return {481, u"ピクチャが不正です。"}; }
};

}  // namespace pipit
