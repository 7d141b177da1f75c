// Icon resources of PE32 and PE32+ modules, read from the file's bytes the way
// the platform's loader finds them: through the resource entry of the optional
// header's data directory, with RVAs mapped through the section headers.
// Nothing is read before it is asked for, so one group of a module with
// thousands costs the same as one of a module with a few.

#include <vector>

#include "base/utf.h"
#include "icons/module_icons.h"

namespace icons {

namespace {

constexpr std::uint32_t kPeSignature = 0x00004550;  // "PE\0\0"
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kResourceDataDirectory = 2;
constexpr std::uint32_t kRtIcon = 3;
constexpr std::uint32_t kRtGroupIcon = 14;
constexpr std::uint32_t kHighBit = 0x80000000;
constexpr std::uint64_t kSectionHeaderSize = 40;

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

// One table of the resource tree: named entries first, then numbered ones in
// ascending order.
struct Directory {
  std::uint64_t entries = 0;  // offset of the first entry
  std::uint64_t named = 0;
  std::uint64_t count = 0;  // 0 when the table does not lie in the file
};

// A language-neutral variant first (primary language 0), else the first listed.
bool isNeutral(std::uint32_t language) { return (language & 0x3FF) == 0; }

class PeIcons final : public ModuleIcons {
 public:
  PeIcons(base::ByteView file, std::vector<Section> sections, std::uint64_t resourceRva)
      : file_(file), sections_(std::move(sections)), resourceRva_(resourceRva) {
    Directory types = directory(0);
    if (auto icons = findNumbered(types, kRtIcon); icons && icons->isDirectory())
      icons_ = directory(icons->targetOffset());
    if (auto groups = findNumbered(types, kRtGroupIcon); groups && groups->isDirectory())
      groups_ = directory(groups->targetOffset());
  }

  ModuleKind kind() const override { return ModuleKind::Pe; }
  std::size_t groupCount() const override { return static_cast<std::size_t>(groups_.count); }

  ResourceName groupName(std::size_t index) const override {
    if (index >= groups_.count) return {};
    return name(entry(groups_, index));
  }

  std::optional<std::vector<base::ByteView>> groupImages(std::size_t index) const override {
    if (index >= groups_.count) return std::nullopt;
    DirectoryEntry group = entry(groups_, index);
    if (!group.isDirectory()) return std::nullopt;
    Directory languages = directory(group.targetOffset());
    std::optional<DirectoryEntry> chosen = preferredLanguage(languages);
    if (!chosen) return std::nullopt;
    auto data = dataOf(*chosen);
    if (!data) return std::nullopt;
    std::uint32_t language = chosen->name;
    return resolveGroup(*data, file_.size(), [&](std::uint16_t id) { return icon(id, language); });
  }

 private:
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

  // Offsets inside the resource tree count from the start of its root table.
  std::optional<base::ByteView> resourceBytes(std::uint64_t offset, std::uint64_t size) const {
    return map(resourceRva_ + offset, size);
  }

  Directory directory(std::uint64_t offset) const {
    auto header = resourceBytes(offset, 16);
    if (!header) return {};
    base::ByteReader h(*header);
    std::uint64_t named = h.u16(12), count = named + h.u16(14);
    if (!resourceBytes(offset + 16, count * 8)) return {};
    return {offset + 16, named, count};
  }

  // Precondition: index < table.count, so the entry lies in the file.
  DirectoryEntry entry(const Directory& table, std::uint64_t index) const {
    base::ByteReader r(*resourceBytes(table.entries + index * 8, 8));
    return {r.u32(0), r.u32(4)};
  }

  std::optional<DirectoryEntry> findNumbered(const Directory& table, std::uint32_t id) const {
    // Binary search among the numbered entries, as the loader does.
    std::uint64_t low = table.named, high = table.count;
    while (low < high) {
      std::uint64_t middle = low + (high - low) / 2;
      DirectoryEntry e = entry(table, middle);
      if (e.name == id) return e;
      if (e.name < id) low = middle + 1; else high = middle;
    }
    return std::nullopt;
  }

  std::optional<DirectoryEntry> preferredLanguage(const Directory& languages) const {
    std::optional<DirectoryEntry> first;
    for (std::uint64_t i = 0; i < languages.count; ++i) {
      DirectoryEntry e = entry(languages, i);
      if (e.named() || e.isDirectory()) continue;
      if (isNeutral(e.name)) return e;
      if (!first) first = e;
    }
    return first;
  }

  // An icon image in the group's language, else a neutral one, else any.
  std::optional<base::ByteView> icon(std::uint16_t id, std::uint32_t language) const {
    auto named = findNumbered(icons_, id);
    if (!named || !named->isDirectory()) return std::nullopt;
    Directory languages = directory(named->targetOffset());
    for (std::uint32_t wanted : {language, 0u}) {
      auto variant = findNumbered(languages, wanted);
      if (variant && !variant->isDirectory()) return dataOf(*variant);
    }
    for (std::uint64_t i = 0; i < languages.count; ++i) {
      DirectoryEntry e = entry(languages, i);
      if (!e.isDirectory()) return dataOf(e);
    }
    return std::nullopt;
  }

  std::optional<base::ByteView> dataOf(const DirectoryEntry& leaf) const {
    auto dataEntry = resourceBytes(leaf.target, 16);
    if (!dataEntry) return std::nullopt;
    base::ByteReader d(*dataEntry);
    return map(d.u32(0), d.u32(4));
  }

  ResourceName name(const DirectoryEntry& e) const {
    if (!e.named()) return {static_cast<std::uint16_t>(e.name), {}};
    std::uint64_t offset = e.name & ~kHighBit;
    auto length = resourceBytes(offset, 2);
    if (!length) return {};
    std::uint16_t chars = base::ByteReader(*length).u16(0);
    auto text = resourceBytes(offset + 2, std::uint64_t{chars} * 2);
    if (!text) return {};
    std::u16string utf16(chars, u'\0');
    base::ByteReader r(*text);
    for (std::uint16_t i = 0; i < chars; ++i) utf16[i] = static_cast<char16_t>(r.u16(std::uint64_t{i} * 2));
    return {std::nullopt, base::utf16ToUtf8(utf16)};
  }

  base::ByteView file_;
  std::vector<Section> sections_;
  std::uint64_t resourceRva_;
  Directory icons_;
  Directory groups_;
};

}  // namespace

std::unique_ptr<ModuleIcons> readPeIcons(base::ByteView file) {
  base::ByteReader r(file);
  if (r.u16(0) != 0x5A4D) return nullptr;  // "MZ"
  std::uint64_t pe = r.u32(0x3C);
  if (r.u32(pe) != kPeSignature || !r.ok()) return nullptr;

  std::uint64_t coff = pe + 4;
  std::uint16_t sectionCount = r.u16(coff + 2);
  std::uint16_t optionalSize = r.u16(coff + 16);
  std::uint64_t optional = coff + 20;
  std::uint16_t magic = r.u16(optional);
  if (!r.ok() || (magic != kPe32Magic && magic != kPe32PlusMagic)) return nullptr;

  std::uint64_t countField = magic == kPe32Magic ? 92 : 108;
  std::uint64_t resourceField = (magic == kPe32Magic ? 96 : 112) + kResourceDataDirectory * 8;
  std::uint64_t resourceRva = 0;
  if (r.u32(optional + countField) > kResourceDataDirectory && resourceField + 8 <= optionalSize)
    resourceRva = r.u32(optional + resourceField);

  std::vector<Section> sections;
  std::uint64_t table = optional + optionalSize;
  if (resourceRva != 0 && r.ok() && r.has(table, sectionCount * kSectionHeaderSize)) {
    for (std::uint64_t i = 0; i < sectionCount; ++i) {
      std::uint64_t at = table + i * kSectionHeaderSize;
      sections.push_back({r.u32(at + 12), r.u32(at + 16), r.u32(at + 20)});
    }
  }
  // Without a resource directory or sections the module simply holds no icons.
  return std::make_unique<PeIcons>(file, std::move(sections), resourceRva);
}

}  // namespace icons
