#pragma once

#include <string>

namespace icons {

// Writes icon iconNumber (from 1) of sourcePath as an icon file at targetPath.
// The source's kind is told by the last three characters of its name, any
// case: "ico" an icon file, "exe", "dll" or "icl" a module; anything else
// writes nothing and gives 0. A file is written only when the target's name
// ends in "ico" and the icon could be read; it is created or replaced.
// Result: the number of icons the source holds (1 for an icon file) when
// iconNumber does not exceed it, else 0 - not whether a file was written.
int saveIconAsIcoFile(const std::string& sourcePath, const std::string& targetPath, int iconNumber);

}  // namespace icons
