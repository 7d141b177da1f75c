#pragma once
// Everything a handler of the main window works on.

#include <string>

#include "app/extractor_state.h"
#include "app/icon_engine.h"
#include "ui/controls.h"

namespace app {

struct ProgramContext {
  ExtractorState& state;
  std::string programDirectory;  // the executable's folder, no trailing backslash
  IconEngine& engine;
  ui::WindowParts& window;
};

}  // namespace app
