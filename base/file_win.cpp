#include <windows.h>

#include <utility>

#include "base/file.h"
#include "base/unique_handle_win.h"
#include "base/wide_win.h"

namespace base {

std::optional<MappedFile> MappedFile::open(const std::string& path, FileSharing sharing) {
  if (path.empty()) return std::nullopt;
  DWORD share = sharing == FileSharing::Read ? FILE_SHARE_READ : 0;
  UniqueFile file(::CreateFileW(toWide(path).c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return std::nullopt;  // also for folders, which CreateFileW opens only on request
  LARGE_INTEGER size{};
  if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;
  if (size.QuadPart == 0) return MappedFile(nullptr, 0);
  if (static_cast<unsigned long long>(size.QuadPart) > SIZE_MAX) return std::nullopt;
  UniqueKernelHandle mapping(::CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) return std::nullopt;
  const void* address = ::MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0);
  if (!address) return std::nullopt;
  // The view keeps the file and the mapping alive after their handles close.
  return MappedFile(address, static_cast<std::size_t>(size.QuadPart));
}

void MappedFile::release() {
  if (address_) ::UnmapViewOfFile(address_);
  address_ = nullptr;
  size_ = 0;
}

bool writeFileBytes(const std::string& path, ByteView bytes) {
  if (path.empty()) return false;
  UniqueFile file(::CreateFileW(toWide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  if (bytes.empty()) return true;
  if (bytes.size() > MAXDWORD) return false;
  DWORD written = 0;
  return ::WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
}

bool createDirectory(const std::string& path) {
  return !path.empty() && ::CreateDirectoryW(toWide(path).c_str(), nullptr);
}

}  // namespace base
