#pragma once
// The main window's own keys, taken before any control sees them.

namespace ui {

enum class KeyAction { PassOn, Close, FocusNext, FocusPrevious, Ignore };

// Virtual-key codes as Windows numbers them.
enum Key : int { keyTab = 0x09, keyEnter = 0x0D, keyEscape = 0x1B, keyF1 = 0x70 };

// Esc alone closes; Tab and Shift+Tab move the focus; Enter and F1 do nothing.
// Every other key, and Esc with Ctrl, Shift or Alt, goes on to the control.
KeyAction keyActionFor(int key, bool ctrl, bool shift, bool alt);

}  // namespace ui
