#pragma once

#include <string>

namespace icons {

// The number of icons the file holds: its icon groups for a module, 1 for an
// icon file; 0 for an empty path, a missing or unreadable file, a folder, or
// a file without icons.
int countIconsInFile(const std::string& path);

}  // namespace icons
