#pragma once
// The folder chooser on SHBrowseForFolderW: the desktop as root, an edit box
// for typing a folder, modal over every window of this program.

#include "ui/controls.h"

namespace ui {

class FolderChooserWin final : public FolderChooser {
 public:
  std::string chooseFolder(const std::string& title) override;
};

}  // namespace ui
