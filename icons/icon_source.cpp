#include "icons/icon_source.h"

#include <algorithm>
#include <climits>

#include "icons/icon_file.h"

namespace icons {

IconSource IconSource::open(const std::string& path, base::FileSharing sharing) {
  IconSource source;
  source.file_ = base::MappedFile::open(path, sharing);
  if (source.file_) source.classify(source.file_->bytes());
  return source;
}

IconSource IconSource::fromBytes(base::ByteView bytes) {
  IconSource source;
  source.classify(bytes);
  return source;
}

void IconSource::classify(base::ByteView bytes) {
  kind_ = SourceKind::Other;
  if ((module_ = readModuleIcons(bytes))) {
    kind_ = module_->kind() == ModuleKind::Pe ? SourceKind::PeModule : SourceKind::NeModule;
  } else if (auto images = readIconFile(bytes)) {
    kind_ = SourceKind::IconFile;
    iconFileImages_ = std::move(*images);
  }
}

int IconSource::iconCount() const {
  if (module_) return static_cast<int>(std::min<std::size_t>(module_->groupCount(), INT_MAX));
  // An icon file is one icon however many images it holds, if it holds any.
  return kind_ == SourceKind::IconFile && !iconFileImages_.empty() ? 1 : 0;
}

std::string IconSource::iconName(int index) const {
  if (!module_ || index < 0 || index >= iconCount()) return {};
  return module_->groupName(static_cast<std::size_t>(index)).display();
}

std::optional<std::vector<base::ByteView>> IconSource::iconImages(int index) const {
  if (index < 0 || index >= iconCount()) return std::nullopt;
  if (module_) return module_->groupImages(static_cast<std::size_t>(index));
  return iconFileImages_;
}

const char* describe(SourceKind kind) {
  switch (kind) {
    case SourceKind::Unreadable: return "cannot be read";
    case SourceKind::Other: return "neither a module nor an icon file";
    case SourceKind::PeModule: return "PE module";
    case SourceKind::NeModule: return "NE module";
    case SourceKind::IconFile: return "icon file";
  }
  return "";
}

}  // namespace icons
