// PNG through the Windows Imaging Component.
#include <windows.h>
#include <wincodec.h>

#include "base/com_ptr_win.h"
#include "icons/png_codec.h"

namespace icons {

namespace {

using base::ComPtr;

ComPtr<IWICImagingFactory> imagingFactory() {
  ComPtr<IWICImagingFactory> factory;
  CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory, factory.outVoid());
  return factory;
}

// Keeps the memory behind a stream locked while its bytes are copied out.
struct UniqueGlobalLock {
  HGLOBAL memory;
  void* data;
  explicit UniqueGlobalLock(HGLOBAL m) : memory(m), data(GlobalLock(m)) {}
  UniqueGlobalLock(const UniqueGlobalLock&) = delete;
  UniqueGlobalLock& operator=(const UniqueGlobalLock&) = delete;
  ~UniqueGlobalLock() {
    if (data) GlobalUnlock(memory);
  }
};

std::optional<ArgbImage> decodeWith(IWICImagingFactory* factory, base::ByteView png) {
  if (png.size() > MAXDWORD) return std::nullopt;
  ComPtr<IWICStream> stream;
  if (FAILED(factory->CreateStream(stream.out())) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()), static_cast<DWORD>(png.size()))))
    return std::nullopt;
  ComPtr<IWICBitmapDecoder> decoder;
  if (FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.out())) ||
      FAILED(decoder->Initialize(stream.get(), WICDecodeMetadataCacheOnDemand)))
    return std::nullopt;
  ComPtr<IWICBitmapFrameDecode> frame;
  UINT width = 0, height = 0;
  if (FAILED(decoder->GetFrame(0, frame.out())) || FAILED(frame->GetSize(&width, &height)) ||
      !plausiblePngSize(width, height, png.size()))
    return std::nullopt;
  ComPtr<IWICFormatConverter> converter;
  if (FAILED(factory->CreateFormatConverter(converter.out())) ||
      FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                   WICBitmapPaletteTypeCustom)))
    return std::nullopt;
  // 32bppBGRA in memory is B, G, R, A: a little-endian 0xAARRGGBB.
  ArgbImage out{static_cast<int>(width), static_cast<int>(height),
                std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
  UINT stride = width * 4;
  if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, reinterpret_cast<BYTE*>(out.argb.data()))))
    return std::nullopt;
  return out;
}

base::Bytes encodeWith(IWICImagingFactory* factory, const ArgbImage& image) {
  ComPtr<IStream> stream;
  if (FAILED(CreateStreamOnHGlobal(nullptr, TRUE, stream.out()))) return {};
  ComPtr<IWICBitmapEncoder> encoder;
  if (FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.out())) ||
      FAILED(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache)))
    return {};
  ComPtr<IWICBitmapFrameEncode> frame;
  ComPtr<IPropertyBag2> options;
  if (FAILED(encoder->CreateNewFrame(frame.out(), options.out())) || FAILED(frame->Initialize(options.get())) ||
      FAILED(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height))))
    return {};
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(frame->SetPixelFormat(&format)) || !IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) return {};
  UINT stride = static_cast<UINT>(image.width) * 4;
  auto* pixels = reinterpret_cast<BYTE*>(const_cast<std::uint32_t*>(image.argb.data()));
  if (FAILED(frame->WritePixels(static_cast<UINT>(image.height), stride, stride * image.height, pixels)) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit()))
    return {};

  HGLOBAL memory = nullptr;
  STATSTG stat{};
  if (FAILED(GetHGlobalFromStream(stream.get(), &memory)) || FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
  UniqueGlobalLock lock(memory);
  if (!lock.data || stat.cbSize.QuadPart > GlobalSize(memory)) return {};
  const auto* begin = static_cast<const std::uint8_t*>(lock.data);
  return base::Bytes(begin, begin + stat.cbSize.QuadPart);
}

}  // namespace

std::optional<ArgbImage> decodePng(base::ByteView png) {
  base::ComScope com;
  if (!com.usable()) return std::nullopt;
  ComPtr<IWICImagingFactory> factory = imagingFactory();
  return factory ? decodeWith(factory.get(), png) : std::nullopt;
}

base::Bytes encodePng(const ArgbImage& image) {
  if (image.width <= 0 || image.height <= 0 || image.width > kMaxImageSide || image.height > kMaxImageSide ||
      image.argb.size() != static_cast<std::size_t>(image.width) * image.height)
    return {};
  base::ComScope com;
  if (!com.usable()) return {};
  ComPtr<IWICImagingFactory> factory = imagingFactory();
  return factory ? encodeWith(factory.get(), image) : base::Bytes{};
}

}  // namespace icons
