#include "ui/keyboard.h"

namespace ui {

KeyAction keyActionFor(int key, bool ctrl, bool shift, bool alt) {
  switch (key) {
    case keyEscape:
      return ctrl || shift || alt ? KeyAction::PassOn : KeyAction::Close;
    case keyTab:
      if (ctrl || alt) return KeyAction::PassOn;
      return shift ? KeyAction::FocusPrevious : KeyAction::FocusNext;
    case keyEnter:
    case keyF1:
      return KeyAction::Ignore;
    default:
      return KeyAction::PassOn;
  }
}

}  // namespace ui
