#include "icons/render_image_as_bmp.h"

namespace icons {

namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kWhite = 0x00FFFFFF;

void putBgr(base::Bytes& out, std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  out.insert(out.end(), {blue, green, red});
}

}  // namespace

base::Bytes renderImageAsBmp(const IconImageList& list, int imageIndex, std::optional<std::uint32_t> background) {
  if (list.isEmpty() || imageIndex < 0 || imageIndex >= list.imageCount()) return {};
  const CellImage& image = list.image(imageIndex);
  const int width = list.cellWidth(), height = list.cellHeight();
  const std::uint32_t stride = (24 * static_cast<std::uint32_t>(width) + 31) / 32 * 4;
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(height);
  const std::uint32_t colour = background.value_or(kWhite);  // COLORREF: red in the low byte

  base::Bytes out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + pixelBytes);
  out.insert(out.end(), {'B', 'M'});
  base::putU32(out, kFileHeaderSize + kInfoHeaderSize + pixelBytes);  // file size
  base::putU32(out, 0);                                               // two reserved words
  base::putU32(out, kFileHeaderSize + kInfoHeaderSize);               // offset of the pixels
  base::putU32(out, kInfoHeaderSize);
  base::putU32(out, static_cast<std::uint32_t>(width));
  base::putU32(out, static_cast<std::uint32_t>(height));  // positive: bottom row first
  base::putU16(out, 1);                                   // planes
  base::putU16(out, 24);                                  // bits per pixel
  base::putU32(out, 0);                                   // BI_RGB
  base::putU32(out, pixelBytes);
  for (int i = 0; i < 4; ++i) base::putU32(out, 0);  // resolutions, colours used and important

  for (int y = height; y-- > 0;) {
    for (int x = 0; x < width; ++x) {
      std::size_t at = static_cast<std::size_t>(y) * width + x;
      std::uint32_t pixel = image.argb[at];
      if (image.mask[at])
        putBgr(out, static_cast<std::uint8_t>(colour), static_cast<std::uint8_t>(colour >> 8),
               static_cast<std::uint8_t>(colour >> 16));
      else
        putBgr(out, static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
               static_cast<std::uint8_t>(pixel));
    }
    out.resize(out.size() + (stride - 3 * static_cast<std::uint32_t>(width)));  // row padding, zeros
  }
  return out;
}

}  // namespace icons
