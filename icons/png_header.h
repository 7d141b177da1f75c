#pragma once
// The fixed header of a PNG image (signature and IHDR chunk).

#include <cstdint>
#include <optional>

#include "base/bytes.h"

namespace icons {

struct PngHeader {
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  std::uint8_t bitDepth = 0;
  std::uint8_t colourType = 0;

  int bitsPerPixel() const;
};

bool hasPngSignature(base::ByteView image);
std::optional<PngHeader> readPngHeader(base::ByteView image);

}  // namespace icons
