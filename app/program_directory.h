#pragma once

#include <string>

namespace app {

// The folder of an executable's path: the path cut before its last backslash
// (C:\Tools\x.exe gives C:\Tools; D:\x.exe gives D:). UTF-8 never holds a
// backslash byte inside a character, so a byte search is exact.
std::string folderOfExecutable(const std::string& executablePath);

// The program's own folder, fixed at start-up (Windows only).
std::string programDirectory();

}  // namespace app
