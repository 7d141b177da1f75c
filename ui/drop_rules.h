#pragma once
// How a drop onto the main window is answered, apart from the OLE plumbing.

#include <string>
#include <vector>

namespace ui {

// Drop effects as OLE numbers them (DROPEFFECT_*).
enum DropEffect : unsigned { dropNone = 0, dropCopy = 1, dropMove = 2, dropLink = 4 };

// The effect shown for a drag: none without a file list or with Ctrl and
// Shift both held; Ctrl copy, Shift move; with neither, the first the source
// allows of copy, move, link.
unsigned dropEffectFor(bool offersFileList, bool ctrl, bool shift, unsigned allowed);

// One path: the path itself. Several: each followed by CR LF.
std::string droppedPathsText(const std::vector<std::string>& paths);

}  // namespace ui
