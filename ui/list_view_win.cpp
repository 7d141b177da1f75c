#include "ui/list_view_win.h"

#include <commctrl.h>

#include "base/wide_win.h"
#include "ui/image_list_win.h"

namespace ui {

void ListViewWin::clearItems() { SendMessageW(listView_, LVM_DELETEALLITEMS, 0, 0); }

int ListViewWin::insertItem(int position, const std::string& text, int imageIndex) {
  const int count = itemCount();
  std::wstring wide = base::toWide(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_IMAGE;
  item.iItem = position < 0 || position > count ? count : position;
  item.pszText = wide.data();
  item.iImage = imageIndex < -1 ? -1 : imageIndex;
  return static_cast<int>(SendMessageW(listView_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
}

// Growing the list the control has (the load loop) adds only the new
// pictures, so a load of N icons stays linear; anything else rebuilds.
void ListViewWin::setIconImages(const icons::IconImageList& images) {
  if (imageList_ && images.extends(shown_) && appendPlatformImages(imageList_, images, shown_.imageCount())) {
    shown_ = images;
  } else {
    base::UniqueImageList fresh = createPlatformImageList(images);
    if (fresh && !appendPlatformImages(fresh.get(), images, 0)) fresh.reset();
    imageList_ = fresh.release();
    shown_ = imageList_ ? images : icons::IconImageList{};
    base::UniqueImageList previous(reinterpret_cast<HIMAGELIST>(
        SendMessageW(listView_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(imageList_))));
  }
  InvalidateRect(listView_, nullptr, TRUE);
}

int ListViewWin::itemCount() { return static_cast<int>(SendMessageW(listView_, LVM_GETITEMCOUNT, 0, 0)); }

int ListViewWin::markOf(int position) {
  if (position < 0 || position >= itemCount()) return -1;
  const auto state = static_cast<UINT>(SendMessageW(listView_, LVM_GETITEMSTATE, position, LVIS_STATEIMAGEMASK));
  return static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12) - 1;
}

void ListViewWin::setMark(int position, int markState) {
  LVITEMW item{};
  item.stateMask = LVIS_STATEIMAGEMASK;
  item.state = markState < 0 ? 0 : INDEXTOSTATEIMAGEMASK(markState + 1);
  SendMessageW(listView_, LVM_SETITEMSTATE, position, reinterpret_cast<LPARAM>(&item));
}

int ListViewWin::firstSelectedItem() {
  return static_cast<int>(SendMessageW(listView_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

}  // namespace ui
