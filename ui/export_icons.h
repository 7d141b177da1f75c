#pragma once
// Exporting the marked icons: each one's picture into a folder the user picks.

#include <string>

#include "base/bytes.h"
#include "icons/icon_image_list.h"
#include "ui/controls.h"

namespace ui {

inline constexpr const char* exportFolderTitle = "请选择要保存图标的文件夹";

// Where the export files go; the platform's creates or replaces each file.
class FileWriter {
 public:
  virtual ~FileWriter() = default;
  virtual bool writeFileBytes(const std::string& path, base::ByteView bytes) = 0;
};

class PlatformFileWriter final : public FileWriter {
 public:
  bool writeFileBytes(const std::string& path, base::ByteView bytes) override;
};

// Asks for a folder, then writes folder\k.ico for the k-th marked item in
// ascending position: the BMP picture of its image, on white. Nothing is
// shown and no failure stops the rest.
void onExportClicked(FolderChooser& chooser, IconListView& list, const icons::IconImageList& iconImages,
                     FileWriter& files);

}  // namespace ui
