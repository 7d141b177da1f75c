#include "ui/image_list_win.h"

#include <cstring>

namespace ui {

namespace {

// A top-down 32-bit DIB section holding the picture with its straight alpha.
base::UniqueBitmap colourBitmap(const icons::CellImage& image, int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  base::UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) std::memcpy(bits, image.argb.data(), image.argb.size() * 4);  // 0xAARRGGBB is BGRA in memory
  return bitmap;
}

// The 1-bit AND mask: rows padded to 16 bits, as CreateBitmap wants them.
base::UniqueBitmap maskBitmap(const icons::CellImage& image, int width, int height) {
  const int rowBytes = (width + 15) / 16 * 2;
  std::vector<BYTE> bits(static_cast<std::size_t>(rowBytes) * height, 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (image.mask[static_cast<std::size_t>(y) * width + x]) bits[y * rowBytes + x / 8] |= 0x80 >> (x % 8);
  return base::UniqueBitmap(CreateBitmap(width, height, 1, 1, bits.data()));
}

}  // namespace

base::UniqueImageList createPlatformImageList(const icons::IconImageList& images) {
  if (images.isEmpty()) return {};
  return base::UniqueImageList(
      ImageList_Create(images.cellWidth(), images.cellHeight(), ILC_COLOR32 | ILC_MASK, images.imageCount(), 16));
}

bool appendPlatformImages(HIMAGELIST target, const icons::IconImageList& images, int from) {
  const int width = images.cellWidth(), height = images.cellHeight();
  for (int i = from; i < images.imageCount(); ++i) {
    base::UniqueBitmap colour = colourBitmap(images.image(i), width, height);
    base::UniqueBitmap mask = maskBitmap(images.image(i), width, height);
    if (!colour || !mask) return false;
    // An icon carries straight alpha the way image lists expect it from icons.
    ICONINFO info{TRUE, 0, 0, mask.get(), colour.get()};
    base::UniqueIcon icon(CreateIconIndirect(&info));
    if (!icon || ImageList_ReplaceIcon(target, -1, icon.get()) < 0) return false;
  }
  return true;
}

}  // namespace ui
