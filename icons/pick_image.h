#pragma once
// Which image of an icon group to draw.

#include <cstddef>
#include <optional>
#include <span>

#include "base/bytes.h"

namespace icons {

// The image that fits a width x height cell on a 32-bit display best:
//  1. an image of exactly the cell size wins, the deepest colour of those;
//  2. otherwise the nearest size, by |w - width| + |h - height|;
//  3. at equal distance the larger image (more pixels) first, a larger one
//     being scaled down rather than a smaller one blown up;
//  4. then the deeper colour, then the first in the group.
// Size and depth come from each image's own header. Images whose header
// cannot be read are never picked; nullopt when none can be.
std::optional<std::size_t> pickImage(std::span<const base::ByteView> images, int width, int height);

// The largest image (most pixels), then the deepest, then the first.
std::optional<std::size_t> pickLargestImage(std::span<const base::ByteView> images);

}  // namespace icons
