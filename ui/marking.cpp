#include "ui/marking.h"

namespace ui {

void onListItemClicked(IconListView& list) {
  const int position = list.firstSelectedItem();
  const int mark = list.markOf(position);
  if (mark == 0) list.setMark(position, 1);
  else if (mark == 1) list.setMark(position, 0);
}

void onSelectAllClicked(CheckBox& selectAll, IconListView& list) {
  const int mark = selectAll.tickState() == 1 ? 1 : 0;
  const int count = list.itemCount();
  for (int position = 0; position < count; ++position) list.setMark(position, mark);
}

}  // namespace ui
