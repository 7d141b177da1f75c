#pragma once
// The process part of our form runtime: OLE, the program directory as the
// current directory, the exit routines, the message loop and the fatal path.

#include <windows.h>

#include "app/exit_routines.h"
#include "ui/main_window_win.h"

namespace app {

// Prepares the process, calls startProgram, runs the exit routines and shuts
// down; the result is the process's exit code (0 after a normal close).
int runFormProgram(int (*startProgram)());

void registerExitRoutine(ExitRoutines::Routine routine);

// Creates the main window from its form and shows it; a window that cannot be
// made is fatal.
void loadStartupWindow(ui::MainWindow& window);

// Dispatches messages until the quit message, giving the window its own keys first.
void runMessageLoop(ui::MainWindow& window);

// The runtime's own error box, then exit code -1 without the exit routines.
[[noreturn]] void fatalError();

}  // namespace app
