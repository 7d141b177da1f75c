#include <windows.h>
#include <shellapi.h>

#include "base/wide_win.h"
#include "housekeeping/close_time.h"
#include "housekeeping/close_time_win.h"

namespace housekeeping {

namespace {

class LocalClock final : public Clock {
 public:
  int currentSecond() override {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return now.wSecond;
  }
};

class WindowsShell final : public Shell {
 public:
  void open(const std::string& address) override {
    ::ShellExecuteW(nullptr, L"open", base::toWide(address).c_str(), nullptr, L"", SW_SHOWNORMAL);
  }
};

}  // namespace

void onWindowDestroying(const std::string& programDirectory) {
  LocalClock clock;
  WindowsShell shell;
  onWindowDestroying(programDirectory, platformFileSystem(), clock, shell);
}

}  // namespace housekeeping
