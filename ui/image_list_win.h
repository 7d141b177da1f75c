#pragma once
// Platform image lists built from an IconImageList's pictures.

#include "base/unique_handle_win.h"
#include "icons/icon_image_list.h"

namespace ui {

// An empty 32-bit image list with a mask, sized for the list's cells.
base::UniqueImageList createPlatformImageList(const icons::IconImageList& images);

// Adds images [from, images.imageCount()) to the platform list; false if one fails.
bool appendPlatformImages(HIMAGELIST target, const icons::IconImageList& images, int from);

}  // namespace ui
