#pragma once
// The two handlers that change marks in the icon list.

#include "ui/controls.h"

namespace ui {

// A left click in the list: toggles the mark of the first selected item.
void onListItemClicked(IconListView& list);

// A click on the select-all box: marks every item when it is ticked, else unmarks every item.
void onSelectAllClicked(CheckBox& selectAll, IconListView& list);

}  // namespace ui
