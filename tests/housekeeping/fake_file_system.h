#pragma once
// An in-memory file system with Windows path rules: "\" separators, doubled
// backslashes read as one, a trailing backslash ignored.

#include <map>
#include <string>
#include <vector>

#include "housekeeping/delete_folder_tree.h"

namespace fixtures {

class FakeFileSystem final : public housekeeping::FileSystem {
 public:
  enum class Kind { File, Folder, LinkToFolder, LockedFile };

  void add(const std::string& path, Kind kind) { nodes_[normalise(path)] = kind; }
  bool exists(const std::string& path) const { return nodes_.count(normalise(path)) > 0; }
  std::vector<std::string> operations;  // "list X", "file X", "folder X", "create X", in order

  std::vector<Entry> list(const std::string& pattern) override {
    operations.push_back("list " + pattern);
    std::string folder = normalise(pattern.substr(0, pattern.rfind('\\')));
    std::vector<Entry> entries;
    if (!isFolder(folder)) return entries;
    entries.push_back({".", true, false});
    entries.push_back({"..", true, false});
    for (const auto& [path, kind] : nodes_)
      if (parentOf(path) == folder)
        entries.push_back({path.substr(folder.size() + 1), kind == Kind::Folder || kind == Kind::LinkToFolder,
                           kind == Kind::LinkToFolder});
    return entries;
  }

  bool removeFile(const std::string& path) override {
    operations.push_back("file " + path);
    auto node = nodes_.find(normalise(path));
    if (node == nodes_.end() || node->second != Kind::File) return false;
    nodes_.erase(node);
    return true;
  }

  bool removeFolder(const std::string& path) override {
    operations.push_back("folder " + path);
    std::string p = normalise(path);
    auto node = nodes_.find(p);
    if (node == nodes_.end() || !isFolder(p) || (node->second == Kind::Folder && hasChildren(p))) return false;
    nodes_.erase(node);
    return true;
  }

  bool createFolder(const std::string& path) override {
    operations.push_back("create " + path);
    std::string p = normalise(path);
    if (exists(p) || !isFolder(parentOf(p))) return false;
    nodes_[p] = Kind::Folder;
    return true;
  }

 private:
  static std::string normalise(const std::string& path) {
    std::string out;
    for (char c : path)
      if (c != '\\' || out.empty() || out.back() != '\\') out += c;
    if (out.size() > 3 && out.back() == '\\') out.pop_back();
    return out;
  }
  static std::string parentOf(const std::string& path) {
    auto slash = path.rfind('\\');
    return slash == std::string::npos ? "" : path.substr(0, slash);
  }
  bool isFolder(const std::string& path) const {
    auto node = nodes_.find(path);
    return node != nodes_.end() && (node->second == Kind::Folder || node->second == Kind::LinkToFolder);
  }
  bool hasChildren(const std::string& folder) const {
    for (const auto& entry : nodes_)
      if (parentOf(entry.first) == folder) return true;
    return false;
  }

  std::map<std::string, Kind> nodes_;
};

}  // namespace fixtures
