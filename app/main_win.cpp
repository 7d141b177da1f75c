// The Windows program: the start routine, the one ExtractorState and the
// binding of the main window's events to their handlers.

#include <windows.h>

#include <new>

#include "app/extractor_state.h"
#include "app/form_runtime_win.h"
#include "app/program_context.h"
#include "app/program_directory.h"
#include "housekeeping/close_time_win.h"
#include "ui/choose_file.h"
#include "ui/export_icons.h"
#include "ui/folder_chooser_win.h"
#include "ui/main_window_win.h"
#include "ui/marking.h"

namespace {

app::ExtractorState extractorState;

void freeState() { app::freeState(extractorState); }

// The main window with its handlers bound to its events.
class Program {
 public:
  Program()
      : window_(bindEvents()),
        context_{extractorState, app::programDirectory(), engine_, window_.parts()} {}
  // A window still open here goes while the handlers' context still exists.
  ~Program() {
    if (window_.handle()) DestroyWindow(window_.handle());
  }
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;
  ui::MainWindow& window() { return window_; }

 private:
  ui::MainWindowEvents bindEvents() {
    // The handlers run only once the window exists, when context_ is ready.
    return {
        .created = [this] { ui::onWindowCreated(context_); },
        // Raised in WM_DESTROY: the controls still exist and the loop and freeState come after.
        .destroying = [] { housekeeping::onWindowDestroying(app::programDirectory()); },
        .browseClicked = [this] { ui::onBrowseClicked(context_); },
        .exportClicked =
            [this] {
              ui::onExportClicked(folderChooser_, context_.window.超级列表框1, context_.state.iconImages, files_);
            },
        .selectAllClicked = [this] { ui::onSelectAllClicked(context_.window.选择框_全选, context_.window.超级列表框1); },
        .listItemClicked = [this] { ui::onListItemClicked(context_.window.超级列表框1); },
        .fileDropped = [this](const std::string& paths) { ui::onFileDropped(context_, paths); },
        .fatal = app::fatalError,
    };
  }

  app::EngineOperations engine_;
  ui::FolderChooserWin folderChooser_;
  ui::PlatformFileWriter files_;
  ui::MainWindow window_;
  app::ProgramContext context_;
};

int startProgram() {
  extractorState = app::ExtractorState{};
  app::registerExitRoutine(freeState);
  Program program;
  app::loadStartupWindow(program.window());
  app::runMessageLoop(program.window());
  return 0;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  try {
    return app::runFormProgram(startProgram);
  } catch (const std::bad_alloc&) {
    app::fatalError();
  }
}
