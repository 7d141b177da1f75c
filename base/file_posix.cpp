#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "base/file.h"

namespace base {

namespace {

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  int release() { return std::exchange(fd_, -1); }

 private:
  int fd_;
};

bool writeAll(int fd, ByteView bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes = bytes.subspan(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

std::optional<MappedFile> MappedFile::open(const std::string& path, FileSharing) {
  if (path.empty()) return std::nullopt;
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
  if (fd.get() < 0) return std::nullopt;
  struct stat info {};
  if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) return std::nullopt;
  if (info.st_size == 0) return MappedFile(nullptr, 0);
  auto size = static_cast<std::size_t>(info.st_size);
  if (static_cast<off_t>(size) != info.st_size) return std::nullopt;
  void* address = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.get(), 0);
  if (address == MAP_FAILED) return std::nullopt;
  return MappedFile(address, size);
}

void MappedFile::release() {
  if (address_) ::munmap(const_cast<void*>(address_), size_);
  address_ = nullptr;
  size_ = 0;
}

bool writeFileBytes(const std::string& path, ByteView bytes) {
  if (path.empty()) return false;
  Descriptor fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
  if (fd.get() < 0) return false;
  bool written = writeAll(fd.get(), bytes);
  return ::close(fd.release()) == 0 && written;
}

bool createDirectory(const std::string& path) { return !path.empty() && ::mkdir(path.c_str(), 0755) == 0; }

}  // namespace base
