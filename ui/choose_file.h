#pragma once
// Choosing the file: the window's creation handler, the browse button and a drop.

#include <string>

#include "app/program_context.h"

namespace ui {

inline constexpr const char* browseDialogTitle = "请选择要提取图标的文件：";
inline constexpr const char* browseFilter =
    "可执行文件（*.exe）|*.exe|DLL文件（*.dll）|*.dll|ICO图标文件（*.ico）|*.ico|所有文件（*.*）|*.*";

// Registers the main window for drops and forgets the last loaded path.
void onWindowCreated(app::ProgramContext& program);

// Opens the dialog; a confirmed file goes into the file-name box and is loaded.
void onBrowseClicked(app::ProgramContext& program);

// The dropped-paths text goes into the file-name box and is loaded.
void onFileDropped(app::ProgramContext& program, const std::string& droppedPaths);

}  // namespace ui
