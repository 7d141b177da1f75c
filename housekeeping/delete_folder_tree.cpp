#include "housekeeping/delete_folder_tree.h"

#include <algorithm>

namespace housekeeping {

namespace {

// Paths are limited to a few hundred characters, so real trees are far
// shallower; the bound only keeps a pathological one from exhausting the stack.
constexpr int kMaxDepth = 200;

bool isDriveRoot(const std::string& path) {
  return path.size() >= 2 && path[1] == ':' && (path.size() == 2 || (path.size() == 3 && path[2] == '\\'));
}

void emptyFolder(FileSystem& files, const std::string& folder, int depth) {
  if (depth > kMaxDepth) return;
  const std::vector<FileSystem::Entry> entries = files.list(folder + "\\*.*");
  for (const FileSystem::Entry& entry : entries) {
    if (entry.name.empty() || entry.name[0] == '.') continue;  // ".", ".." and dot-named entries stay
    std::string path = folder + "\\" + entry.name;
    if (entry.isLink) {
      entry.isFolder ? files.removeFolder(path) : files.removeFile(path);
    } else if (entry.isFolder) {
      emptyFolder(files, path, depth + 1);
      files.removeFolder(path);
    } else {
      files.removeFile(path);
    }
  }
}

}  // namespace

bool deleteFolderTree(FileSystem& files, const std::string& path) {
  std::string folder = path.substr(std::min(path.find_first_not_of(' '), path.size()));
  if (folder.empty() || isDriveRoot(folder)) return false;
  emptyFolder(files, folder, 0);
  return files.removeFolder(folder);
}

}  // namespace housekeeping
