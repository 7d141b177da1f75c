#include "app/form_runtime_win.h"

#include <ole2.h>

#include "app/program_directory.h"
#include "base/wide_win.h"

namespace app {

namespace {

ExitRoutines exitRoutines;

}  // namespace

int runFormProgram(int (*startProgram)()) {
  OleInitialize(nullptr);  // the drop target needs it; a failure only loses drops
  SetCurrentDirectoryW(base::toWide(programDirectory()).c_str());
  startProgram();
  exitRoutines.runAll();
  OleUninitialize();
  return 0;
}

void registerExitRoutine(ExitRoutines::Routine routine) { exitRoutines.add(routine); }

void loadStartupWindow(ui::MainWindow& window) {
  if (!window.create(GetModuleHandleW(nullptr))) fatalError();
}

void runMessageLoop(ui::MainWindow& window) {
  if (!window.handle()) return;
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    if (window.takeKey(message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void fatalError() {
  MessageBoxW(nullptr, base::toWide("程序无法继续运行，即将退出。").c_str(), L"IconExtractor",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
  exitRoutines.drop();
  OleUninitialize();
  ExitProcess(static_cast<UINT>(-1));
}

}  // namespace app
