#include "platform/win32/Win32Pictures.h"

#include <memory>

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

  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = static_cast<LONG>(width);
  info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down, as WIC copies rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  BitmapHandle bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || bits == nullptr) return Failure{7, u"メモリが不足しています。"};
  const UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) {
    return Pictures::invalidPicture();
  }
  return PictureHandle(std::make_shared<Win32Picture>(
      std::move(bitmap), static_cast<int32_t>(width), static_cast<int32_t>(height)));
}

}  // namespace pipit::win32
