#pragma once
// In-memory stand-ins for the main window's controls.

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ui/controls.h"

namespace fixtures {

class FakeFileNameBox final : public ui::FileNameBox {
 public:
  std::string value;
  std::string text() override { return value; }
  void setText(const std::string& text) override { value = text; }
};

// Items keep the control's rules: insert positions, unmarked new items, -1 outside.
class FakeListView final : public ui::IconListView {
 public:
  struct Item {
    std::string text;
    int image;
    int mark = 0;
    bool selected = false;
  };
  std::vector<Item> items;
  icons::IconImageList shown;  // the pictures last given
  int setIconImagesCalls = 0;

  void clearItems() override { items.clear(); }
  int insertItem(int position, const std::string& text, int imageIndex) override {
    const int count = itemCount();
    const int at = position < 0 || position > count ? count : position;
    items.insert(items.begin() + at, Item{text, std::max(imageIndex, -1)});
    return at;
  }
  void setIconImages(const icons::IconImageList& images) override {
    shown = images;
    ++setIconImagesCalls;
  }
  int itemCount() override { return static_cast<int>(items.size()); }
  int markOf(int position) override { return has(position) ? items[position].mark : -1; }
  void setMark(int position, int markState) override {
    if (has(position)) items[position].mark = markState;
  }
  int firstSelectedItem() override {
    for (int p = 0; p < itemCount(); ++p)
      if (items[p].selected) return p;
    return -1;
  }

  std::vector<std::string> texts() const {
    std::vector<std::string> result;
    for (const Item& item : items) result.push_back(item.text);
    return result;
  }
  std::vector<int> marks() const {
    std::vector<int> result;
    for (const Item& item : items) result.push_back(item.mark);
    return result;
  }

 private:
  bool has(int position) const { return position >= 0 && position < static_cast<int>(items.size()); }
};

class FakeCheckBox final : public ui::CheckBox {
 public:
  int ticked = 0;
  int tickState() override { return ticked; }
};

// Confirms the queued answers in turn (an empty answer is Cancel).
class FakeOpenFileDialog final : public ui::OpenFileDialog {
 public:
  std::vector<std::string> answers;
  std::string filter;
  std::string current;
  void setFilter(const std::string& text) override { filter = text; }
  bool showOpenDialog() override {
    if (answers.empty()) return false;
    std::string answer = answers.front();
    answers.erase(answers.begin());
    if (answer.empty()) return false;
    current = answer;
    return true;
  }
  std::string fileName() override { return current; }
};

// Gives its answer (empty: Cancel); whileOpen runs as if the user acted before closing it.
class FakeFolderChooser final : public ui::FolderChooser {
 public:
  std::string answer;
  std::function<void()> whileOpen;
  std::vector<std::string> titles;
  std::string chooseFolder(const std::string& title) override {
    titles.push_back(title);
    if (whileOpen) whileOpen();
    return answer;
  }
};

class FakeDropReceiver final : public ui::DropReceiver {
 public:
  std::vector<ui::NativeWindow> registered;
  bool registerDropWindow(ui::NativeWindow window) override {
    registered.push_back(window);
    return registered.size() == 1;
  }
};

class FakeMessageBoxes final : public ui::MessageBoxes {
 public:
  std::vector<std::string> shown;  // "title: text"
  void showInformation(const std::string& text, const std::string& title) override {
    shown.push_back(title + " " + text);
  }
};

// A whole window of fakes.
struct FakeWindow {
  FakeFileNameBox fileNameBox;
  FakeListView list;
  FakeCheckBox selectAll;
  FakeOpenFileDialog dialog;
  FakeDropReceiver drop;
  FakeMessageBoxes messages;
  ui::WindowParts parts{reinterpret_cast<ui::NativeWindow>(0x1234), fileNameBox, list, selectAll, dialog, drop,
                        messages};
};

}  // namespace fixtures
