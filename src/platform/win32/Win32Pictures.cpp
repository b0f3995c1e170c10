#include "platform/win32/Win32Pictures.h"

#include <memory>

#include "platform/KeyedScaling.h"
#include "platform/win32/ComPtr.h"

namespace pipit::win32 {
namespace {

// A file's absence or its being a folder is told apart before decoding,
// because the decoder reports both as one undifferentiated failure.
Status checkFile(const Text& path) {
  const DWORD attributes = GetFileAttributesW(wide(path));
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    switch (GetLastError()) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
      case ERROR_INVALID_NAME:
      case ERROR_BAD_NETPATH:
        return Failure::fileNotFound();
      default:
        return Failure::fileAccess();
    }
  }
  if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return Failure::fileAccess();
  return Status::success();
}

// A 32-bit top-down DIB section of the size, and where its pixels are.
struct Canvas {
  BitmapHandle bitmap;
  void* bits = nullptr;
};

Canvas newCanvas(UINT width, UINT height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC copies rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  Canvas canvas;
  canvas.bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &canvas.bits, nullptr, 0));
  if (!canvas.bitmap) canvas.bits = nullptr;
  return canvas;
}

Failure outOfMemory() { return {7, u"メモリが不足しています。"}; }

}  // namespace

Win32Pictures::Win32Pictures() {
  IWICImagingFactory* factory = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
    factory_.reset(factory);
  }
}

Outcome<PictureHandle> Win32Pictures::load(const Text& path) const {
  if (Status file = checkFile(path); !file) return file.failure();
  // Without the imaging component no picture can be read at all.
  if (!factory_) return Failure::fileAccess();

  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory_->CreateDecoderFromFilename(wide(path), nullptr, GENERIC_READ,
                                                 WICDecodeMetadataCacheOnLoad, decoder.put()))) {
    return Pictures::invalidPicture();
  }
  ComPtr<IWICBitmapFrameDecode> frame;
  if (FAILED(decoder->GetFrame(0, frame.put()))) return Pictures::invalidPicture();
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory_->CreateFormatConverter(converter.put())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom))) {
    return Pictures::invalidPicture();
  }
  UINT width = 0;
  UINT height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 || width > 32767 ||
      height > 32767) {
    return Pictures::invalidPicture();
  }

  Canvas canvas = newCanvas(width, height);
  if (!canvas.bits) return outOfMemory();
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height,
                                   static_cast<BYTE*>(canvas.bits)))) {
    return Pictures::invalidPicture();
  }
  return PictureHandle(std::make_shared<Win32Picture>(
      std::move(canvas.bitmap), static_cast<int32_t>(width), static_cast<int32_t>(height)));
}

Outcome<PictureHandle> Win32Pictures::resize(const PictureHandle& picture, int32_t width,
                                             int32_t height) const {
  const auto* source = dynamic_cast<const Win32Picture*>(picture.get());
  DIBSECTION dib{};
  if (!source || GetObjectW(source->bitmap(), sizeof dib, &dib) != sizeof dib || !dib.dsBm.bmBits ||
      dib.dsBm.bmBitsPixel != 32) {
    return Pictures::invalidPicture();
  }
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767) {
    return Pictures::invalidPicture();
  }
  Canvas canvas = newCanvas(static_cast<UINT>(width), static_cast<UINT>(height));
  if (!canvas.bits) return outOfMemory();
  scaleKeyed({static_cast<const Pixel*>(dib.dsBm.bmBits), source->width(), source->height()},
             {static_cast<Pixel*>(canvas.bits), static_cast<std::size_t>(width) * height}, width,
             height, kKeyPixel);
  return PictureHandle(std::make_shared<Win32Picture>(std::move(canvas.bitmap), width, height));
}

}  // namespace pipit::win32
