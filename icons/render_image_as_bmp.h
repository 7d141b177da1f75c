#pragma once

#include <cstdint>
#include <optional>

#include "base/bytes.h"
#include "icons/icon_image_list.h"

namespace icons {

// Image imageIndex of the list as a complete 24-bit BMP file (bottom-up, no
// colour table). Transparent pixels take the background, a COLORREF
// (0x00BBGGRR, red in the low byte), white when absent; all others take the
// stored colour, without blending. Empty bytes for the empty list or an index
// outside it. The list is not changed.
base::Bytes renderImageAsBmp(const IconImageList& list, int imageIndex,
                             std::optional<std::uint32_t> background = std::nullopt);

}  // namespace icons
