#include "icons/png_header.h"

#include <algorithm>
#include <array>

namespace icons {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

std::uint32_t bigEndian32(base::ByteView bytes, std::size_t at) {
  return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 | std::uint32_t{bytes[at + 2]} << 8 |
         bytes[at + 3];
}

}  // namespace

int PngHeader::bitsPerPixel() const {
  switch (colourType) {
    case 0: return bitDepth;      // grey
    case 2: return 3 * bitDepth;  // RGB
    case 3: return bitDepth;      // palette
    case 4: return 2 * bitDepth;  // grey and alpha
    case 6: return 4 * bitDepth;  // RGBA
    default: return 0;
  }
}

bool hasPngSignature(base::ByteView image) {
  return image.size() >= kSignature.size() && std::equal(kSignature.begin(), kSignature.end(), image.begin());
}

std::optional<PngHeader> readPngHeader(base::ByteView image) {
  // Signature, then the IHDR chunk: length 13, "IHDR", width, height, depth, colour type.
  if (!hasPngSignature(image) || image.size() < 8 + 8 + 13) return std::nullopt;
  if (bigEndian32(image, 8) != 13 || !std::equal(image.begin() + 12, image.begin() + 16, "IHDR")) return std::nullopt;
  return PngHeader{bigEndian32(image, 16), bigEndian32(image, 20), image[24], image[25]};
}

}  // namespace icons
