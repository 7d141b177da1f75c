// Any bytes as one icon image: read its header, decode it, and draw it as
// addIconFromFile and renderImageAsBmp do.

#include <cstdint>

#include "icons/cell_picture.h"
#include "icons/image_info.h"
#include "icons/render_image_as_bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ByteView image(data, size);
  (void)icons::readImageInfo(image);
  base::ByteView group[] = {image};
  icons::IconImageList list = icons::createIconImageList(32, 32);
  if (auto picture = icons::cellPicture(group, list.cellWidth(), list.cellHeight())) {
    int index = list.append(std::move(*picture));
    if (icons::renderImageAsBmp(list, index).size() != 3126) __builtin_trap();
  }
  return 0;
}
