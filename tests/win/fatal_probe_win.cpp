// A program on the real form runtime whose select-all handler runs out of
// memory. It leaves a file in its directory for each routine that ran, so a
// driver can check what the fatal path let through.

#include <windows.h>

#include <fstream>
#include <new>
#include <string>
#include <utility>

#include "app/form_runtime_win.h"
#include "ui/main_window_win.h"

namespace {

// The program directory is the current directory once the runtime started.
void leaveMark(const char* name) { std::ofstream(name) << name; }

int startProbe() {
  app::registerExitRoutine([] { leaveMark("probe_exit_routine_ran"); });
  ui::MainWindowEvents events;
  events.destroying = [] { leaveMark("probe_destroying_ran"); };
  events.selectAllClicked = [] {
    static bool failedOnce = false;
    if (failedOnce) leaveMark("probe_handler_after_failure_ran");
    failedOnce = true;
    leaveMark("probe_handler_ran");
    throw std::bad_alloc();
  };
  events.fatal = app::fatalError;
  ui::MainWindow window(std::move(events));
  app::loadStartupWindow(window);
  app::runMessageLoop(window);
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return app::runFormProgram(startProbe); }
