// Any bytes as an icon file: its images read and written back.

#include <cstdint>

#include "icons/icon_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (auto images = icons::readIconFile(base::ByteView(data, size))) {
    for (base::ByteView image : *images) (void)icons::icoDirectoryEntryFor(image);
    (void)icons::buildIcoFile(*images);
  }
  return 0;
}
