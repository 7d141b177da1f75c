#include "app/program_directory.h"

namespace app {

std::string folderOfExecutable(const std::string& executablePath) {
  const auto slash = executablePath.rfind('\\');
  return slash == std::string::npos ? std::string() : executablePath.substr(0, slash);
}

}  // namespace app
