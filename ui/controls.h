#pragma once
// What the handlers see of the main window's controls. The Win32 adapters
// (*_win.h) implement these with the real controls; tests use fakes.

#include <string>

#include "icons/icon_image_list.h"

namespace ui {

// An opaque platform window handle (an HWND on Windows).
using NativeWindow = void*;

class FileNameBox {
 public:
  virtual ~FileNameBox() = default;
  virtual std::string text() = 0;
  virtual void setText(const std::string& text) = 0;
};

// The icon list. markState: 0 unmarked, 1 marked, -1 no item or no box.
class IconListView {
 public:
  virtual ~IconListView() = default;
  virtual void clearItems() = 0;
  // A position below 0 or past the end appends; an image below -1 counts as -1 (no picture).
  // Result: the new item's position, -1 when refused. New items are unmarked.
  virtual int insertItem(int position, const std::string& text, int imageIndex) = 0;
  // The control shows exactly these pictures from now on.
  virtual void setIconImages(const icons::IconImageList& images) = 0;
  virtual int itemCount() = 0;
  virtual int markOf(int position) = 0;
  virtual void setMark(int position, int markState) = 0;
  virtual int firstSelectedItem() = 0;  // -1 when nothing is selected
};

class CheckBox {
 public:
  virtual ~CheckBox() = default;
  virtual int tickState() = 0;  // 1 ticked, 0 not
};

class OpenFileDialog {
 public:
  virtual ~OpenFileDialog() = default;
  virtual void setFilter(const std::string& filter) = 0;  // "description|pattern|..." pairs
  virtual bool showOpenDialog() = 0;                      // true when a file was confirmed with OK
  virtual std::string fileName() = 0;                     // the file last confirmed; empty before
};

class FolderChooser {
 public:
  virtual ~FolderChooser() = default;
  // A modal chooser; the chosen folder's file-system path, empty when cancelled
  // or when the choice has no such path.
  virtual std::string chooseFolder(const std::string& title) = 0;
};

class DropReceiver {
 public:
  virtual ~DropReceiver() = default;
  // True when the window is now registered; false on a second call or when the platform refuses.
  virtual bool registerDropWindow(NativeWindow window) = 0;
};

class MessageBoxes {
 public:
  virtual ~MessageBoxes() = default;
  // A task-modal box with one OK button and no owner; returns when it is closed.
  virtual void showInformation(const std::string& text, const std::string& title) = 0;
};

// The main window's parts that handlers use, named as the form names them.
struct WindowParts {
  NativeWindow mainWindow;
  FileNameBox& 编辑框_文件名;
  IconListView& 超级列表框1;
  CheckBox& 选择框_全选;
  OpenFileDialog& 通用对话框_浏览;
  DropReceiver& 拖放对象1;
  MessageBoxes& messages;
};

}  // namespace ui
