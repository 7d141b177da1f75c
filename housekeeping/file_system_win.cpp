#include <windows.h>

#include "base/unique_handle_win.h"
#include "base/wide_win.h"
#include "housekeeping/delete_folder_tree.h"

namespace housekeeping {

namespace {

struct FindHandleTraits {
  using Handle = HANDLE;
  static Handle invalid() { return INVALID_HANDLE_VALUE; }
  static void close(Handle h) { ::FindClose(h); }
};

class WindowsFileSystem final : public FileSystem {
 public:
  std::vector<Entry> list(const std::string& pattern) override {
    std::vector<Entry> entries;
    WIN32_FIND_DATAW found{};
    HANDLE first = ::FindFirstFileW(base::toWide(pattern).c_str(), &found);
    if (first == INVALID_HANDLE_VALUE) return entries;
    FindHandle search(first);
    do {
      entries.push_back({base::fromWide(found.cFileName), (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0,
                         (found.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
    } while (::FindNextFileW(search.get(), &found));
    return entries;
  }

  bool removeFile(const std::string& path) override { return ::DeleteFileW(base::toWide(path).c_str()); }
  bool removeFolder(const std::string& path) override { return ::RemoveDirectoryW(base::toWide(path).c_str()); }
  bool createFolder(const std::string& path) override { return ::CreateDirectoryW(base::toWide(path).c_str(), nullptr); }

 private:
  using FindHandle = base::UniqueHandle<FindHandleTraits>;
};

}  // namespace

FileSystem& platformFileSystem() {
  static WindowsFileSystem files;
  return files;
}

}  // namespace housekeeping
