#include "icons/image_info.h"

#include <climits>

#include "icons/png_header.h"

namespace icons {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;

std::optional<ImageInfo> pngInfo(base::ByteView image) {
  auto header = readPngHeader(image);
  if (!header || header->width == 0 || header->height == 0 || header->width > INT_MAX || header->height > INT_MAX)
    return std::nullopt;
  return ImageInfo{static_cast<int>(header->width), static_cast<int>(header->height), header->bitsPerPixel(), true};
}

}  // namespace

std::optional<ImageInfo> readImageInfo(base::ByteView image) {
  if (hasPngSignature(image)) return pngInfo(image);
  base::ByteReader r(image);
  std::uint32_t headerSize = r.u32(0);
  ImageInfo info;
  if (headerSize == kCoreHeaderSize) {
    // BITMAPCOREHEADER: 16-bit width and height, planes, bit count.
    info.width = r.u16(4);
    info.height = r.u16(6) / 2;
    info.bitsPerPixel = r.u16(10);
  } else if (headerSize >= kInfoHeaderSize) {
    // BITMAPINFOHEADER and its longer successors: the height covers colour and mask.
    info.width = r.i32(4);
    info.height = r.i32(8) / 2;
    info.bitsPerPixel = r.u16(14);
  } else {
    return std::nullopt;
  }
  if (!r.ok() || info.width <= 0 || info.height <= 0) return std::nullopt;
  return info;
}

}  // namespace icons
