#pragma once
// A picture decoder that reads through the Files port and "decodes" GIF and
// ICO headers, enough to learn a picture's size and to reject what is none
// or holds damaged data.
#include <map>
#include <memory>
#include <set>
#include <string>

#include "platform/Files.h"
#include "platform/Pictures.h"

namespace pipit::fakes {

class FakePicture : public Picture {
 public:
  FakePicture(Text file, int32_t width, int32_t height)
      : path(std::move(file)), width_(width), height_(height) {}
  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  const Text path;

 private:
  int32_t width_;
  int32_t height_;
};

class FakePictures : public Pictures {
 public:
  explicit FakePictures(const Files& files) : files_(files) {}

  std::set<Text> folders;                   // paths that are folders
  mutable std::map<Text, int> decodeCount;  // by path

  Outcome<PictureHandle> load(const Text& path) const override {
    ++decodeCount[path];
    if (folders.count(path) != 0) return Failure::fileAccess();
    auto bytes = files_.readAll(path);
    if (!bytes) return bytes.failure();
    const std::string& b = bytes.value();
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(b[i]); };
    if (b.ends_with(kDamage)) return invalidPicture();
    if (b.size() >= 10 && b.compare(0, 4, "GIF8") == 0) {
      return PictureHandle(
          std::make_shared<FakePicture>(path, byte(6) | (byte(7) << 8), byte(8) | (byte(9) << 8)));
    }
    if (b.size() >= 22 && b.compare(0, 4, std::string("\0\0\1\0", 4)) == 0) {
      return PictureHandle(std::make_shared<FakePicture>(path, byte(6) == 0 ? 256 : byte(6),
                                                         byte(7) == 0 ? 256 : byte(7)));
    }
    return invalidPicture();
  }

  // A picture of the new size that still tells which file it came from.
  Outcome<PictureHandle> resize(const PictureHandle& picture, int32_t width,
                                int32_t height) const override {
    const auto* fake = dynamic_cast<const FakePicture*>(picture.get());
    return PictureHandle(std::make_shared<FakePicture>(fake ? fake->path : Text(), width, height));
  }

  // The bytes of a GIF header of the given size: all the fake looks at.
  static std::string gif(int width, int height) {
    std::string bytes = "GIF89a";
    for (int v : {width, height}) {
      bytes += static_cast<char>(v & 0xFF);
      bytes += static_cast<char>((v >> 8) & 0xFF);
    }
    return bytes + std::string(3, '\0');
  }
  // A header that reads, followed by image data that does not decode.
  static std::string damagedGif(int width, int height) { return gif(width, height) + kDamage; }

 private:
  static constexpr const char* kDamage = "\x02\x02\xFF\xFF";
  const Files& files_;
};

}  // namespace pipit::fakes
