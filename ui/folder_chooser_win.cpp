#include "ui/folder_chooser_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "base/unique_handle_win.h"
#include "base/wide_win.h"

namespace ui {

namespace {

void freeItemIdList(LPITEMIDLIST list) { ::CoTaskMemFree(list); }
using UniqueItemIdList = base::UniqueHandle<base::NullHandleTraits<LPITEMIDLIST, freeItemIdList>>;

// Disables this process's parentless top-level windows for as long as it
// lives, then gives each its earlier enabled state back. Other programs'
// windows are left alone: were we to end before restoring them, they would
// stay unusable.
class OwnTopLevelWindowsDisabled {
 public:
  OwnTopLevelWindowsDisabled() {
    ::EnumWindows(collect, reinterpret_cast<LPARAM>(&windows_));
    for (Window& window : windows_) window.wasEnabled = !::EnableWindow(window.handle, FALSE);
  }
  OwnTopLevelWindowsDisabled(const OwnTopLevelWindowsDisabled&) = delete;
  OwnTopLevelWindowsDisabled& operator=(const OwnTopLevelWindowsDisabled&) = delete;
  ~OwnTopLevelWindowsDisabled() {
    for (const Window& window : windows_)
      if (::IsWindow(window.handle)) ::EnableWindow(window.handle, window.wasEnabled);
  }

 private:
  struct Window {
    HWND handle;
    bool wasEnabled = true;
  };

  static BOOL CALLBACK collect(HWND window, LPARAM windows) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    if (process == ::GetCurrentProcessId() && !::GetParent(window))
      reinterpret_cast<std::vector<Window>*>(windows)->push_back({window});
    return TRUE;
  }

  std::vector<Window> windows_;
};

// Makes the foreground and the active window of the moment so again at the
// end, each only if it still exists.
class ForegroundAndActiveRestored {
 public:
  ForegroundAndActiveRestored() : foreground_(::GetForegroundWindow()), active_(::GetActiveWindow()) {}
  ForegroundAndActiveRestored(const ForegroundAndActiveRestored&) = delete;
  ForegroundAndActiveRestored& operator=(const ForegroundAndActiveRestored&) = delete;
  ~ForegroundAndActiveRestored() {
    if (foreground_ && ::IsWindow(foreground_)) ::SetForegroundWindow(foreground_);
    if (active_ && ::IsWindow(active_)) ::SetActiveWindow(active_);
  }

 private:
  HWND foreground_;
  HWND active_;
};

std::string pathOf(const UniqueItemIdList& chosen) {
  wchar_t path[MAX_PATH] = {};
  if (!chosen || !::SHGetPathFromIDListW(chosen.get(), path)) return {};
  return base::fromWide(path);
}

}  // namespace

std::string FolderChooserWin::chooseFolder(const std::string& title) {
  const std::wstring wideTitle = base::toWide(title);
  HWND active = ::GetActiveWindow();
  wchar_t displayName[MAX_PATH] = {};
  BROWSEINFOW browse{};
  browse.hwndOwner = active && ::IsWindow(active) ? active : nullptr;
  browse.pidlRoot = nullptr;  // the desktop: the whole shell namespace
  browse.pszDisplayName = displayName;
  browse.lpszTitle = wideTitle.c_str();
  browse.ulFlags = BIF_EDITBOX;

  UniqueItemIdList chosen;
  {
    // Undone in reverse: the windows are enabled again before the foreground
    // and active windows are brought back.
    ForegroundAndActiveRestored focus;
    OwnTopLevelWindowsDisabled disabled;
    chosen.reset(::SHBrowseForFolderW(&browse));
  }
  return pathOf(chosen);
}

}  // namespace ui
