#pragma once
// Icon bitmaps as stored in icon files and icon resources.

#include <optional>

#include "base/bytes.h"
#include "icons/argb_image.h"

namespace icons {

// Decodes an icon bitmap: a BITMAPINFOHEADER (or a longer V4/V5 header) or a
// BITMAPCOREHEADER whose height covers colour and mask; 1, 4, 8, 16 (555 or
// bit fields), 24 or 32 bits per pixel; a palette of biClrUsed or 2^bpp
// entries; bottom-up rows padded to 4 bytes; then the 1-bit AND mask.
// The alpha of each pixel says how opaque it is:
//  - a 32-bit image in which any alpha byte is non-zero keeps its alpha and
//    its AND mask is ignored;
//  - every other image is 255 where the AND mask is 0 and 0 where it is 1;
//    a mask cut short by the end of the data counts as all opaque.
// Nullopt for anything else, and for colour data that the bytes do not hold.
std::optional<ArgbImage> decodeDib(base::ByteView image);

}  // namespace icons
