#include "icons/pick_image.h"

#include <cstdint>
#include <cstdlib>
#include <tuple>

#include "icons/image_info.h"

namespace icons {

namespace {

// Picks the image whose key is smallest; the first of equal keys.
template <typename Key>
std::optional<std::size_t> pickBy(std::span<const base::ByteView> images, Key key) {
  std::optional<std::size_t> best;
  decltype(key(ImageInfo{})) bestKey{};
  for (std::size_t i = 0; i < images.size(); ++i) {
    auto info = readImageInfo(images[i]);
    if (!info) continue;
    auto k = key(*info);
    if (!best || k < bestKey) {
      best = i;
      bestKey = k;
    }
  }
  return best;
}

std::int64_t pixels(const ImageInfo& info) { return std::int64_t{info.width} * info.height; }

}  // namespace

std::optional<std::size_t> pickImage(std::span<const base::ByteView> images, int width, int height) {
  // An exact fit has distance 0, so rule 1 is rule 2's first case.
  return pickBy(images, [&](const ImageInfo& info) {
    std::int64_t distance = std::llabs(std::int64_t{info.width} - width) + std::llabs(std::int64_t{info.height} - height);
    return std::tuple(distance, -pixels(info), -info.bitsPerPixel);
  });
}

std::optional<std::size_t> pickLargestImage(std::span<const base::ByteView> images) {
  return pickBy(images, [](const ImageInfo& info) { return std::tuple(-pixels(info), -info.bitsPerPixel); });
}

}  // namespace icons
