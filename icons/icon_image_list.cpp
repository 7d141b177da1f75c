#include "icons/icon_image_list.h"

#include <algorithm>
#include <limits>

namespace icons {

namespace {

// Byte form: "ICLS", version 1, cell width, cell height, image count (each
// u32 little-endian), then per image its pixels as 0xAARRGGBB u32s and its
// mask as one byte per row of eight pixels, rows padded to whole bytes.
constexpr std::uint32_t kMagic = 0x534C4349;  // "ICLS"
constexpr std::uint32_t kVersion = 1;
constexpr std::uint64_t kHeaderSize = 20;
constexpr int kMaxCellSide = 256;

std::uint64_t maskRowBytes(int width) { return (static_cast<std::uint64_t>(width) + 7) / 8; }

std::uint64_t encodedImageSize(int width, int height) {
  return static_cast<std::uint64_t>(width) * height * 4 + maskRowBytes(width) * height;
}

}  // namespace

struct IconImageList::Store {
  int width;
  int height;
  std::vector<CellImage> images;  // append-only; values see a prefix
};

IconImageList IconImageList::create(int cellWidth, int cellHeight) {
  IconImageList list;
  if (cellWidth < 1 || cellHeight < 1 || cellWidth > kMaxCellSide || cellHeight > kMaxCellSide) return list;
  list.store_ = std::make_shared<Store>(Store{cellWidth, cellHeight, {}});
  return list;
}

int IconImageList::cellWidth() const { return store_ ? store_->width : 0; }
int IconImageList::cellHeight() const { return store_ ? store_->height : 0; }

const CellImage& IconImageList::image(int index) const { return store_->images[static_cast<std::size_t>(index)]; }

int IconImageList::append(CellImage image) {
  if (!store_) return -1;
  auto pixels = static_cast<std::size_t>(store_->width) * store_->height;
  if (image.argb.size() != pixels || image.mask.size() != pixels) return -1;
  if (count_ == std::numeric_limits<int>::max()) return -1;
  // Another value grew the shared store past our end: our next image would
  // differ from theirs, so take a store of our own first.
  if (static_cast<std::size_t>(count_) != store_->images.size()) {
    auto own = std::make_shared<Store>(Store{store_->width, store_->height, {}});
    own->images.assign(store_->images.begin(), store_->images.begin() + count_);
    store_ = std::move(own);
  }
  store_->images.push_back(std::move(image));
  return count_++;
}

bool IconImageList::extends(const IconImageList& earlier) const {
  return store_ && store_ == earlier.store_ && count_ >= earlier.count_;
}

bool IconImageList::operator==(const IconImageList& other) const {
  if (isEmpty() || other.isEmpty()) return isEmpty() == other.isEmpty();
  if (cellWidth() != other.cellWidth() || cellHeight() != other.cellHeight() || count_ != other.count_) return false;
  for (int i = 0; i < count_; ++i)
    if (!(image(i) == other.image(i))) return false;
  return true;
}

base::Bytes IconImageList::encode() const {
  base::Bytes out;
  if (!store_) return out;
  out.reserve(static_cast<std::size_t>(kHeaderSize + encodedImageSize(store_->width, store_->height) * count_));
  for (std::uint32_t field : {kMagic, kVersion, static_cast<std::uint32_t>(store_->width),
                              static_cast<std::uint32_t>(store_->height), static_cast<std::uint32_t>(count_)})
    base::putU32(out, field);
  for (int i = 0; i < count_; ++i) {
    const CellImage& img = image(i);
    for (std::uint32_t pixel : img.argb) base::putU32(out, pixel);
    for (int y = 0; y < store_->height; ++y) {
      for (std::uint64_t byte = 0; byte < maskRowBytes(store_->width); ++byte) {
        std::uint8_t bits = 0;
        for (int bit = 0; bit < 8; ++bit) {
          std::uint64_t x = byte * 8 + bit;
          if (x < static_cast<std::uint64_t>(store_->width) && img.mask[y * store_->width + x]) bits |= 0x80 >> bit;
        }
        out.push_back(bits);
      }
    }
  }
  return out;
}

IconImageList IconImageList::decode(base::ByteView bytes) {
  base::ByteReader r(bytes);
  std::uint32_t width = r.u32(8), height = r.u32(12), count = r.u32(16);
  if (!r.ok() || r.u32(0) != kMagic || r.u32(4) != kVersion) return {};
  IconImageList list = create(static_cast<int>(std::min<std::uint32_t>(width, kMaxCellSide + 1)),
                              static_cast<int>(std::min<std::uint32_t>(height, kMaxCellSide + 1)));
  if (list.isEmpty() || count > static_cast<std::uint32_t>(std::numeric_limits<int>::max())) return {};
  std::uint64_t each = encodedImageSize(list.cellWidth(), list.cellHeight());
  if (bytes.size() != kHeaderSize + each * count) return {};  // checked before anything is allocated

  const int w = list.cellWidth(), h = list.cellHeight();
  const std::size_t pixels = static_cast<std::size_t>(w) * h;
  list.store_->images.reserve(count);
  std::uint64_t at = kHeaderSize;
  for (std::uint32_t i = 0; i < count; ++i) {
    CellImage img{std::vector<std::uint32_t>(pixels), std::vector<std::uint8_t>(pixels)};
    for (std::size_t p = 0; p < pixels; ++p, at += 4) img.argb[p] = r.u32(at);
    for (int y = 0; y < h; ++y, at += maskRowBytes(w))
      for (int x = 0; x < w; ++x) img.mask[y * w + x] = (r.u8(at + x / 8) >> (7 - x % 8)) & 1;
    list.append(std::move(img));
  }
  return list;
}

IconImageList createIconImageList(int width, int height) { return IconImageList::create(width, height); }

}  // namespace icons
