#pragma once
// Scaling a decoded picture to the cell of an image list.

#include "icons/argb_image.h"
#include "icons/icon_image_list.h"

namespace icons {

// The picture scaled to cellWidth x cellHeight by area averaging, in both
// directions: each cell pixel covers a rectangle of the picture, and takes
// the mean of the pixels under it, each weighted by the area it covers and
// by its alpha, so that transparent pixels lend no colour. Its alpha is the
// covered area's mean alpha; it is transparent in the mask when that is
// below half (alpha < 128). Enlarging by a whole factor thus repeats each
// pixel; other factors blend only along the seams. Integer arithmetic
// throughout, so every platform gives the same cells.
// Precondition: the picture is not empty and its pixels match its size.
CellImage fitToCell(const ArgbImage& picture, int cellWidth, int cellHeight);

}  // namespace icons
