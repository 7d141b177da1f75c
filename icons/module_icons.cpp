#include "icons/module_icons.h"

#include <algorithm>

namespace icons {

namespace {

bool isNeutral(std::uint16_t language) { return (language & 0x3FF) == 0; }

constexpr std::uint64_t kGroupHeaderSize = 6;
constexpr std::uint64_t kGroupEntrySize = 14;
constexpr std::uint64_t kGroupEntryIconId = 12;

}  // namespace

void LanguageVariants::add(std::uint16_t language, base::ByteView data) {
  inOrder_.emplace_back(language, data);
  auto at = std::upper_bound(byLanguage_.begin(), byLanguage_.end(), language,
                             [](std::uint16_t l, const auto& entry) { return l < entry.first; });
  if (at == byLanguage_.begin() || (at - 1)->first != language) byLanguage_.insert(at, {language, data});
}

std::pair<std::uint16_t, base::ByteView> LanguageVariants::preferred() const {
  for (const auto& entry : inOrder_)
    if (isNeutral(entry.first)) return entry;
  return inOrder_.front();
}

std::optional<base::ByteView> LanguageVariants::exact(std::uint16_t language) const {
  auto at = std::lower_bound(byLanguage_.begin(), byLanguage_.end(), language,
                             [](const auto& entry, std::uint16_t l) { return entry.first < l; });
  if (at == byLanguage_.end() || at->first != language) return std::nullopt;
  return at->second;
}

std::optional<base::ByteView> LanguageVariants::lookup(std::uint16_t language) const {
  if (inOrder_.empty()) return std::nullopt;
  if (auto found = exact(language)) return found;
  if (auto neutral = exact(0)) return neutral;
  return inOrder_.front().second;
}

LanguageVariants& ModuleIcons::variantsFor(std::uint64_t key, bool& isNew) {
  auto& slot = variants_[key];
  isNew = !slot;
  if (!slot) slot = std::make_unique<LanguageVariants>();
  return *slot;
}

void ModuleIcons::addGroup(ResourceName name, const LanguageVariants* variants) {
  groups_.push_back({std::move(name), variants && !variants->empty() ? variants : nullptr});
}

void ModuleIcons::addImage(std::uint16_t id, const LanguageVariants* variants) {
  if (variants && !variants->empty()) images_.emplace(id, variants);
}

std::optional<std::vector<base::ByteView>> ModuleIcons::groupImages(std::size_t index) const {
  if (index >= groups_.size() || !groups_[index].variants) return std::nullopt;
  auto [language, group] = groups_[index].variants->preferred();
  base::ByteReader reader(group);
  std::uint64_t count = reader.u16(4);
  if (!reader.ok() || !reader.has(kGroupHeaderSize, count * kGroupEntrySize)) return std::nullopt;

  std::vector<base::ByteView> images;
  images.reserve(count);
  std::uint64_t total = 0;
  for (std::uint64_t i = 0; i < count; ++i) {
    std::uint16_t id = reader.u16(kGroupHeaderSize + i * kGroupEntrySize + kGroupEntryIconId);
    auto found = images_.find(id);
    if (found == images_.end()) return std::nullopt;
    auto image = found->second->lookup(language);
    if (!image || image->empty()) return std::nullopt;
    // Images that add up to more than the whole file must repeat one another:
    // refuse to amplify them rather than write a file larger than the source.
    total += image->size();
    if (total > fileSize_) return std::nullopt;
    images.push_back(*image);
  }
  return images;
}

std::optional<ModuleIcons> readModuleIcons(base::ByteView file) {
  if (auto pe = readPeIcons(file)) return pe;
  return readNeIcons(file);
}

}  // namespace icons
