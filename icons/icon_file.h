#pragma once
// Icon (.ico) files: reading their images and building new ones.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "base/bytes.h"

namespace icons {

// The images of an icon file, in directory order: reserved 0, type 1, a count
// N, N 16-byte entries, and each image read by its size and offset. Any
// shortfall means the file is not read.
std::optional<std::vector<base::ByteView>> readIconFile(base::ByteView file);
std::optional<std::vector<base::ByteView>> readIconFile(const base::Bytes&& file) = delete;  // would dangle

// One 16-byte directory entry of an icon file we write.
struct IcoDirectoryEntry {
  std::uint8_t width = 0;
  std::uint8_t height = 0;
  std::uint8_t colourCount = 0;
  std::uint16_t planes = 0;
  std::uint16_t bitsPerPixel = 0;
  bool operator==(const IcoDirectoryEntry&) const = default;
};

// The entry is derived from the image itself, never copied from a source directory.
IcoDirectoryEntry icoDirectoryEntryFor(base::ByteView image);

// An icon file holding the images in order, with the size field of each
// bitmap header written as 0. Nullopt when the file would pass 4 GiB.
std::optional<base::Bytes> buildIcoFile(std::span<const base::ByteView> images);

}  // namespace icons
