#pragma once
// The engine operations the load routine uses, behind an interface so that
// tests can watch the calls or run the real engine on their own paths.

#include <string>

#include "icons/icon_image_list.h"

namespace app {

class IconEngine {
 public:
  virtual ~IconEngine() = default;
  virtual int countIconsInFile(const std::string& path) = 0;
  virtual int saveIconAsIcoFile(const std::string& sourcePath, const std::string& targetPath, int iconNumber) = 0;
  virtual int addIconFromFile(icons::IconImageList& list, const std::string& path, int iconIndex) = 0;
};

// The real engine.
class EngineOperations : public IconEngine {
 public:
  int countIconsInFile(const std::string& path) override;
  int saveIconAsIcoFile(const std::string& sourcePath, const std::string& targetPath, int iconNumber) override;
  int addIconFromFile(icons::IconImageList& list, const std::string& path, int iconIndex) override;
};

}  // namespace app
