#pragma once
// PNG images through the platform's maintained codec: libpng on Linux, the
// Windows Imaging Component on Windows. Nothing else in the engine knows which.

#include <optional>

#include "base/bytes.h"
#include "icons/argb_image.h"

namespace icons {

// Nullopt for anything that is not a whole PNG image, and for images larger
// than kMaxImageSide per side or than their compressed data could yield,
// which are refused before their pixels are decoded.
std::optional<ArgbImage> decodePng(base::ByteView png);

// An 8-bit RGBA PNG image of the pixels; empty bytes on failure.
base::Bytes encodePng(const ArgbImage& image);

// The checks every codec makes before decoding: a size from the header that
// is in range and that the compressed bytes could plausibly hold.
bool plausiblePngSize(std::uint64_t width, std::uint64_t height, std::uint64_t compressedBytes);

}  // namespace icons
