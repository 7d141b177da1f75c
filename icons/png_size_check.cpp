#include "icons/png_codec.h"

namespace icons {

namespace {

// Deflate cannot expand its input more than about 1032 times.
constexpr std::uint64_t kMaxDeflateRatio = 1032;

}  // namespace

bool plausiblePngSize(std::uint64_t width, std::uint64_t height, std::uint64_t compressedBytes) {
  if (width == 0 || height == 0 || width > kMaxImageSide || height > kMaxImageSide) return false;
  // Even a 1-bit image needs a filter byte and one bit per pixel of every row.
  std::uint64_t leastRawBytes = height * (1 + (width + 7) / 8);
  return leastRawBytes <= compressedBytes * kMaxDeflateRatio;
}

}  // namespace icons
