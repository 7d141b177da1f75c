#pragma once

#include "app/program_context.h"

namespace app {

// The text of the same-file message and its title.
inline constexpr const char* sameFileMessage = "该文件内图标已经成功提取出一次了！没必要再提取一次了";
inline constexpr const char* sameFileTitle = "信息：";

// Lists the icons of the file named in the file-name box: writes icon n to
// programDirectory\temp\n.ico, adds its picture and inserts the item "n.ico".
// The path loaded last (compared byte for byte) only gets the message.
void loadIcons(ProgramContext& program);

}  // namespace app
