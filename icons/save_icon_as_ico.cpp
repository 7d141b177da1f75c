#include "icons/save_icon_as_ico.h"

#include <algorithm>
#include <cctype>

#include "base/file.h"
#include "icons/icon_file.h"
#include "icons/icon_source.h"

namespace icons {

namespace {

enum class NamedKind { Unknown, IconFile, Module };

// The last three characters, lowercased; no dot is looked for.
std::string lastThreeLowercased(const std::string& path) {
  std::string tail = path.substr(path.size() - std::min<std::size_t>(3, path.size()));
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail;
}

NamedKind kindFromName(const std::string& path) {
  std::string tail = lastThreeLowercased(path);
  if (tail == "ico") return NamedKind::IconFile;
  if (tail == "exe" || tail == "dll" || tail == "icl") return NamedKind::Module;
  return NamedKind::Unknown;
}

void writeIco(const std::string& targetPath, const std::vector<base::ByteView>& images) {
  if (lastThreeLowercased(targetPath) != "ico") return;
  if (auto ico = buildIcoFile(images)) base::writeFileBytes(targetPath, *ico);
}

int saveFromIconFile(const std::string& sourcePath, const std::string& targetPath, int iconNumber) {
  if (iconNumber != 1) return 0;
  auto file = base::MappedFile::open(sourcePath, base::FileSharing::None);
  if (!file) return 1;
  if (auto images = readIconFile(file->bytes())) writeIco(targetPath, *images);
  return 1;
}

int saveFromModule(const std::string& sourcePath, const std::string& targetPath, int iconNumber) {
  // Like the platform's loader, which opens only PE modules as data files.
  IconSource source = IconSource::open(sourcePath);
  if (source.kind() != SourceKind::PeModule) return 0;
  int count = source.iconCount();
  if (count == 0 || iconNumber < 1 || iconNumber > count) return 0;
  if (auto images = source.iconImages(iconNumber - 1)) writeIco(targetPath, *images);
  return count;
}

}  // namespace

int saveIconAsIcoFile(const std::string& sourcePath, const std::string& targetPath, int iconNumber) {
  switch (kindFromName(sourcePath)) {
    case NamedKind::IconFile: return saveFromIconFile(sourcePath, targetPath, iconNumber);
    case NamedKind::Module: return saveFromModule(sourcePath, targetPath, iconNumber);
    case NamedKind::Unknown: return 0;
  }
  return 0;
}

}  // namespace icons
