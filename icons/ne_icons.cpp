// Icon resources of 16-bit NE modules (old executables and classic icon
// libraries), read from the resource table that the NE header points to.

#include <algorithm>
#include <unordered_map>

#include "icons/module_icons.h"

namespace icons {

namespace {

constexpr std::uint16_t kNeSignature = 0x454E;  // "NE"
constexpr std::uint16_t kIntegerFlag = 0x8000;
constexpr std::uint16_t kRtIcon = 0x8000 | 3;
constexpr std::uint16_t kRtGroupIcon = 0x8000 | 14;
constexpr std::uint64_t kTypeInfoSize = 8;
constexpr std::uint64_t kNameInfoSize = 12;
constexpr std::uint16_t kMaxAlignShift = 24;

// Names are length-prefixed 8-bit texts; bytes above 127 are taken as Latin-1.
std::string nameAt(base::ByteView file, std::uint64_t offset) {
  base::ByteReader r(file);
  std::uint8_t length = r.u8(offset);
  base::Slice text = base::slice(file, offset + 1, length);
  std::string out;
  if (!r.ok() || !text.ok) return out;
  for (std::uint8_t c : text.view) {
    if (c < 0x80) {
      out += static_cast<char>(c);
    } else {
      out += static_cast<char>(0xC0 | (c >> 6));
      out += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return out;
}

// A resource's bytes. Lengths are padded to the alignment unit, so a last
// resource may claim a few bytes past the end of the file; those are cut off.
std::optional<base::ByteView> resourceData(base::ByteView file, std::uint64_t offset, std::uint64_t length) {
  if (offset >= file.size() || length == 0) return std::nullopt;
  return base::slice(file, offset, std::min<std::uint64_t>(length, file.size() - offset)).view;
}

struct NeGroup {
  ResourceName name;
  std::optional<base::ByteView> data;
};

class NeIcons final : public ModuleIcons {
 public:
  explicit NeIcons(std::uint64_t fileSize) : fileSize_(fileSize) {}

  ModuleKind kind() const override { return ModuleKind::Ne; }
  std::size_t groupCount() const override { return groups_.size(); }
  ResourceName groupName(std::size_t index) const override {
    return index < groups_.size() ? groups_[index].name : ResourceName{};
  }
  std::optional<std::vector<base::ByteView>> groupImages(std::size_t index) const override {
    if (index >= groups_.size() || !groups_[index].data) return std::nullopt;
    return resolveGroup(*groups_[index].data, fileSize_, [&](std::uint16_t id) -> std::optional<base::ByteView> {
      auto found = images_.find(id);
      if (found == images_.end()) return std::nullopt;
      return found->second;
    });
  }

  void addGroup(ResourceName name, std::optional<base::ByteView> data) { groups_.push_back({std::move(name), data}); }
  void addImage(std::uint16_t id, base::ByteView data) { images_.emplace(id, data); }  // the first of an id wins

 private:
  std::uint64_t fileSize_;
  std::vector<NeGroup> groups_;
  std::unordered_map<std::uint16_t, base::ByteView> images_;
};

}  // namespace

std::unique_ptr<ModuleIcons> readNeIcons(base::ByteView file) {
  base::ByteReader r(file);
  if (r.u16(0) != 0x5A4D) return nullptr;  // "MZ"
  std::uint64_t ne = r.u32(0x3C);
  if (r.u16(ne) != kNeSignature || !r.ok()) return nullptr;

  auto icons = std::make_unique<NeIcons>(file.size());
  std::uint16_t resourceTable = r.u16(ne + 0x24);
  std::uint16_t residentNames = r.u16(ne + 0x26);
  if (!r.ok() || resourceTable == residentNames) return icons;  // no resource table

  std::uint64_t table = ne + resourceTable;
  std::uint16_t shift = r.u16(table);
  if (!r.ok() || shift > kMaxAlignShift) return icons;

  // Each type record consumes bytes of the file, so the walk ends.
  for (std::uint64_t type = table + 2; r.has(type, 2);) {
    std::uint16_t typeId = r.u16(type);
    std::uint64_t count = r.u16(type + 2);
    std::uint64_t names = type + kTypeInfoSize;
    if (typeId == 0 || !r.has(names, count * kNameInfoSize)) break;
    for (std::uint64_t i = 0; i < count && (typeId == kRtIcon || typeId == kRtGroupIcon); ++i) {
      std::uint64_t at = names + i * kNameInfoSize;
      std::uint16_t id = r.u16(at + 6);
      auto data = resourceData(file, std::uint64_t{r.u16(at)} << shift, std::uint64_t{r.u16(at + 2)} << shift);
      if (typeId == kRtIcon) {
        if ((id & kIntegerFlag) && data) icons->addImage(id & ~kIntegerFlag, *data);
      } else if (id & kIntegerFlag) {
        icons->addGroup({static_cast<std::uint16_t>(id & ~kIntegerFlag), {}}, data);
      } else {
        icons->addGroup({std::nullopt, nameAt(file, table + id)}, data);
      }
    }
    type = names + count * kNameInfoSize;
  }
  return icons;
}

}  // namespace icons
