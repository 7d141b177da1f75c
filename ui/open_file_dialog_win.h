#pragma once
// The browse dialog on GetOpenFileNameW, Explorer style.

#include "ui/controls.h"

namespace ui {

class OpenFileDialogWin final : public OpenFileDialog {
 public:
  explicit OpenFileDialogWin(std::string title) : title_(std::move(title)) {}
  void setFilter(const std::string& filter) override { filter_ = filter; }
  bool showOpenDialog() override;
  std::string fileName() override { return fileName_; }

 private:
  std::string title_;
  std::string filter_;
  std::string fileName_;
};

}  // namespace ui
