#include "ui/open_file_dialog_win.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "base/wide_win.h"
#include "ui/open_file_filter.h"

namespace ui {

bool OpenFileDialogWin::showOpenDialog() {
  const std::wstring filterList = base::toWide(openFileFilterList(filter_));
  const std::wstring title = base::toWide(title_);
  std::vector<wchar_t> file(MAX_PATH, L'\0');
  const std::wstring initial = base::toWide(fileName_);
  if (initial.size() < file.size()) std::copy(initial.begin(), initial.end(), file.begin());

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = GetActiveWindow();
  dialog.lpstrFilter = filterList.empty() ? nullptr : filterList.c_str();
  dialog.nFilterIndex = filterList.empty() ? 0 : 1;
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = static_cast<DWORD>(file.size());
  dialog.lpstrTitle = title.c_str();
  dialog.Flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_EXPLORER;
  if (!GetOpenFileNameW(&dialog)) return false;
  fileName_ = base::fromWide(file.data());
  return true;
}

}  // namespace ui
