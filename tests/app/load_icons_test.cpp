#include "app/load_icons.h"

#include <gtest/gtest.h>

#include "program_fixture.h"

namespace {

using fixtures::fileExists;
using Texts = std::vector<std::string>;

const std::string sameFileBox = std::string("信息： ") + app::sameFileMessage;

class LoadIcons : public ::testing::Test {
 protected:
  void load(const std::string& path) {
    f.window.fileNameBox.value = path;
    app::loadIcons(f.program);
  }
  std::vector<int> images() const {
    std::vector<int> result;
    for (const auto& item : f.window.list.items) result.push_back(item.image);
    return result;
  }
  fixtures::ProgramFixture f;
};

TEST_F(LoadIcons, ListsEachIconAndWritesItsWorkFile) {
  f.makeWorkFolder();
  const std::string dll = f.writeModule("three.dll", {true, true, true});
  load(dll);
  EXPECT_EQ(f.window.list.texts(), (Texts{"1.ico", "2.ico", "3.ico"}));
  EXPECT_EQ(images(), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(f.window.list.marks(), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(f.window.list.shown.imageCount(), 3);
  EXPECT_EQ(f.state.iconCount, 3);
  EXPECT_EQ(f.state.lastExtractedFile, dll);
  EXPECT_EQ(f.engine.targets, (Texts{f.dir.path() + "\\temp\\1.ico", f.dir.path() + "\\temp\\2.ico",
                                     f.dir.path() + "\\temp\\3.ico"}));
  for (const char* name : {"1.ico", "2.ico", "3.ico"}) EXPECT_TRUE(fileExists(f.workFolder() + "/" + name)) << name;
  EXPECT_TRUE(f.window.messages.shown.empty());
}

TEST_F(LoadIcons, AnIconWithoutPictureGoesLastWithoutImage) {
  f.makeWorkFolder();
  load(f.writeModule("four.dll", {true, false, true, true}));
  EXPECT_EQ(f.window.list.texts(), (Texts{"1.ico", "3.ico", "4.ico", "2.ico"}));
  EXPECT_EQ(images(), (std::vector<int>{0, 1, 2, -1}));
  EXPECT_EQ(f.window.list.shown.imageCount(), 3);
  EXPECT_TRUE(fileExists(f.workFolder() + "/2.ico"));  // its bytes are copied all the same
}

TEST_F(LoadIcons, TheSamePathAgainOnlyShowsTheMessage) {
  f.makeWorkFolder();
  const std::string dll = f.writeModule("three.dll", {true, true, true});
  load(dll);
  f.window.list.items[1].mark = 1;
  std::filesystem::remove(std::filesystem::u8path(f.workFolder() + "/1.ico"));
  const int calls = f.window.list.setIconImagesCalls;

  load(dll);
  EXPECT_EQ(f.window.messages.shown, (Texts{sameFileBox}));
  EXPECT_EQ(f.window.list.marks(), (std::vector<int>{0, 1, 0}));
  EXPECT_EQ(f.window.list.setIconImagesCalls, calls);
  EXPECT_FALSE(fileExists(f.workFolder() + "/1.ico"));
}

TEST_F(LoadIcons, APathDifferingInCaseLoadsAgain) {
  const std::string lower = f.writeModule("a.dll", {true, true});
  const std::string upper = f.writeModule("A.DLL", {true, true});
  load(lower);
  f.window.list.items[0].mark = 1;
  load(upper);
  EXPECT_TRUE(f.window.messages.shown.empty());
  EXPECT_EQ(f.window.list.marks(), (std::vector<int>{0, 0}));
  EXPECT_EQ(f.state.lastExtractedFile, upper);
}

TEST_F(LoadIcons, AMissingFileEmptiesTheListAndCountsAsLoaded) {
  load(f.writeModule("two.dll", {true, true}));
  const std::string missing = f.dir.file("missing.dll");
  load(missing);
  EXPECT_EQ(f.window.list.itemCount(), 0);
  EXPECT_EQ(f.state.iconCount, 0);
  EXPECT_EQ(f.state.lastExtractedFile, missing);
  EXPECT_TRUE(f.window.messages.shown.empty());
  load(missing);
  EXPECT_EQ(f.window.messages.shown, (Texts{sameFileBox}));
}

TEST_F(LoadIcons, WithoutAWorkFolderListsAndWritesNothing) {
  load(f.writeModule("two.dll", {true, true}));
  EXPECT_EQ(f.window.list.texts(), (Texts{"1.ico", "2.ico"}));
  EXPECT_FALSE(fileExists(f.workFolder()));
  EXPECT_FALSE(fileExists(f.dir.path() + "\\temp\\1.ico"));  // not a file with a backslashed name either
  EXPECT_TRUE(f.window.messages.shown.empty());
}

TEST_F(LoadIcons, AnEmptyPathBeforeAnyLoadShowsTheMessage) {
  load("");
  EXPECT_EQ(f.window.messages.shown, (Texts{sameFileBox}));
}

}  // namespace
