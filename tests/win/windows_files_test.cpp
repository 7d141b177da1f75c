// The platform's file operations, in-process under Wine (or on Windows).

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "base/file.h"
#include "base/unique_handle_win.h"
#include "base/wide_win.h"
#include "fixtures/test_paths.h"
#include "housekeeping/delete_folder_tree.h"

namespace {

void makeFolder(const std::string& path) { ASSERT_TRUE(::CreateDirectoryW(base::toWide(path).c_str(), nullptr)) << path; }
void makeFile(const std::string& path) { fixtures::writeFile(path, "icon"); }

TEST(PlatformDeleteFolderTree, EmptiesATreeButKeepsWhatCannotGo) {
  fixtures::TempDir dir;
  std::string temp = fixtures::windowsPath(dir.file("temp"));
  makeFolder(temp);
  makeFile(temp + "\\1.ico");
  makeFolder(temp + "\\a");
  makeFolder(temp + "\\a\\b");
  makeFolder(temp + "\\a\\b\\c");
  makeFile(temp + "\\a\\b\\c\\deep.ico");
  makeFile(temp + "\\a\\\xE5\x9B\xBE\xE6\xA0\x87.ico");  // 图标.ico

  EXPECT_TRUE(housekeeping::deleteFolderTree(housekeeping::platformFileSystem(), temp + "\\"));
  EXPECT_FALSE(fixtures::fileExists(temp));

  // A dot-named file and a read-only file stay, and so does their folder.
  makeFolder(temp);
  makeFile(temp + "\\.keep");
  makeFolder(temp + "\\ro");
  makeFile(temp + "\\ro\\locked.ico");
  ASSERT_TRUE(::SetFileAttributesW(base::toWide(temp + "\\ro\\locked.ico").c_str(), FILE_ATTRIBUTE_READONLY));
  makeFile(temp + "\\2.ico");
  EXPECT_FALSE(housekeeping::deleteFolderTree(housekeeping::platformFileSystem(), temp + "\\"));
  EXPECT_TRUE(fixtures::fileExists(temp + "\\.keep"));
  EXPECT_TRUE(fixtures::fileExists(temp + "\\ro\\locked.ico"));
  EXPECT_FALSE(fixtures::fileExists(temp + "\\2.ico"));
  ::SetFileAttributesW(base::toWide(temp + "\\ro\\locked.ico").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(PlatformDeleteFolderTree, RemovesALinkToAFolderOutsideWithoutFollowingIt) {
  fixtures::TempDir dir;
  std::string temp = fixtures::windowsPath(dir.file("temp")), outside = fixtures::windowsPath(dir.file("outside"));
  makeFolder(temp);
  makeFolder(outside);
  makeFile(outside + "\\precious.txt");
  if (!::CreateSymbolicLinkW(base::toWide(temp + "\\link").c_str(), base::toWide(outside).c_str(),
                             SYMBOLIC_LINK_FLAG_DIRECTORY | 0x2 /* allow unprivileged create */))
    GTEST_SKIP() << "symbolic links are not available here (error " << ::GetLastError() << ")";
  EXPECT_TRUE(housekeeping::deleteFolderTree(housekeeping::platformFileSystem(), temp + "\\"));
  EXPECT_TRUE(fixtures::fileExists(outside + "\\precious.txt"));
}

// Starts a Unix program (Wine starts them like Windows ones), waits for it and
// then until `done` holds, as its exit code does not come back through Wine.
bool runUnix(const std::string& commandLine, const std::function<bool()>& done) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION started{};
  std::wstring command = base::toWide(commandLine);
  if (!::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &startup, &started))
    return false;
  base::UniqueKernelHandle process(started.hProcess), thread(started.hThread);
  ::WaitForSingleObject(process.get(), 30000);
  for (int i = 0; i < 100 && !done(); ++i) ::Sleep(100);
  return done();
}

// A drive letter of its own for a folder of drive C:, made the way Wine keeps
// its drives: a link in the prefix's dosdevices folder, like the one of C:.
class LinkedDrive {
 public:
  explicit LinkedDrive(const std::string& folder) {
    const char* prefix = std::getenv("WINEPREFIX");
    if (!prefix || prefix[0] != '/' || folder.size() < 3 || (folder.compare(0, 3, "C:/") != 0)) return;
    const std::string target = "../drive_c/" + folder.substr(3);
    for (char letter = 'p'; letter <= 'y' && name_.empty(); ++letter) {
      const std::string link = std::string(prefix) + "/dosdevices/" + letter + ":";
      if (fixtures::fileExists("Z:" + link)) continue;
      const std::string drive = std::string(1, static_cast<char>(letter - 'a' + 'A')) + ":";
      if (!runUnix("Z:\\usr\\bin\\ln -s " + target + " " + link, [&] { return fixtures::fileExists(drive + "\\"); }))
        return;
      link_ = link;
      name_ = drive;
    }
  }
  LinkedDrive(const LinkedDrive&) = delete;
  LinkedDrive& operator=(const LinkedDrive&) = delete;
  ~LinkedDrive() {
    if (!link_.empty()) runUnix("Z:\\usr\\bin\\rm " + link_, [&] { return !fixtures::fileExists(name_ + "\\"); });
  }
  const std::string& name() const { return name_; }  // "Q:", empty when none could be made

 private:
  std::string link_, name_;
};

TEST(PlatformDeleteFolderTree, NeverTouchesADriveRoot) {
  fixtures::TempDir dir;
  const std::string folder = fixtures::windowsPath(dir.path());
  makeFile(folder + "\\1.ico");
  makeFolder(folder + "\\a");
  LinkedDrive drive(dir.path());
  if (drive.name().empty()) GTEST_SKIP() << "no drive letter could be made here";
  ASSERT_TRUE(fixtures::fileExists(drive.name() + "\\1.ico"));
  for (const std::string& root : {drive.name() + "\\", drive.name(), "  " + drive.name() + "\\"})
    EXPECT_FALSE(housekeeping::deleteFolderTree(housekeeping::platformFileSystem(), root)) << root;
  EXPECT_TRUE(fixtures::fileExists(folder + "\\1.ico"));
  EXPECT_TRUE(fixtures::fileExists(folder + "\\a"));
}

TEST(PlatformWriteFileBytes, SkipsAFileHeldOpenWithoutSharing) {
  fixtures::TempDir dir;
  std::string held = dir.file("1.ico"), next = dir.file("2.ico");
  makeFile(held);
  base::UniqueFile holder(::CreateFileW(base::toWide(held).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr));
  ASSERT_TRUE(holder);
  const base::Bytes bytes(3126, 0x42);
  EXPECT_FALSE(base::writeFileBytes(held, bytes));
  EXPECT_TRUE(base::writeFileBytes(next, bytes));
  holder.reset();
  EXPECT_EQ(fixtures::readFileText(held), "icon");
  EXPECT_EQ(fixtures::readFileText(next), std::string(3126, 0x42));
}

}  // namespace
