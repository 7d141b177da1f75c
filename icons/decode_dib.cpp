#include "icons/decode_dib.h"

#include <array>
#include <bit>

namespace icons {

namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kV2HeaderSize = 52;  // BITMAPINFOHEADER plus the three colour masks
constexpr std::uint32_t kV3HeaderSize = 56;  // and the alpha mask
constexpr std::uint32_t kLargestHeaderSize = 124;  // BITMAPV5HEADER
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

struct ChannelMasks {
  std::uint32_t red = 0, green = 0, blue = 0, alpha = 0;
};

struct DibLayout {
  int width = 0;
  int height = 0;  // of the picture, without the mask
  int bitsPerPixel = 0;
  bool bitfields = false;
  ChannelMasks masks;
  std::uint64_t paletteOffset = 0;
  std::uint64_t paletteEntries = 0;
  unsigned paletteEntrySize = 4;  // RGBQUAD; RGBTRIPLE for a core header
  std::uint64_t colourOffset = 0;
};

std::uint64_t rowStride(int width, int bitsPerPixel) {
  return (static_cast<std::uint64_t>(width) * bitsPerPixel + 31) / 32 * 4;
}

bool validDepth(int bits, bool core) {
  if (core) return bits == 1 || bits == 4 || bits == 8 || bits == 24;
  return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Reads the header and places palette and pixels; nullopt when anything lies
// outside the data or is not an icon bitmap we draw.
std::optional<DibLayout> readLayout(base::ByteView image) {
  base::ByteReader r(image);
  std::uint32_t headerSize = r.u32(0);
  DibLayout layout;
  std::int64_t storedHeight = 0;
  std::uint32_t compression = kBiRgb;
  std::uint32_t coloursUsed = 0;
  if (headerSize == kCoreHeaderSize) {
    layout.width = r.u16(4);
    storedHeight = r.u16(6);
    layout.bitsPerPixel = r.u16(10);
    layout.paletteEntrySize = 3;
  } else if (headerSize >= kInfoHeaderSize && headerSize <= kLargestHeaderSize) {
    layout.width = r.i32(4);
    storedHeight = r.i32(8);
    layout.bitsPerPixel = r.u16(14);
    compression = r.u32(16);
    coloursUsed = r.u32(32);
  } else {
    return std::nullopt;
  }
  layout.height = static_cast<int>(storedHeight / 2);
  if (!r.ok() || layout.width <= 0 || layout.height <= 0 || layout.width > kMaxImageSide ||
      layout.height > kMaxImageSide || !validDepth(layout.bitsPerPixel, headerSize == kCoreHeaderSize))
    return std::nullopt;

  std::uint64_t after = headerSize;
  if (compression == kBiBitfields) {
    if (layout.bitsPerPixel != 16 && layout.bitsPerPixel != 32) return std::nullopt;
    layout.bitfields = true;
    // The masks end the header of V2 and later; a plain header is followed by them.
    std::uint64_t at = kInfoHeaderSize;
    if (headerSize < kV2HeaderSize) after += 12;
    layout.masks = {r.u32(at), r.u32(at + 4), r.u32(at + 8), headerSize >= kV3HeaderSize ? r.u32(at + 12) : 0};
    if (!r.ok()) return std::nullopt;
  } else if (compression != kBiRgb) {
    return std::nullopt;
  }
  // A palette of biClrUsed entries (also ahead of deeper pixels, where it
  // only hints at the colours), else the full 2^bpp for indexed images.
  layout.paletteEntries = coloursUsed != 0 ? coloursUsed : layout.bitsPerPixel <= 8 ? 1u << layout.bitsPerPixel : 0;
  layout.paletteOffset = after;
  layout.colourOffset = after + layout.paletteEntries * layout.paletteEntrySize;
  if (!r.has(layout.colourOffset, rowStride(layout.width, layout.bitsPerPixel) * layout.height)) return std::nullopt;
  return layout;
}

// The colour a bit field holds, widened to 8 bits by repeating its bits.
std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
  if (mask == 0) return 0;
  std::uint32_t v = (value & mask) >> std::countr_zero(mask);
  int bits = std::bit_width(mask >> std::countr_zero(mask));
  if (bits >= 8) return v >> (bits - 8);
  std::uint32_t wide = 0;
  int filled = 0;
  while (filled < 8) {
    wide = wide << bits | v;
    filled += bits;
  }
  return wide >> (filled - 8);
}

class PixelReader {
 public:
  PixelReader(base::ByteView image, const DibLayout& layout) : image_(image), layout_(layout) {
    if (layout.bitsPerPixel == 16 && !layout.bitfields) masks_ = {0x7C00, 0x03E0, 0x001F, 0};
    else if (layout.bitsPerPixel == 32 && !layout.bitfields) masks_ = {0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000};
    else masks_ = layout.masks;
    if (layout.bitsPerPixel == 32 && masks_.alpha == 0) masks_.alpha = 0xFF000000 & ~(masks_.red | masks_.green | masks_.blue);
  }

  // Pixel (x, y), y counted from the top, with alpha as stored (0 when the depth has none).
  std::uint32_t at(int x, int y) const {
    std::uint64_t row = layout_.colourOffset + rowStride(layout_.width, layout_.bitsPerPixel) * (layout_.height - 1 - y);
    const std::uint8_t* p = image_.data() + row;
    switch (layout_.bitsPerPixel) {
      case 1: return paletteColour(p[x / 8] >> (7 - x % 8) & 0x1);
      case 4: return paletteColour(p[x / 2] >> (x % 2 == 0 ? 4 : 0) & 0xF);
      case 8: return paletteColour(p[x]);
      case 16: return fromFields(p[2 * x] | std::uint32_t{p[2 * x + 1]} << 8);
      case 24: return makeArgb(0, p[3 * x + 2], p[3 * x + 1], p[3 * x]);
      default:
        return fromFields(p[4 * x] | std::uint32_t{p[4 * x + 1]} << 8 | std::uint32_t{p[4 * x + 2]} << 16 |
                          std::uint32_t{p[4 * x + 3]} << 24);
    }
  }

 private:
  // An index past the palette, or a palette entry past the data, is black.
  std::uint32_t paletteColour(std::uint32_t index) const {
    if (index >= layout_.paletteEntries) return 0;
    std::uint64_t at = layout_.paletteOffset + index * layout_.paletteEntrySize;
    base::Slice entry = base::slice(image_, at, 3);
    if (!entry.ok) return 0;
    return makeArgb(0, entry.view[2], entry.view[1], entry.view[0]);
  }

  std::uint32_t fromFields(std::uint32_t v) const {
    return makeArgb(channel(v, masks_.alpha), channel(v, masks_.red), channel(v, masks_.green), channel(v, masks_.blue));
  }

  base::ByteView image_;
  const DibLayout& layout_;
  ChannelMasks masks_;
};

// The AND mask after the colour rows; empty when the data end before it does.
base::ByteView andMask(base::ByteView image, const DibLayout& layout) {
  std::uint64_t offset = layout.colourOffset + rowStride(layout.width, layout.bitsPerPixel) * layout.height;
  return base::slice(image, offset, rowStride(layout.width, 1) * layout.height).view;
}

bool maskSaysTransparent(base::ByteView mask, const DibLayout& layout, int x, int y) {
  if (mask.empty()) return false;
  std::uint64_t row = rowStride(layout.width, 1) * (layout.height - 1 - y);
  return (mask[row + x / 8] >> (7 - x % 8)) & 1;
}

}  // namespace

std::optional<ArgbImage> decodeDib(base::ByteView image) {
  auto layout = readLayout(image);
  if (!layout) return std::nullopt;
  PixelReader pixels(image, *layout);
  ArgbImage out{layout->width, layout->height, {}};
  out.argb.reserve(static_cast<std::size_t>(layout->width) * layout->height);
  bool anyAlpha = false;
  for (int y = 0; y < layout->height; ++y) {
    for (int x = 0; x < layout->width; ++x) {
      out.argb.push_back(pixels.at(x, y));
      anyAlpha = anyAlpha || alphaOf(out.argb.back()) != 0;
    }
  }
  if (layout->bitsPerPixel == 32 && anyAlpha) return out;

  base::ByteView mask = andMask(image, *layout);
  for (int y = 0; y < layout->height; ++y) {
    for (int x = 0; x < layout->width; ++x) {
      std::uint32_t& pixel = out.argb[static_cast<std::size_t>(y) * layout->width + x];
      std::uint32_t alpha = maskSaysTransparent(mask, *layout, x, y) ? 0 : 255;
      pixel = (pixel & 0x00FFFFFF) | alpha << 24;
    }
  }
  return out;
}

}  // namespace icons
