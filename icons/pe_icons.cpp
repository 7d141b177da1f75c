// Icon resources of PE32 and PE32+ modules, read from the file's bytes the way
// the platform's loader finds them: through the resource entry of the optional
// header's data directory, with RVAs mapped through the section headers.

#include <vector>

#include "base/utf.h"
#include "icons/module_icons.h"

namespace icons {

namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDataDirectory = 2;
constexpr std::uint16_t kRtIcon = 3;
constexpr std::uint16_t kRtGroupIcon = 14;
constexpr std::uint32_t kHighBit = 0x80000000;

struct Section {
  std::uint64_t virtualAddress;
  std::uint64_t rawSize;
  std::uint64_t rawPointer;
};

struct DirectoryEntry {
  std::uint32_t name;    // id, or offset of a name string when the high bit is set
  std::uint32_t target;  // data entry, or a subdirectory when the high bit is set
  bool named() const { return name & kHighBit; }
  bool isDirectory() const { return target & kHighBit; }
  std::uint32_t targetOffset() const { return target & ~kHighBit; }
};

class PeImage {
 public:
  PeImage(base::ByteView file, std::vector<Section> sections, std::uint64_t resourceRva)
      : file_(file), sections_(std::move(sections)), resourceRva_(resourceRva) {}

  // The bytes at [rva, rva + size) when they lie wholly in one section's file data.
  std::optional<base::ByteView> map(std::uint64_t rva, std::uint64_t size) const {
    for (const Section& s : sections_) {
      if (rva < s.virtualAddress || rva - s.virtualAddress >= s.rawSize) continue;
      std::uint64_t within = rva - s.virtualAddress;
      if (size > s.rawSize - within) return std::nullopt;
      base::Slice bytes = base::slice(file_, s.rawPointer + within, size);
      if (!bytes.ok) return std::nullopt;
      return bytes.view;
    }
    return std::nullopt;
  }

  // Offsets inside the resource tree count from the start of its root directory.
  std::optional<base::ByteView> resourceBytes(std::uint64_t offset, std::uint64_t size) const {
    return map(resourceRva_ + offset, size);
  }

  std::vector<DirectoryEntry> directory(std::uint64_t offset) const {
    auto header = resourceBytes(offset, 16);
    if (!header) return {};
    base::ByteReader h(*header);
    std::uint64_t count = std::uint64_t{h.u16(12)} + h.u16(14);
    auto entries = resourceBytes(offset + 16, count * 8);
    if (!entries) return {};
    base::ByteReader e(*entries);
    std::vector<DirectoryEntry> result;
    result.reserve(count);
    for (std::uint64_t i = 0; i < count; ++i) result.push_back({e.u32(i * 8), e.u32(i * 8 + 4)});
    return result;
  }

  ResourceName name(const DirectoryEntry& entry) const {
    if (!entry.named()) return {static_cast<std::uint16_t>(entry.name), {}};
    std::uint64_t offset = entry.name & ~kHighBit;
    auto length = resourceBytes(offset, 2);
    if (!length) return {std::nullopt, {}};
    std::uint16_t chars = base::ByteReader(*length).u16(0);
    auto text = resourceBytes(offset + 2, std::uint64_t{chars} * 2);
    if (!text) return {std::nullopt, {}};
    std::u16string utf16(chars, u'\0');
    base::ByteReader r(*text);
    for (std::uint16_t i = 0; i < chars; ++i) utf16[i] = static_cast<char16_t>(r.u16(std::uint64_t{i} * 2));
    return {std::nullopt, base::utf16ToUtf8(utf16)};
  }

  // The language level below a name: every language whose data lies in the file.
  const LanguageVariants* languages(ModuleIcons& icons, const DirectoryEntry& nameEntry) const {
    if (!nameEntry.isDirectory()) return nullptr;
    bool isNew = false;
    LanguageVariants& variants = icons.variantsFor(nameEntry.targetOffset(), isNew);
    if (!isNew) return &variants;
    for (const DirectoryEntry& entry : directory(nameEntry.targetOffset())) {
      if (entry.named() || entry.isDirectory()) continue;
      auto dataEntry = resourceBytes(entry.target, 16);
      if (!dataEntry) continue;
      base::ByteReader d(*dataEntry);
      if (auto data = map(d.u32(0), d.u32(4))) variants.add(static_cast<std::uint16_t>(entry.name), *data);
    }
    return &variants;
  }

 private:
  base::ByteView file_;
  std::vector<Section> sections_;
  std::uint64_t resourceRva_;
};

std::optional<DirectoryEntry> findType(const std::vector<DirectoryEntry>& types, std::uint16_t type) {
  for (const DirectoryEntry& entry : types)
    if (!entry.named() && entry.name == type && entry.isDirectory()) return entry;
  return std::nullopt;
}

}  // namespace

std::optional<ModuleIcons> readPeIcons(base::ByteView file) {
  base::ByteReader r(file);
  if (r.u16(0) != 0x5A4D) return std::nullopt;  // "MZ"
  std::uint64_t pe = r.u32(0x3C);
  if (r.u32(pe) != kPeSignature || !r.ok()) return std::nullopt;

  std::uint64_t coff = pe + 4;
  std::uint16_t sectionCount = r.u16(coff + 2);
  std::uint16_t optionalSize = r.u16(coff + 16);
  std::uint64_t optional = coff + 20;
  std::uint16_t magic = r.u16(optional);
  if (!r.ok() || (magic != kPe32Magic && magic != kPe32PlusMagic)) return std::nullopt;

  ModuleIcons icons(ModuleKind::Pe, file.size());
  std::uint64_t countField = magic == kPe32Magic ? 92 : 108;
  std::uint64_t directories = magic == kPe32Magic ? 96 : 112;
  std::uint64_t resourceField = directories + kResourceDataDirectory * 8;
  if (r.u32(optional + countField) <= kResourceDataDirectory || resourceField + 8 > optionalSize) return icons;
  std::uint32_t resourceRva = r.u32(optional + resourceField);
  if (!r.ok() || resourceRva == 0) return icons;

  std::vector<Section> sections;
  std::uint64_t table = optional + optionalSize;
  if (!r.has(table, std::uint64_t{sectionCount} * 40)) return icons;
  for (std::uint64_t i = 0; i < sectionCount; ++i) {
    std::uint64_t at = table + i * 40;
    sections.push_back({r.u32(at + 12), r.u32(at + 16), r.u32(at + 20)});
  }

  PeImage image(file, std::move(sections), resourceRva);
  std::vector<DirectoryEntry> types = image.directory(0);
  if (auto iconType = findType(types, kRtIcon)) {
    for (const DirectoryEntry& entry : image.directory(iconType->targetOffset()))
      if (!entry.named()) icons.addImage(static_cast<std::uint16_t>(entry.name), image.languages(icons, entry));
  }
  if (auto groupType = findType(types, kRtGroupIcon)) {
    for (const DirectoryEntry& entry : image.directory(groupType->targetOffset()))
      icons.addGroup(image.name(entry), image.languages(icons, entry));
  }
  return icons;
}

}  // namespace icons
