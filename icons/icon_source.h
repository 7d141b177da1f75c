#pragma once
// Any file that holds icons, opened once: a PE or NE module (one icon per
// icon group) or an icon file (one icon). The kind is told by the content.

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "base/bytes.h"
#include "base/file.h"
#include "icons/module_icons.h"

namespace icons {

enum class SourceKind { Unreadable, Other, PeModule, NeModule, IconFile };

class IconSource {
 public:
  static IconSource open(const std::string& path, base::FileSharing sharing = base::FileSharing::Read);
  // The same over bytes that the caller keeps alive (for tests and fuzzing).
  static IconSource fromBytes(base::ByteView bytes);
  static IconSource fromBytes(const base::Bytes&& bytes) = delete;  // would dangle

  SourceKind kind() const { return kind_; }
  int iconCount() const;
  // A module icon's resource name or number; empty for an icon file.
  std::string iconName(int index) const;
  // The images of icon `index`, in their stored order; nullopt when they cannot all be read.
  std::optional<std::vector<base::ByteView>> iconImages(int index) const;

 private:
  IconSource() = default;
  void classify(base::ByteView bytes);

  std::optional<base::MappedFile> file_;
  SourceKind kind_ = SourceKind::Unreadable;
  std::unique_ptr<ModuleIcons> module_;
  std::vector<base::ByteView> iconFileImages_;
};

const char* describe(SourceKind kind);

}  // namespace icons
