// The list-view adapter on the real control, inside the real main window.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "ui/main_window_win.h"

namespace {

icons::CellImage opaqueImage(std::uint32_t argb) {
  return {std::vector<std::uint32_t>(32 * 32, argb), std::vector<std::uint8_t>(32 * 32, 0)};
}

class ListViewWin : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(window.create(GetModuleHandleW(nullptr)));
    listView = FindWindowExW(window.handle(), nullptr, WC_LISTVIEWW, nullptr);
    ASSERT_TRUE(listView);
  }
  std::string textOf(int position) {
    wchar_t text[64] = {};
    LVITEMW item{};
    item.iSubItem = 0;
    item.pszText = text;
    item.cchTextMax = 64;
    SendMessageW(listView, LVM_GETITEMTEXTW, position, reinterpret_cast<LPARAM>(&item));
    return base::fromWide(text);
  }
  int imageOf(int position) {
    LVITEMW item{};
    item.mask = LVIF_IMAGE;
    item.iItem = position;
    SendMessageW(listView, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
  }
  void select(int position) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    SendMessageW(listView, LVM_SETITEMSTATE, position, reinterpret_cast<LPARAM>(&item));
  }
  HIMAGELIST imageList() {
    return reinterpret_cast<HIMAGELIST>(SendMessageW(listView, LVM_GETIMAGELIST, LVSIL_NORMAL, 0));
  }

  ui::MainWindow window{ui::MainWindowEvents{}};
  HWND listView = nullptr;
  ui::IconListView& list = window.parts().超级列表框1;
};

TEST_F(ListViewWin, InsertsAtTheGivenPlaceOrAppends) {
  EXPECT_EQ(list.insertItem(-1, "1.ico", 0), 0);
  EXPECT_EQ(list.insertItem(0, "图标.ico", -5), 0);
  EXPECT_EQ(list.insertItem(7, "3.ico", 1), 2);
  EXPECT_EQ(list.insertItem(1, "4.ico", 2), 1);
  ASSERT_EQ(list.itemCount(), 4);
  EXPECT_EQ(textOf(0), "图标.ico");
  EXPECT_EQ(textOf(1), "4.ico");
  EXPECT_EQ(textOf(2), "1.ico");
  EXPECT_EQ(textOf(3), "3.ico");
  EXPECT_EQ(imageOf(0), -1);
  EXPECT_EQ(imageOf(1), 2);
  list.clearItems();
  EXPECT_EQ(list.itemCount(), 0);
}

TEST_F(ListViewWin, MarksAreStateImages) {
  for (int i = 0; i < 3; ++i) list.insertItem(-1, "x.ico", i);
  EXPECT_EQ(list.markOf(0), 0);  // new items have the empty box
  list.setMark(1, 1);
  EXPECT_EQ(SendMessageW(listView, LVM_GETITEMSTATE, 1, LVIS_STATEIMAGEMASK), INDEXTOSTATEIMAGEMASK(2));
  EXPECT_EQ(list.markOf(1), 1);
  list.setMark(2, -1);
  EXPECT_EQ(list.markOf(2), -1);
  EXPECT_EQ(list.markOf(3), -1);
  EXPECT_EQ(list.markOf(-1), -1);
  list.setMark(1, 0);
  EXPECT_EQ(list.markOf(1), 0);
}

TEST_F(ListViewWin, FirstSelectedItemIsTheLowestSelected) {
  for (int i = 0; i < 4; ++i) list.insertItem(-1, "x.ico", i);
  EXPECT_EQ(list.firstSelectedItem(), -1);
  select(3);
  select(1);
  EXPECT_EQ(list.firstSelectedItem(), 1);
}

TEST_F(ListViewWin, ImageListFollowsTheGivenListAndGrowsInPlace) {
  icons::IconImageList images = icons::createIconImageList(32, 32);
  images.append(opaqueImage(0xFFFF0000));
  list.setIconImages(images);
  HIMAGELIST first = imageList();
  ASSERT_TRUE(first);
  EXPECT_EQ(ImageList_GetImageCount(first), 1);

  images.append(opaqueImage(0xFF00FF00));
  list.setIconImages(images);
  EXPECT_EQ(imageList(), first) << "a grown list is appended to, not rebuilt";
  EXPECT_EQ(ImageList_GetImageCount(first), 2);

  icons::IconImageList other = icons::createIconImageList(32, 32);
  list.setIconImages(other);
  ASSERT_TRUE(imageList());
  EXPECT_EQ(ImageList_GetImageCount(imageList()), 0);

  list.setIconImages(icons::IconImageList{});
  EXPECT_FALSE(imageList());
}

}  // namespace
