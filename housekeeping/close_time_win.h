#pragma once

#include <string>

namespace housekeeping {

// The close-time housekeeping with the platform's files, clock and shell.
void onWindowDestroying(const std::string& programDirectory);

}  // namespace housekeeping
