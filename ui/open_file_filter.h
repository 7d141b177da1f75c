#pragma once

#include <string>
#include <string_view>

namespace ui {

// The open-file dialog's filter list from "description|pattern|..." text:
// trailing white space removed, "||" appended unless already there (and not
// empty), then every "|" a NUL. UTF-8 never has "|" inside a character.
std::string openFileFilterList(std::string_view filter);

}  // namespace ui
