#include "icons/add_icon_from_file.h"

#include "icons/cell_picture.h"
#include "icons/icon_source.h"

namespace icons {

int addIconFromFile(IconImageList& list, const std::string& path, int iconIndex) {
  if (list.isEmpty()) return -1;  // before the file is even opened
  IconSource source = IconSource::open(path);
  auto images = source.iconImages(iconIndex);
  if (!images) return -1;
  // Everything that can fail happens before the list is touched.
  auto picture = cellPicture(*images, list.cellWidth(), list.cellHeight());
  if (!picture) return -1;
  return list.append(std::move(*picture));
}

}  // namespace icons
