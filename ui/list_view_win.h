#pragma once
// The icon list on the platform's list-view control (large icons, check boxes).

#include <windows.h>
#include <commctrl.h>

#include "ui/controls.h"

namespace ui {

class ListViewWin final : public IconListView {
 public:
  void attach(HWND listView) { listView_ = listView; }
  void clearItems() override;
  int insertItem(int position, const std::string& text, int imageIndex) override;
  void setIconImages(const icons::IconImageList& images) override;
  int itemCount() override;
  int markOf(int position) override;
  void setMark(int position, int markState) override;
  int firstSelectedItem() override;

 private:
  HWND listView_ = nullptr;
  icons::IconImageList shown_;        // the pictures the control's image list holds
  HIMAGELIST imageList_ = nullptr;    // owned by the control, which destroys it with itself
};

}  // namespace ui
