#include "ui/marking.h"

#include <gtest/gtest.h>

#include "ui/fake_controls.h"

namespace {

using fixtures::FakeListView;

FakeListView listWith(std::vector<int> marks, std::vector<int> selected) {
  FakeListView list;
  for (int mark : marks) list.items.push_back({"x.ico", 0, mark});
  for (int p : selected) list.items[p].selected = true;
  return list;
}

TEST(OnListItemClicked, TogglesTheFirstSelectedItemOnly) {
  struct Case {
    std::vector<int> marks;
    std::vector<int> selected;
    std::vector<int> expected;
  };
  const Case cases[] = {
      {{0, 0, 0}, {1}, {0, 1, 0}},            // a plain click ticks
      {{0, 1, 0}, {1}, {0, 0, 0}},            // a second click clears
      {{0, 0, 0, 0}, {3, 2}, {0, 0, 1, 0}},   // several selected: the lowest position
      {{1, 0}, {}, {1, 0}},                   // nothing selected: nothing changes
      {{-1, 0}, {0}, {-1, 0}},                // an item without a box stays so
  };
  for (const Case& c : cases) {
    FakeListView list = listWith(c.marks, c.selected);
    ui::onListItemClicked(list);
    EXPECT_EQ(list.marks(), c.expected);
  }
}

TEST(OnSelectAllClicked, OverwritesEveryMarkWithTheTickState) {
  FakeListView list = listWith({1, 0, 1}, {1});
  fixtures::FakeCheckBox box;
  box.ticked = 1;
  ui::onSelectAllClicked(box, list);
  EXPECT_EQ(list.marks(), (std::vector<int>{1, 1, 1}));
  box.ticked = 0;
  ui::onSelectAllClicked(box, list);
  EXPECT_EQ(list.marks(), (std::vector<int>{0, 0, 0}));
  EXPECT_EQ(list.firstSelectedItem(), 1);  // the selection is left alone

  FakeListView empty;
  box.ticked = 1;
  ui::onSelectAllClicked(box, empty);
  EXPECT_EQ(empty.itemCount(), 0);
}

}  // namespace
