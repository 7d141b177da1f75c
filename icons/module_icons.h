#pragma once
// The icon resources of a PE or NE module: its icon groups in the order its
// resource directory lists them, and its icon images by number and language.
// Views point into the module's bytes, which must outlive this value.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <utility>
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

// The variants of one resource in its languages, in directory order.
class LanguageVariants {
 public:
  void add(std::uint16_t language, base::ByteView data);
  bool empty() const { return inOrder_.empty(); }
  // A group in several languages is read in one: the first language-neutral
  // variant (primary language 0), otherwise the first one listed.
  std::pair<std::uint16_t, base::ByteView> preferred() const;
  // An image in the group's language, else a neutral one, else any.
  std::optional<base::ByteView> lookup(std::uint16_t language) const;

 private:
  std::optional<base::ByteView> exact(std::uint16_t language) const;

  std::vector<std::pair<std::uint16_t, base::ByteView>> inOrder_;
  std::vector<std::pair<std::uint16_t, base::ByteView>> byLanguage_;  // sorted, first of duplicates kept
};

struct IconGroupResource {
  ResourceName name;
  const LanguageVariants* variants = nullptr;  // null when the directory gives no data for it
};

class ModuleIcons {
 public:
  ModuleIcons(ModuleKind kind, std::uint64_t fileSize) : kind_(kind), fileSize_(fileSize) {}
  ModuleIcons(ModuleIcons&&) = default;
  ModuleIcons& operator=(ModuleIcons&&) = default;
  ModuleIcons(const ModuleIcons&) = delete;
  ModuleIcons& operator=(const ModuleIcons&) = delete;

  ModuleKind kind() const { return kind_; }
  const std::vector<IconGroupResource>& groups() const { return groups_; }

  // The images that group `index` names, in its order; nullopt when the group
  // or any of its images cannot be read.
  std::optional<std::vector<base::ByteView>> groupImages(std::size_t index) const;

  // Building, for the readers. Variants are shared by key (a directory's
  // offset) so that entries pointing at the same data cost nothing more.
  LanguageVariants& variantsFor(std::uint64_t key, bool& isNew);
  void addGroup(ResourceName name, const LanguageVariants* variants);
  void addImage(std::uint16_t id, const LanguageVariants* variants);  // the first of an id wins

 private:
  ModuleKind kind_;
  std::uint64_t fileSize_;
  std::vector<IconGroupResource> groups_;
  std::unordered_map<std::uint16_t, const LanguageVariants*> images_;
  std::unordered_map<std::uint64_t, std::unique_ptr<LanguageVariants>> variants_;
};

// Reads a module's icon resources; nullopt when the bytes are not a PE or NE module.
std::optional<ModuleIcons> readPeIcons(base::ByteView file);
std::optional<ModuleIcons> readNeIcons(base::ByteView file);
std::optional<ModuleIcons> readModuleIcons(base::ByteView file);
// The result points into the bytes: a temporary would leave it dangling.
std::optional<ModuleIcons> readModuleIcons(const base::Bytes&& file) = delete;

}  // namespace icons
