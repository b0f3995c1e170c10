#include "platform/win32/Win32Pictures.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/GifDecoder.h"
#include "platform/KeyedScaling.h"
#include "platform/win32/ComPtr.h"
#include "platform/win32/Win32Files.h"

namespace pipit::win32 {
namespace {

// Larger files are no picture of hers; the limit keeps a mistaken name
// (a disk image, say) from being read whole.
constexpr unsigned long long kLargestPicture = 64ull * 1024 * 1024;

// The file's bytes. Its absence, a folder and an unreadable file are told
// apart here, because the decoder reports them all as one failure.
Outcome<std::string> readPicture(const Text& path) {
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
  DWORD error = 0;
  const FileHandle file = openForReading(path, error);
  if (!file) return Failure::fileAccess();
  std::optional<std::string> bytes = readRest(file.get(), kLargestPicture, error);
  if (!bytes) return Failure::fileAccess();
  return std::move(*bytes);
}

// The first frame of a picture file held in memory, as 32-bit BGRA.
struct Frame {
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  UINT width = 0;
  UINT height = 0;
};

// The decoder reads `bytes` in place: they must outlive the frame.
std::unique_ptr<Frame> openFrame(IWICImagingFactory& factory, const std::string& bytes) {
  auto f = std::make_unique<Frame>();
  const bool opened =
      SUCCEEDED(factory.CreateStream(f->stream.put())) &&
      SUCCEEDED(
          f->stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(bytes.data())),
                                          static_cast<DWORD>(bytes.size()))) &&
      SUCCEEDED(factory.CreateDecoderFromStream(
          f->stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, f->decoder.put())) &&
      SUCCEEDED(f->decoder->GetFrame(0, f->frame.put())) &&
      SUCCEEDED(factory.CreateFormatConverter(f->converter.put())) &&
      SUCCEEDED(f->converter->Initialize(f->frame.get(), GUID_WICPixelFormat32bppBGRA,
                                         WICBitmapDitherTypeNone, nullptr, 0.0,
                                         WICBitmapPaletteTypeCustom)) &&
      SUCCEEDED(f->converter->GetSize(&f->width, &f->height));
  if (!opened || f->width == 0 || f->height == 0 || f->width > 32767 || f->height > 32767) {
    return nullptr;
  }
  return f;
}

// Whether the frame's pixels can all be made, read a row at a time into one
// row's room, so that a damaged file is found when it is read and none of
// its pixels are kept.
bool framePixelsRead(const Frame& f) {
  std::vector<BYTE> row(std::size_t{f.width} * 4);
  for (UINT y = 0; y < f.height; ++y) {
    const WICRect rect{0, static_cast<INT>(y), static_cast<INT>(f.width), 1};
    if (FAILED(f.converter->CopyPixels(&rect, f.width * 4, static_cast<UINT>(row.size()),
                                       row.data()))) {
      return false;
    }
  }
  return true;
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

BitmapHandle decode(IWICImagingFactory& factory, const std::string& bytes) {
  const std::unique_ptr<Frame> f = openFrame(factory, bytes);
  if (!f) return {};
  Canvas canvas = newCanvas(f->width, f->height);
  const UINT stride = f->width * 4;
  if (!canvas.bits || FAILED(f->converter->CopyPixels(nullptr, stride, stride * f->height,
                                                      static_cast<BYTE*>(canvas.bits)))) {
    return {};
  }
  return std::move(canvas.bitmap);
}

BitmapHandle decodeGifBitmap(const std::string& bytes, GifSize size) {
  Canvas canvas = newCanvas(static_cast<UINT>(size.width), static_cast<UINT>(size.height));
  if (!canvas.bits) return {};
  const std::span<Pixel> pixels(static_cast<Pixel*>(canvas.bits),
                                static_cast<std::size_t>(size.width) * size.height);
  if (!decodeGif(bytes, pixels, kKeyPixel)) return {};
  return std::move(canvas.bitmap);
}

}  // namespace

HBITMAP Win32Picture::bitmap() const {
  if (!bitmap_ && !broken_ && render_) {
    bitmap_ = render_();
    broken_ = !bitmap_;
  }
  return bitmap_.get();
}

std::shared_ptr<IWICImagingFactory> Win32Pictures::factory() const {
  if (apartment_) return factory_;  // asked before, had or not
  apartment_.emplace();
  IWICImagingFactory* factory = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_IWICImagingFactory, reinterpret_cast<void**>(&factory)))) {
    factory_.reset(factory, [](IWICImagingFactory* f) { f->Release(); });
  }
  return factory_;
}

Outcome<PictureHandle> Win32Pictures::load(const Text& path) const {
  auto bytes = readPicture(path);
  if (!bytes) return bytes.failure();
  auto held = std::make_shared<const std::string>(std::move(bytes.value()));
  // GIF, the form of every picture she ships with, is read here: the imaging
  // component is started only for other forms. What a GIF leaves transparent
  // shows the desktop, as her key colour does. Its size is read only from
  // data that decodes.
  if (held->starts_with("GIF8")) {
    const std::optional<GifSize> size = readGifSize(*held);
    if (!size) return Pictures::invalidPicture();
    return PictureHandle(std::make_shared<Win32Picture>(
        size->width, size->height, [held, size = *size] { return decodeGifBitmap(*held, size); }));
  }
  // Without the imaging component no other picture can be read at all.
  const std::shared_ptr<IWICImagingFactory> imaging = factory();
  if (!imaging) return Failure::fileAccess();
  const std::unique_ptr<Frame> frame = openFrame(*imaging, *held);
  if (!frame || !framePixelsRead(*frame)) return Pictures::invalidPicture();
  return PictureHandle(std::make_shared<Win32Picture>(
      static_cast<int32_t>(frame->width), static_cast<int32_t>(frame->height),
      [imaging, held] { return decode(*imaging, *held); }));
}

Outcome<PictureHandle> Win32Pictures::resize(const PictureHandle& picture, int32_t width,
                                             int32_t height) const {
  if (!dynamic_cast<const Win32Picture*>(picture.get())) return Pictures::invalidPicture();
  if (width <= 0 || height <= 0 || width > 32767 || height > 32767) {
    return Pictures::invalidPicture();
  }
  return PictureHandle(std::make_shared<Win32Picture>(width, height, [picture, width, height] {
    const auto& source = static_cast<const Win32Picture&>(*picture);
    DIBSECTION dib{};
    if (!source.bitmap() || GetObjectW(source.bitmap(), sizeof dib, &dib) != sizeof dib ||
        !dib.dsBm.bmBits || dib.dsBm.bmBitsPixel != 32) {
      return BitmapHandle();
    }
    Canvas canvas = newCanvas(static_cast<UINT>(width), static_cast<UINT>(height));
    if (!canvas.bits) return BitmapHandle();
    scaleKeyed({static_cast<const Pixel*>(dib.dsBm.bmBits), source.width(), source.height()},
               {static_cast<Pixel*>(canvas.bits), static_cast<std::size_t>(width) * height}, width,
               height, kKeyPixel);
    // Only the resized pixels are shown: the source's are not kept twice.
    source.releasePixels();
    return std::move(canvas.bitmap);
  }));
}

}  // namespace pipit::win32
