#include "housekeeping/close_time.h"

#include <cmath>

namespace housekeeping {

bool isPageSecond(int second) {
  const double s = second, divisor = 3.0;
  const double remainder = s - divisor * std::trunc(s / divisor);
  return std::fabs(remainder) <= 1e-7;
}

void onWindowDestroying(const std::string& programDirectory, FileSystem& files, Clock& clock, Shell& shell) {
  deleteFolderTree(files, programDirectory + "\\temp\\");
  files.createFolder(programDirectory + "\\temp");
  if (isPageSecond(clock.currentSecond())) shell.open(closeTimePageAddress);
}

}  // namespace housekeeping
