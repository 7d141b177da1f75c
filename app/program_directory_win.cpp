#include <windows.h>

#include <vector>

#include "app/program_directory.h"
#include "base/wide_win.h"

namespace app {

namespace {

std::string executablePath() {
  std::vector<wchar_t> path(MAX_PATH);
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return base::fromWide(std::wstring_view(path.data(), length));
    path.resize(path.size() * 2);  // cut short: try a larger buffer
  }
}

}  // namespace

std::string programDirectory() {
  static const std::string directory = folderOfExecutable(executablePath());
  return directory;
}

}  // namespace app
