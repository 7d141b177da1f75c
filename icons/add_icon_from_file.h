#pragma once

#include <string>

#include "icons/icon_image_list.h"

namespace icons {

// Appends the picture of icon iconIndex (from 0) of the file at path: an icon
// group of a PE or NE module, or the one icon of an icon file; the content
// tells which. The group's image that suits the cell best is decoded and
// fitted to the cell. Result: the new image's index, or -1 when nothing was
// added (empty list, no such icon, not an icon source, an image that does not
// decode); the list is then unchanged.
int addIconFromFile(IconImageList& list, const std::string& path, int iconIndex);

}  // namespace icons
