#include "ui/open_file_filter.h"

namespace ui {

std::string openFileFilterList(std::string_view filter) {
  std::string list(filter);
  while (!list.empty() && (list.back() == ' ' || list.back() == '\t' || list.back() == '\r' || list.back() == '\n'))
    list.pop_back();
  if (!list.empty() && !list.ends_with("||")) list += "||";
  for (char& c : list)
    if (c == '|') c = '\0';
  return list;
}

}  // namespace ui
