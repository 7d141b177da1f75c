#include "icons/count_icons.h"

#include "icons/icon_source.h"

namespace icons {

int countIconsInFile(const std::string& path) { return IconSource::open(path).iconCount(); }

}  // namespace icons
