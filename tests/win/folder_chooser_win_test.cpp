// The folder chooser on the platform's dialog, answered from a second thread
// while this one runs the dialog's modal loop.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>

#include "base/wide_win.h"
#include "ui/folder_chooser_win.h"

namespace {

BOOL CALLBACK findOwnDialog(HWND window, LPARAM found) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  wchar_t name[16] = {};
  GetClassNameW(window, name, 16);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window) || std::wstring(name) != L"#32770") return TRUE;
  *reinterpret_cast<HWND*>(found) = window;
  return FALSE;
}

HWND ownDialog() {
  HWND found = nullptr;
  EnumWindows(findOwnDialog, reinterpret_cast<LPARAM>(&found));
  return found;
}

// Waits for the chooser, lets `answer` act on it and then presses `button`. A
// chooser that never comes ends the process, as this thread cannot close it.
class ChooserAnswer {
 public:
  ChooserAnswer(int button, std::function<void(HWND chooser)> answer)
      : thread_([button, answer] {
          HWND chooser = nullptr;
          const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
          while (!(chooser = ownDialog())) {
            if (std::chrono::steady_clock::now() > deadline) {
              ADD_FAILURE() << "no folder chooser";
              ExitProcess(1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
          }
          answer(chooser);
          PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
        }) {}
  ~ChooserAnswer() { thread_.join(); }

 private:
  std::thread thread_;
};

HWND topLevelWindow(DWORD extraStyle) {
  return CreateWindowExW(0, L"STATIC", L"top level", WS_OVERLAPPED | WS_VISIBLE | extraStyle, 0, 0, 120, 60, nullptr,
                         nullptr, GetModuleHandleW(nullptr), nullptr);
}

std::string textOf(HWND tree, HTREEITEM item) {
  wchar_t text[260] = {};
  TVITEMW query{};
  query.mask = TVIF_TEXT;
  query.hItem = item;
  query.pszText = text;
  query.cchTextMax = 260;
  SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
  return base::fromWide(text);
}

HTREEITEM nextItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// The item of drive Z: one level below the desktop's items (under My Computer).
HTREEITEM driveZ(HWND tree) {
  HTREEITEM desktop = nextItem(tree, TVGN_ROOT, nullptr);
  SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(desktop));
  for (HTREEITEM top = nextItem(tree, TVGN_CHILD, desktop); top; top = nextItem(tree, TVGN_NEXT, top)) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(top));
    for (HTREEITEM item = nextItem(tree, TVGN_CHILD, top); item; item = nextItem(tree, TVGN_NEXT, item))
      if (textOf(tree, item).find("(Z:)") != std::string::npos) return item;
  }
  return nullptr;
}

TEST(FolderChooserWin, DisablesThisProgramsWindowsWhileOpenAndGivesEachItsStateBack) {
  HWND enabled = topLevelWindow(0), disabled = topLevelWindow(WS_DISABLED);
  ASSERT_TRUE(enabled && disabled);
  SetForegroundWindow(enabled);
  SetActiveWindow(enabled);
  bool enabledWhileOpen = true, disabledWhileOpen = true;
  HWND owner = nullptr;
  std::string title;
  std::string chosen;
  {
    ChooserAnswer cancel(IDCANCEL, [&](HWND chooser) {
      enabledWhileOpen = IsWindowEnabled(enabled);
      disabledWhileOpen = IsWindowEnabled(disabled);
      owner = GetWindow(chooser, GW_OWNER);
      const std::wstring wanted = base::toWide("请选择要保存图标的文件夹");
      if (FindWindowExW(chooser, nullptr, L"Static", wanted.c_str())) title = base::fromWide(wanted);
    });
    chosen = ui::FolderChooserWin().chooseFolder("请选择要保存图标的文件夹");
  }
  EXPECT_EQ(chosen, "");
  EXPECT_EQ(title, "请选择要保存图标的文件夹");
  EXPECT_EQ(owner, enabled);
  EXPECT_FALSE(enabledWhileOpen);
  EXPECT_FALSE(disabledWhileOpen);
  EXPECT_TRUE(IsWindowEnabled(enabled));
  EXPECT_FALSE(IsWindowEnabled(disabled));
  EXPECT_EQ(GetActiveWindow(), enabled);
  DestroyWindow(enabled);
  DestroyWindow(disabled);
}

TEST(FolderChooserWin, ADriveRootComesBackWithItsBackslash) {
  std::string chosen;
  bool found = false;
  {
    ChooserAnswer ok(IDOK, [&](HWND chooser) {
      HWND tree = FindWindowExW(chooser, nullptr, WC_TREEVIEWW, nullptr);
      HTREEITEM drive = driveZ(tree);
      found = drive != nullptr;
      SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(drive));
    });
    chosen = ui::FolderChooserWin().chooseFolder("title");
  }
  ASSERT_TRUE(found);
  EXPECT_EQ(chosen, "Z:\\");
}

}  // namespace
