#pragma once
// Pictures decoded by the Windows Imaging Component into 32-bit top-down
// DIB sections (BGRA, the first frame of the file).
#include <windows.h>

#include <wincodec.h>

#include <memory>
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
  Win32Picture(BitmapHandle bitmap, int32_t width, int32_t height)
      : bitmap_(std::move(bitmap)), width_(width), height_(height) {}
  int32_t width() const override { return width_; }
  int32_t height() const override { return height_; }
  // A 32-bit top-down DIB section; select it into a memory DC to draw.
  HBITMAP bitmap() const { return bitmap_.get(); }

 private:
  BitmapHandle bitmap_;
  int32_t width_;
  int32_t height_;
};

// Keeps COM initialised on this thread for its lifetime.
class Win32Pictures final : public Pictures {
 public:
  Win32Pictures();

  Outcome<PictureHandle> load(const Text& path) const override;
  Outcome<PictureHandle> resize(const PictureHandle& picture, int32_t width,
                                int32_t height) const override;

 private:
  struct Release {
    void operator()(IUnknown* object) const { object->Release(); }
  };
  ComApartment apartment_;  // declared first: outlives the factory
  std::unique_ptr<IWICImagingFactory, Release> factory_;
};

}  // namespace pipit::win32
