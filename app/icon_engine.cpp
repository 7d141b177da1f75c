#include "app/icon_engine.h"

#include "icons/add_icon_from_file.h"
#include "icons/count_icons.h"
#include "icons/save_icon_as_ico.h"

namespace app {

int EngineOperations::countIconsInFile(const std::string& path) { return icons::countIconsInFile(path); }

int EngineOperations::saveIconAsIcoFile(const std::string& sourcePath, const std::string& targetPath,
                                        int iconNumber) {
  return icons::saveIconAsIcoFile(sourcePath, targetPath, iconNumber);
}

int EngineOperations::addIconFromFile(icons::IconImageList& list, const std::string& path, int iconIndex) {
  return icons::addIconFromFile(list, path, iconIndex);
}

}  // namespace app
