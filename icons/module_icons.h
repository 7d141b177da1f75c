#pragma once
// The icon resources of a PE or NE module: its icon groups in the order its
// resource directory lists them, each read on demand with its images.
// Views point into the module's bytes, which must outlive this value.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.h"

namespace icons {

enum class ModuleKind { Pe, Ne };

// The name of a resource: a number, or a text for named resources.
struct ResourceName {
  std::optional<std::uint16_t> id;
  std::string text;  // UTF-8

  std::string display() const { return id ? std::to_string(*id) : text; }
};

class ModuleIcons {
 public:
  virtual ~ModuleIcons() = default;

  virtual ModuleKind kind() const = 0;
  virtual std::size_t groupCount() const = 0;
  virtual ResourceName groupName(std::size_t index) const = 0;
  // The images that group `index` names, in its order; nullopt when the group
  // or any of its images cannot be read.
  virtual std::optional<std::vector<base::ByteView>> groupImages(std::size_t index) const = 0;
};

// Reads a module's icon resources; null when the bytes are not a PE or NE module.
std::unique_ptr<ModuleIcons> readPeIcons(base::ByteView file);
std::unique_ptr<ModuleIcons> readNeIcons(base::ByteView file);
std::unique_ptr<ModuleIcons> readModuleIcons(base::ByteView file);
// The result points into the bytes: a temporary would leave it dangling.
std::unique_ptr<ModuleIcons> readModuleIcons(const base::Bytes&& file) = delete;

// A group's data (a count at offset 4, then 14-byte entries whose 16-bit field
// at offset 12 numbers an icon image) resolved to the images it names.
// `findImage` looks one image up by number; images are never empty.
template <typename FindImage>
std::optional<std::vector<base::ByteView>> resolveGroup(base::ByteView group, std::uint64_t fileSize,
                                                        FindImage findImage) {
  base::ByteReader reader(group);
  std::uint64_t count = reader.u16(4);
  if (!reader.ok() || !reader.has(6, count * 14)) return std::nullopt;
  std::vector<base::ByteView> images;
  images.reserve(count);
  std::uint64_t total = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    std::optional<base::ByteView> image = findImage(reader.u16(6 + i * 14 + 12));
    if (!image || image->empty()) return std::nullopt;
    // Images that add up to more than the whole file must repeat one another:
    // refuse to amplify them rather than write a file larger than the source.
    total += image->size();
    if (total > fileSize) return std::nullopt;
    images.push_back(*image);
  }
  return images;
}

}  // namespace icons
