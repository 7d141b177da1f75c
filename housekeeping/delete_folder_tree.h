#pragma once
// Deleting a folder with everything in it, as the work folder is emptied at close.

#include <string>
#include <vector>

namespace housekeeping {

// What the deletion needs of the file system; the platform's is in
// file_system_win.cpp, tests use an in-memory one.
class FileSystem {
 public:
  struct Entry {
    std::string name;
    bool isFolder = false;
    bool isLink = false;  // a symbolic link or junction: removed itself, never followed
  };

  virtual ~FileSystem() = default;
  // Every entry that `pattern` (a folder + "\*.*") matches, in the order the file system gives them.
  virtual std::vector<Entry> list(const std::string& pattern) = 0;
  virtual bool removeFile(const std::string& path) = 0;
  virtual bool removeFolder(const std::string& path) = 0;  // only an empty folder, or a link to one
  virtual bool createFolder(const std::string& path) = 0;  // one level
};

// Removes the folder at path with everything in it, depth first, ignoring
// every failure; names beginning with "." are skipped and stay, and so then
// does the folder. A drive root ("D:" or "D:\") is never touched. The whole
// listing of a folder is taken before anything in it is removed.
// Result: whether the folder itself went.
bool deleteFolderTree(FileSystem& files, const std::string& path);

// The platform's file system (Windows only).
FileSystem& platformFileSystem();

}  // namespace housekeeping
