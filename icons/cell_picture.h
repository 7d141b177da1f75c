#pragma once
// The picture an icon group shows in an image list cell.

#include <optional>
#include <span>

#include "base/bytes.h"
#include "icons/argb_image.h"
#include "icons/icon_image_list.h"

namespace icons {

// One icon image decoded, whichever its form: PNG or bitmap.
std::optional<ArgbImage> decodeIconImage(base::ByteView image);

// The group's image that suits the cell best (see pickImage), decoded and
// fitted to the cell; nullopt when no image can be picked or it does not decode.
std::optional<CellImage> cellPicture(std::span<const base::ByteView> images, int cellWidth, int cellHeight);

}  // namespace icons
