#include "ui/export_icons.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "icons/render_image_as_bmp.h"
#include "ui/fake_controls.h"

namespace {

using Files = std::map<std::string, base::Bytes>;

// Files by path; a locked path cannot be written, as one held open elsewhere.
class FakeFileWriter final : public ui::FileWriter {
 public:
  Files files;
  std::set<std::string> locked;
  bool writeFileBytes(const std::string& path, base::ByteView bytes) override {
    if (locked.count(path)) return false;
    files[path] = base::Bytes(bytes.begin(), bytes.end());
    return true;
  }
};

// `count` pictures, each of its own colour, so a file shows which image it holds.
icons::IconImageList imagesOf(int count) {
  icons::IconImageList list = icons::createIconImageList(32, 32);
  for (int i = 0; i < count; ++i)
    list.append({std::vector<std::uint32_t>(32 * 32, 0xFF000000u | (0x102030u * (i + 1))),
                 std::vector<std::uint8_t>(32 * 32, 0)});
  return list;
}

class ExportIcons : public ::testing::Test {
 protected:
  void setMarks(const std::vector<int>& marks) {
    list.items.clear();
    for (int mark : marks) list.items.push_back({"x.ico", 0, mark});
  }
  void exportTo(const std::string& folder) {
    chooser.answer = folder;
    ui::onExportClicked(chooser, list, images, writer);
  }
  base::Bytes pictureOf(int image) const { return icons::renderImageAsBmp(images, image); }

  fixtures::FakeListView list;
  fixtures::FakeFolderChooser chooser;
  FakeFileWriter writer;
  icons::IconImageList images = imagesOf(8);
};

TEST_F(ExportIcons, WritesTheKthMarkedItemsPictureAsKDotIco) {
  const base::Bytes old = {'o', 'l', 'd'};
  struct Case {
    const char* what;
    std::vector<int> marks;
    int pictures;                               // items from this position on have none
    std::string folder;                         // the chooser's answer; empty: cancelled
    std::vector<std::string> locked;            // paths that cannot be written
    std::vector<std::pair<std::string, int>> expected;  // path, image shown (-1: the old file)
  };
  const Case cases[] = {
      {"positions 2 and 5", {0, 0, 1, 0, 0, 1, 0}, 8, "D", {}, {{"D\\1.ico", 2}, {"D\\2.ico", 5}}},
      {"cancelled", {1, 1}, 8, "", {}, {{"D\\1.ico", -1}}},
      {"nothing marked", {0, 0, 0}, 8, "D", {}, {{"D\\1.ico", -1}}},
      {"only markState 1 counts", {-1, 2, 1, 0, 255}, 8, "D", {}, {{"D\\1.ico", 2}}},
      {"a drive root", {1}, 8, "C:\\", {}, {{"C:\\\\1.ico", 0}, {"D\\1.ico", -1}}},
      {"items without a picture keep their number and write nothing",
       {1, 1, 1, 1}, 2, "D", {}, {{"D\\1.ico", 0}, {"D\\2.ico", 1}, {"D\\3.ico", -1}}},
      {"a file that cannot be written is skipped", {1, 1, 1}, 8, "D", {"D\\1.ico"},
       {{"D\\1.ico", -1}, {"D\\2.ico", 1}, {"D\\3.ico", 2}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    images = imagesOf(c.pictures);
    setMarks(c.marks);
    writer.files = {{"D\\1.ico", old}, {"D\\3.ico", old}};  // earlier exports' files stay unless replaced
    writer.locked = {c.locked.begin(), c.locked.end()};
    Files expected = writer.files;
    for (const auto& [path, image] : c.expected)
      if (image >= 0) expected[path] = pictureOf(image);
    exportTo(c.folder);
    EXPECT_EQ(writer.files, expected);
    for (const auto& [path, image] : c.expected) {
      if (image < 0) continue;
      EXPECT_EQ(writer.files[path].size(), 3126u) << path;
    }
  }
  EXPECT_EQ(chooser.titles, std::vector<std::string>(std::size(cases), "请选择要保存图标的文件夹"));
  EXPECT_EQ(list.marks(), (std::vector<int>{1, 1, 1}));  // an export changes no mark
}

TEST_F(ExportIcons, TakesTheMarksAsTheyAreWhenTheChooserCloses) {
  setMarks({1, 0, 0});
  chooser.whileOpen = [&] {
    list.setMark(0, 0);
    list.setMark(2, 1);
  };
  exportTo("D");
  EXPECT_EQ(writer.files, (Files{{"D\\1.ico", pictureOf(2)}}));
}

TEST_F(ExportIcons, AShorterExportLeavesTheLongerOnesLaterFiles) {
  setMarks({1, 1, 1, 0});
  exportTo("D");
  setMarks({0, 0, 0, 1});
  exportTo("D");
  EXPECT_EQ(writer.files, (Files{{"D\\1.ico", pictureOf(3)}, {"D\\2.ico", pictureOf(1)}, {"D\\3.ico", pictureOf(2)}}));
}

}  // namespace
