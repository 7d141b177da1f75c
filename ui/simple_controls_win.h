#pragma once
// The file-name box, the check box and the message box on Win32.

#include <windows.h>

#include "ui/controls.h"

namespace ui {

class EditBoxWin final : public FileNameBox {
 public:
  void attach(HWND edit) { edit_ = edit; }
  std::string text() override;
  void setText(const std::string& text) override;

 private:
  HWND edit_ = nullptr;
};

class CheckBoxWin final : public CheckBox {
 public:
  void attach(HWND button) { button_ = button; }
  int tickState() override;

 private:
  HWND button_ = nullptr;
};

class MessageBoxesWin final : public MessageBoxes {
 public:
  void showInformation(const std::string& text, const std::string& title) override;
};

}  // namespace ui
