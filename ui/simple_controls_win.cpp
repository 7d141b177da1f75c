#include "ui/simple_controls_win.h"

#include "base/wide_win.h"

namespace ui {

std::string EditBoxWin::text() {
  const int length = GetWindowTextLengthW(edit_);
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(edit_, text.data(), length + 1)));
  return base::fromWide(text);
}

void EditBoxWin::setText(const std::string& text) { SetWindowTextW(edit_, base::toWide(text).c_str()); }

int CheckBoxWin::tickState() { return SendMessageW(button_, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0; }

void MessageBoxesWin::showInformation(const std::string& text, const std::string& title) {
  MessageBoxW(nullptr, base::toWide(text).c_str(), base::toWide(title).c_str(), MB_OK | MB_TASKMODAL);
}

}  // namespace ui
