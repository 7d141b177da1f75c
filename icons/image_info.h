#pragma once
// What an icon image says about itself: size and colour depth, from its
// bitmap header or PNG header (never from a directory entry, often 0 or wrong).

#include <optional>

#include "base/bytes.h"

namespace icons {

struct ImageInfo {
  int width = 0;
  int height = 0;  // of the picture, without the AND mask
  int bitsPerPixel = 0;
  bool png = false;
  bool operator==(const ImageInfo&) const = default;
};

// Nullopt when the header is short, or gives a size of 0 or a negative one.
std::optional<ImageInfo> readImageInfo(base::ByteView image);

}  // namespace icons
