#include "icons/module_icons.h"

namespace icons {

std::unique_ptr<ModuleIcons> readModuleIcons(base::ByteView file) {
  if (auto pe = readPeIcons(file)) return pe;
  return readNeIcons(file);
}

}  // namespace icons
