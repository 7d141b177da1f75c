#include <gtest/gtest.h>

#include "app/exit_routines.h"
#include "app/program_directory.h"

namespace {

TEST(FolderOfExecutable, CutsBeforeTheLastBackslash) {
  EXPECT_EQ(app::folderOfExecutable("C:\\Tools\\Icons\\extract.exe"), "C:\\Tools\\Icons");
  EXPECT_EQ(app::folderOfExecutable("D:\\extract.exe"), "D:");
  EXPECT_EQ(app::folderOfExecutable("C:\\工具\\表\\x.exe"), "C:\\工具\\表");
}

std::vector<int> ran;
void first() { ran.push_back(1); }
void second() { ran.push_back(2); }

TEST(ExitRoutines, RunOnceEachInOrderUnlessDropped) {
  ran.clear();
  app::ExitRoutines routines;
  routines.add(first);
  routines.add(second);
  routines.add(first);  // already listed
  routines.runAll();
  routines.runAll();
  EXPECT_EQ(ran, (std::vector<int>{1, 2}));

  ran.clear();
  routines.add(first);
  routines.drop();
  routines.runAll();
  EXPECT_TRUE(ran.empty());
}

}  // namespace
