#include "housekeeping/delete_folder_tree.h"

#include <gtest/gtest.h>

#include "housekeeping/fake_file_system.h"

namespace {

using Kind = fixtures::FakeFileSystem::Kind;

// C:\app\temp holding a file and a folder three levels deep.
fixtures::FakeFileSystem workTree() {
  fixtures::FakeFileSystem files;
  files.add("C:", Kind::Folder);
  files.add("C:\\app", Kind::Folder);
  files.add("C:\\app\\temp", Kind::Folder);
  files.add("C:\\app\\temp\\1.ico", Kind::File);
  files.add("C:\\app\\temp\\a", Kind::Folder);
  files.add("C:\\app\\temp\\a\\b", Kind::Folder);
  files.add("C:\\app\\temp\\a\\b\\c", Kind::Folder);
  files.add("C:\\app\\temp\\a\\b\\c\\deep.ico", Kind::File);
  return files;
}

class DeleteFolderTree : public ::testing::Test {
 protected:
  fixtures::FakeFileSystem files = workTree();
};

TEST_F(DeleteFolderTree, RemovesATreeSeveralLevelsDeepDepthFirst) {
  EXPECT_TRUE(housekeeping::deleteFolderTree(files, "C:\\app\\temp\\"));
  EXPECT_FALSE(files.exists("C:\\app\\temp"));
  EXPECT_TRUE(files.exists("C:\\app"));
  // Each folder is emptied before it is removed, the deepest first.
  std::vector<std::string> removals;
  for (const std::string& op : files.operations)
    if (op.rfind("folder ", 0) == 0) removals.push_back(op);
  EXPECT_EQ(removals, (std::vector<std::string>{"folder C:\\app\\temp\\\\a\\b\\c", "folder C:\\app\\temp\\\\a\\b",
                                                "folder C:\\app\\temp\\\\a", "folder C:\\app\\temp\\"}));
}

TEST_F(DeleteFolderTree, WhatCannotGoStaysAndSoDoesTheFolder) {
  struct Case {
    const char* what;
    const char* path;
    Kind kind;
  };
  const Case cases[] = {
      {"a name beginning with a dot", "C:\\app\\temp\\.keep", Kind::File},
      {"a dot-named folder", "C:\\app\\temp\\a\\.git", Kind::Folder},
      {"a read-only or open file", "C:\\app\\temp\\a\\b\\locked.ico", Kind::LockedFile},
  };
  for (const Case& c : cases) {
    files = workTree();
    files.add(c.path, c.kind);
    EXPECT_FALSE(housekeeping::deleteFolderTree(files, "C:\\app\\temp\\")) << c.what;
    EXPECT_TRUE(files.exists(c.path)) << c.what;
    EXPECT_TRUE(files.exists("C:\\app\\temp")) << c.what;
    EXPECT_FALSE(files.exists("C:\\app\\temp\\1.ico")) << c.what << ": the rest still goes";
    EXPECT_FALSE(files.exists("C:\\app\\temp\\a\\b\\c")) << c.what;
  }
}

TEST_F(DeleteFolderTree, RemovesALinkWithoutFollowingIt) {
  files.add("C:\\outside", Kind::Folder);
  files.add("C:\\outside\\precious.txt", Kind::File);
  files.add("C:\\app\\temp\\link", Kind::LinkToFolder);
  EXPECT_TRUE(housekeeping::deleteFolderTree(files, "C:\\app\\temp\\"));
  EXPECT_TRUE(files.exists("C:\\outside\\precious.txt"));
  for (const std::string& op : files.operations) EXPECT_EQ(op.find("link\\"), std::string::npos) << op;
}

TEST_F(DeleteFolderTree, NeverTouchesADriveRootOrAnEmptyPath) {
  for (const char* path : {"C:", "C:\\", "   C:\\", "", "    "}) {
    files.operations.clear();
    EXPECT_FALSE(housekeeping::deleteFolderTree(files, path)) << '"' << path << '"';
    EXPECT_TRUE(files.operations.empty()) << '"' << path << '"';
  }
}

}  // namespace
