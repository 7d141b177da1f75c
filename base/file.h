#pragma once
// Files by UTF-8 path. The platform part lives in file_posix.cpp and file_win.cpp.

#include <optional>
#include <string>

#include "base/bytes.h"

namespace base {

enum class FileSharing {
  Read,  // others may read the file while it is mapped
  None,  // opening fails while anyone else has the file open
};

// A read-only view of a whole regular file, mapped into memory.
// Folders, missing and unreadable files do not open.
class MappedFile {
 public:
  static std::optional<MappedFile> open(const std::string& path, FileSharing sharing = FileSharing::Read);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  ByteView bytes() const { return {static_cast<const std::uint8_t*>(address_), size_}; }

 private:
  MappedFile(const void* address, std::size_t size) : address_(address), size_(size) {}
  void release();

  const void* address_ = nullptr;  // null for an empty file
  std::size_t size_ = 0;
};

// Creates the file or empties an existing one, admitting no other opener
// while it is open, and writes all the bytes. Empty path: false.
bool writeFileBytes(const std::string& path, ByteView bytes);

// Creates one folder; its parent must exist. False when it exists already or cannot be made.
bool createDirectory(const std::string& path);

}  // namespace base
