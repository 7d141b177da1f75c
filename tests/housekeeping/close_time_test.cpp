#include "housekeeping/close_time.h"

#include <gtest/gtest.h>

#include "housekeeping/fake_file_system.h"

namespace {

using Kind = fixtures::FakeFileSystem::Kind;

struct FixedClock final : housekeeping::Clock {
  int second = 0;
  int currentSecond() override { return second; }
};

struct RecordingShell final : housekeeping::Shell {
  std::vector<std::string> opened;
  void open(const std::string& address) override { opened.push_back(address); }
};

TEST(CloseTime, OpensThePageOnEveryThirdSecondOnly) {
  for (int second = 0; second < 60; ++second) {
    fixtures::FakeFileSystem files;
    files.add("D:", Kind::Folder);
    FixedClock clock;
    clock.second = second;
    RecordingShell shell;
    housekeeping::onWindowDestroying("D:", files, clock, shell);
    const std::vector<std::string> expected =
        second % 3 == 0 ? std::vector<std::string>{housekeeping::closeTimePageAddress} : std::vector<std::string>{};
    EXPECT_EQ(shell.opened, expected) << "second " << second;
  }
}

TEST(CloseTime, EmptiesTheWorkFolderThenMakesItAgain) {
  fixtures::FakeFileSystem files;
  files.add("D:\\tools", Kind::Folder);
  files.add("D:\\tools\\temp", Kind::Folder);
  files.add("D:\\tools\\temp\\1.ico", Kind::File);
  files.add("D:\\tools\\temp\\old", Kind::Folder);
  FixedClock clock;
  clock.second = 1;
  RecordingShell shell;
  housekeeping::onWindowDestroying("D:\\tools", files, clock, shell);
  EXPECT_TRUE(files.exists("D:\\tools\\temp"));
  EXPECT_FALSE(files.exists("D:\\tools\\temp\\1.ico"));
  EXPECT_FALSE(files.exists("D:\\tools\\temp\\old"));
  // Deletion with the trailing backslash first, then creation without it.
  EXPECT_EQ(files.operations.front(), "list D:\\tools\\temp\\\\*.*");
  EXPECT_EQ(files.operations.back(), "create D:\\tools\\temp");
}

TEST(CloseTime, MakesAMissingWorkFolderAndLeavesAFileNamedTemp) {
  struct Case {
    const char* what;
    bool fileNamedTemp;
  };
  for (Case c : {Case{"no work folder", false}, Case{"a file named temp", true}}) {
    fixtures::FakeFileSystem files;
    files.add("D:\\tools", Kind::Folder);
    if (c.fileNamedTemp) files.add("D:\\tools\\temp", Kind::File);
    FixedClock clock;
    RecordingShell shell;
    housekeeping::onWindowDestroying("D:\\tools", files, clock, shell);
    EXPECT_TRUE(files.exists("D:\\tools\\temp")) << c.what;
  }
}

}  // namespace
