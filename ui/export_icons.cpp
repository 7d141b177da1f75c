#include "ui/export_icons.h"

#include <vector>

#include "base/file.h"
#include "icons/render_image_as_bmp.h"

namespace ui {

namespace {

std::vector<int> markedPositions(IconListView& list) {
  std::vector<int> positions;
  const int count = list.itemCount();
  for (int position = 0; position < count; ++position)
    if (list.markOf(position) == 1) positions.push_back(position);
  return positions;
}

}  // namespace

bool PlatformFileWriter::writeFileBytes(const std::string& path, base::ByteView bytes) {
  return base::writeFileBytes(path, bytes);
}

void onExportClicked(FolderChooser& chooser, IconListView& list, const icons::IconImageList& iconImages,
                     FileWriter& files) {
  const std::string folder = chooser.chooseFolder(exportFolderTitle);
  // The marks as they stand once the chooser has closed.
  const std::vector<int> positions = markedPositions(list);
  if (folder.empty()) return;
  for (std::size_t k = 1; k <= positions.size(); ++k) {
    const base::Bytes picture = icons::renderImageAsBmp(iconImages, positions[k - 1]);
    // An item without a picture would give an empty file that replaces a good
    // one of that name; it keeps its number but writes nothing.
    if (picture.empty()) continue;
    // Plain concatenation: a drive root arrives as "C:\" and gives "C:\\1.ico".
    files.writeFileBytes(folder + "\\" + std::to_string(k) + ".ico", picture);
  }
}

}  // namespace ui
