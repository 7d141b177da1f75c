#pragma once
// The main window on Win32: created from the form table, its controls behind
// the handler interfaces, its messages turned into events.

#include <windows.h>

#include <functional>
#include <string>

#include "base/unique_handle_win.h"
#include "ui/drop_target_win.h"
#include "ui/list_view_win.h"
#include "ui/main_form.h"
#include "ui/open_file_dialog_win.h"
#include "ui/simple_controls_win.h"

namespace ui {

// The handlers bound to the window's events; an empty one does nothing.
struct MainWindowEvents {
  std::function<void()> created;     // all controls exist, window not yet shown
  std::function<void()> destroying;  // the window goes; its controls still exist
  std::function<void()> browseClicked;
  std::function<void()> exportClicked;
  std::function<void()> selectAllClicked;
  std::function<void()> listItemClicked;
  std::function<void(const std::string&)> fileDropped;
  // A handler failed in a way the program cannot continue from; does not return.
  std::function<void()> fatal;
};

class MainWindow {
 public:
  explicit MainWindow(MainWindowEvents events);
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;
  ~MainWindow();

  // Creates the window and its controls, raises `created`, then shows the
  // window if it still exists. False when the window cannot be made.
  bool create(HINSTANCE instance);
  HWND handle() const { return window_; }
  WindowParts& parts() { return parts_; }

  // The window's own keys, for the message loop: true when the message was
  // taken (Esc closes, Tab moves the focus, Enter and F1 do nothing).
  bool takeKey(const MSG& message);

 private:
  static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept;
  LRESULT handle(UINT message, WPARAM w, LPARAM l);
  bool createControls(HINSTANCE instance);
  HWND createControl(HINSTANCE instance, const ControlRow& row);
  [[noreturn]] void fail() noexcept;
  void onCommand(int id, int code);
  void onNotify(const NMHDR& header);
  LRESULT onColourStatic(HDC dc, HWND control);
  void drawLabel(const DRAWITEMSTRUCT& item);
  HWND control(Control id) const { return controls_[static_cast<int>(id)]; }
  // After a fatal failure no event reaches a handler, not even while the
  // runtime's error box runs its message loop.
  void raise(const std::function<void()>& event) {
    if (event && !failed_) event();
  }

  MainWindowEvents events_;
  bool failed_ = false;
  HWND window_ = nullptr;
  HWND controls_[mainFormControls.size()] = {};
  base::UniqueFont checkBoxFont_, editBoxFont_;  // one each, gone with their controls
  base::UniqueBrush background_, white_;
  base::UniqueIcon largeIcon_, smallIcon_;

  EditBoxWin 编辑框_文件名;
  ListViewWin 超级列表框1;
  CheckBoxWin 选择框_全选;
  OpenFileDialogWin 通用对话框_浏览;
  DropReceiverWin 拖放对象1;
  MessageBoxesWin messages_;
  WindowParts parts_;
};

}  // namespace ui
