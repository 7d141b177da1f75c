// Any bytes as a module: every icon group read and written as an icon file.

#include <cstdint>

#include "icons/icon_file.h"
#include "icons/icon_source.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  base::ByteView bytes(data, size);
  if (auto module = icons::readModuleIcons(bytes)) {
    for (std::size_t i = 0; i < module->groupCount(); ++i) {
      (void)module->groupName(i).display();
      if (auto images = module->groupImages(i)) (void)icons::buildIcoFile(*images);
    }
  }
  return 0;
}
