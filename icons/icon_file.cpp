#include "icons/icon_file.h"

#include <cstring>
#include <limits>

#include "icons/png_header.h"

namespace icons {

namespace {

constexpr std::uint64_t kHeaderSize = 6;
constexpr std::uint64_t kEntrySize = 16;
constexpr std::uint32_t kInfoHeaderSize = 40;  // BITMAPINFOHEADER
constexpr std::uint32_t kCoreHeaderSize = 12;  // BITMAPCOREHEADER
constexpr std::size_t kSizeImageField = 20;

enum class ImageKind { InfoHeader, CoreHeader, Png, Short };

ImageKind kindOf(base::ByteView image) {
  if (hasPngSignature(image)) return ImageKind::Png;
  base::ByteReader r(image);
  if (r.u32(0) == kCoreHeaderSize && r.ok() && image.size() >= kCoreHeaderSize) return ImageKind::CoreHeader;
  if (image.size() < kInfoHeaderSize) return ImageKind::Short;
  return ImageKind::InfoHeader;
}

std::uint8_t colourCount(std::uint32_t planes, std::uint32_t bitCount) {
  std::uint32_t bits = planes * bitCount;
  return bits < 8 ? static_cast<std::uint8_t>(1u << bits) : 0;
}

IcoDirectoryEntry entryFromBitmapHeader(std::int32_t width, std::int32_t height, std::uint16_t planes,
                                        std::uint16_t bitCount) {
  // The header's height covers the colour bitmap and the mask below it.
  return {static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(height / 2), colourCount(planes, bitCount),
          planes, bitCount};
}

}  // namespace

std::optional<std::vector<base::ByteView>> readIconFile(base::ByteView file) {
  base::ByteReader r(file);
  std::uint16_t reserved = r.u16(0);
  std::uint16_t type = r.u16(2);
  std::uint64_t count = r.u16(4);
  if (!r.ok() || reserved != 0 || type != 1 || !r.has(kHeaderSize, count * kEntrySize)) return std::nullopt;

  std::vector<base::ByteView> images;
  images.reserve(count);
  for (std::uint64_t i = 0; i < count; ++i) {
    std::uint64_t entry = kHeaderSize + i * kEntrySize;
    base::Slice image = base::slice(file, r.u32(entry + 12), r.u32(entry + 8));
    if (!image.ok) return std::nullopt;
    images.push_back(image.view);
  }
  return images;
}

IcoDirectoryEntry icoDirectoryEntryFor(base::ByteView image) {
  base::ByteReader r(image);
  switch (kindOf(image)) {
    case ImageKind::InfoHeader:
      return entryFromBitmapHeader(r.i32(4), r.i32(8), r.u16(12), r.u16(14));
    case ImageKind::CoreHeader:
      return entryFromBitmapHeader(r.u16(4), r.u16(6), r.u16(8), r.u16(10));
    case ImageKind::Png: {
      auto header = readPngHeader(image);
      if (!header) return {};
      auto side = [](std::uint32_t pixels) { return static_cast<std::uint8_t>(pixels >= 256 ? 0 : pixels); };
      return {side(header->width), side(header->height), 0, 1, static_cast<std::uint16_t>(header->bitsPerPixel())};
    }
    case ImageKind::Short:
      return {};
  }
  return {};
}

std::optional<base::Bytes> buildIcoFile(std::span<const base::ByteView> images) {
  std::uint64_t total = kHeaderSize + images.size() * kEntrySize;
  for (base::ByteView image : images) total += image.size();
  if (total > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;

  base::Bytes out;
  out.reserve(static_cast<std::size_t>(total));
  base::putU16(out, 0);
  base::putU16(out, 1);
  base::putU16(out, static_cast<std::uint16_t>(images.size()));
  std::uint32_t offset = static_cast<std::uint32_t>(kHeaderSize + images.size() * kEntrySize);
  for (base::ByteView image : images) {
    IcoDirectoryEntry entry = icoDirectoryEntryFor(image);
    out.insert(out.end(), {entry.width, entry.height, entry.colourCount, 0});
    base::putU16(out, entry.planes);
    base::putU16(out, entry.bitsPerPixel);
    base::putU32(out, static_cast<std::uint32_t>(image.size()));
    base::putU32(out, offset);
    offset += static_cast<std::uint32_t>(image.size());
  }
  for (base::ByteView image : images) {
    std::size_t start = out.size();
    out.insert(out.end(), image.begin(), image.end());
    // The size field of an info header is not needed for uncompressed bitmaps;
    // PNG and core-header images carry other data there and keep every byte.
    if (kindOf(image) == ImageKind::InfoHeader) std::memset(out.data() + start + kSizeImageField, 0, 4);
  }
  return out;
}

}  // namespace icons
