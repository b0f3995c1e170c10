#pragma once
// Pictures as 32-bit top-down DIB sections (BGRA, the first frame of the
// file): GIFs through GifDecoder, every other form through the Windows
// Imaging Component.
//
// Loading reads the file and checks that all of its data decodes to a
// picture of a sensible size, keeping none of the pixels, so a damaged model
// is found when it is read and never later; the pixels are made when the
// picture is first drawn. A model names many
// expressions and she shows one at a time: those never shown cost their
// compressed bytes only, and start-up decodes just what her first frame
// shows.
#include <windows.h>

#include <wincodec.h>

#include <functional>
#include <memory>
#include <optional>
#include <utility>

#include "platform/Pictures.h"
#include "platform/win32/ComApartment.h"
#include "platform/win32/Handles.h"

namespace pipit::win32 {

struct BitmapHandleTraits {
  static HBITMAP invalid() { return nullptr; }
  static void close(HBITMAP h) { DeleteObject(h); }
};
using BitmapHandle = UniqueHandle<HBITMAP, BitmapHandleTraits>;

class Win32Picture final : public Picture {
 public:
  // Makes the pixels, once; null when they cannot be made after all.
  using Render = std::function<BitmapHandle()>;

  Win32Picture(int32_t width, int32_t height, Render render)
      : width_(width), height_(height), render_(std::move(render)) {}
  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  // A 32-bit top-down DIB section; select it into a memory DC to draw.
  // Made at the first call after the picture was read or its pixels let go;
  // null only when no bitmap can be had (the data was checked when read),
  // which draws nothing.
  HBITMAP bitmap() const;
  // Lets the pixels go until the picture is drawn again: a model holds all
  // her expressions, and only the ones on screen need theirs.
  void releasePixels() const { bitmap_.reset(); }

 private:
  int32_t width_;
  int32_t height_;
  Render render_;
  mutable BitmapHandle bitmap_;
  mutable bool broken_ = false;  // tried once is enough
};

// The imaging component, and COM under it, are started at the first picture
// that is no GIF, and kept for the object's lifetime.
class Win32Pictures final : public Pictures {
 public:
  Outcome<PictureHandle> load(const Text& path) const override;
  Outcome<PictureHandle> resize(const PictureHandle& picture, int32_t width,
                                int32_t height) const override;

 private:
  // Null when the component cannot be had.
  std::shared_ptr<IWICImagingFactory> factory() const;

  mutable std::optional<ComApartment> apartment_;  // declared first: outlives the factory
  // Shared with the pictures that have yet to make their pixels.
  mutable std::shared_ptr<IWICImagingFactory> factory_;
};

}  // namespace pipit::win32
