#include "ui/choose_file.h"

#include <gtest/gtest.h>

#include "app/load_icons.h"
#include "app/program_fixture.h"

namespace {

using Texts = std::vector<std::string>;

class ChooseFile : public ::testing::Test {
 protected:
  fixtures::ProgramFixture f;
};

TEST_F(ChooseFile, WindowCreatedRegistersTheWindowForDropsAndForgetsTheLastFile) {
  f.state.lastExtractedFile = "C:\\old.dll";
  ui::onWindowCreated(f.program);
  EXPECT_EQ(f.window.drop.registered, std::vector<ui::NativeWindow>{f.window.parts.mainWindow});
  EXPECT_EQ(f.state.lastExtractedFile, "");
}

TEST_F(ChooseFile, ACancelledBrowseChangesNothing) {
  const std::string dll = f.writeModule("two.dll", {true, true});
  f.window.dialog.answers = {dll, ""};
  ui::onBrowseClicked(f.program);
  f.window.list.items[0].mark = 1;
  ui::onBrowseClicked(f.program);
  EXPECT_EQ(f.window.dialog.filter, ui::browseFilter);
  EXPECT_EQ(f.window.fileNameBox.value, dll);
  EXPECT_EQ(f.window.list.marks(), (std::vector<int>{1, 0}));
  EXPECT_TRUE(f.window.messages.shown.empty());
}

TEST_F(ChooseFile, BrowsingTheSameFileTwiceShowsTheMessage) {
  const std::string dll = f.writeModule("two.dll", {true, true});
  f.window.dialog.answers = {dll, dll};
  ui::onBrowseClicked(f.program);
  ui::onBrowseClicked(f.program);
  EXPECT_EQ(f.window.list.texts(), (Texts{"1.ico", "2.ico"}));
  EXPECT_EQ(f.window.messages.shown, (Texts{std::string("信息： ") + app::sameFileMessage}));
}

TEST_F(ChooseFile, DroppingTwoFilesPutsTheirLinesInTheBoxAndEmptiesTheList) {
  ui::onFileDropped(f.program, f.writeModule("two.dll", {true, true}));
  EXPECT_EQ(f.window.list.itemCount(), 2);
  const std::string two = "C:\\a.dll\r\nC:\\b.exe\r\n";
  ui::onFileDropped(f.program, two);
  EXPECT_EQ(f.window.fileNameBox.value, two);
  EXPECT_EQ(f.window.list.itemCount(), 0);
  EXPECT_TRUE(f.window.messages.shown.empty());
}

}  // namespace
