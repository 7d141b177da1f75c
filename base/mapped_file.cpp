// The platform-independent half of MappedFile; opening and unmapping are in
// file_posix.cpp and file_win.cpp.

#include <utility>

#include "base/file.h"

namespace base {

MappedFile::MappedFile(MappedFile&& other) noexcept
    : address_(std::exchange(other.address_, nullptr)), size_(std::exchange(other.size_, 0)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
  if (this != &other) {
    release();
    address_ = std::exchange(other.address_, nullptr);
    size_ = std::exchange(other.size_, 0);
  }
  return *this;
}

MappedFile::~MappedFile() { release(); }

}  // namespace base
