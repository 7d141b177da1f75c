// Starts IconExtractor.exe and drives it from outside, as a user would:
// window messages to its window, controls and dialogs, and keyboard input.

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <thread>

#include "base/wide_win.h"
#include "fixtures/test_paths.h"
#include "icons/count_icons.h"

namespace {

const std::wstring title = base::toWide("青杉ICO图标提取器 V1.0 BY 林间客 QQ：10000");

// Polls until the condition holds, for at most 30 s.
bool waitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (!condition()) {
    if (std::chrono::steady_clock::now() > deadline) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return true;
}

std::string textOf(HWND window) {
  wchar_t text[512] = {};
  SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));  // the control's own text
  return base::fromWide(text);
}

std::string classOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return base::fromWide(name);
}

std::string childList(HWND parent) {
  std::string list;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    list += classOf(child) + "#" + std::to_string(GetDlgCtrlID(child)) + " ";
  return list;
}

void pressKeys(std::initializer_list<std::pair<WORD, bool>> keys) {  // (key, up)
  std::vector<INPUT> inputs;
  for (auto [key, up] : keys) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    inputs.push_back(input);
  }
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// A real left click at a point of the screen, paced like a hand's: the
// pointer comes to rest before the button goes down.
void clickAt(POINT point) {
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  for (DWORD flags : {MOUSEEVENTF_MOVE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP}) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = (point.x * 65535 + width / 2) / (width - 1);
    input.mi.dy = (point.y * 65535 + height / 2) / (height - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(INPUT));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
  }
}

void clickCentreOf(HWND window) {
  RECT place{};
  GetWindowRect(window, &place);
  clickAt({(place.left + place.right) / 2, (place.top + place.bottom) / 2});
}

// The visible top-level dialog windows of a process.
struct DialogSearch {
  DWORD processId;
  std::vector<HWND> found;
};

BOOL CALLBACK collectDialog(HWND window, LPARAM l) {
  auto* search = reinterpret_cast<DialogSearch*>(l);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process == search->processId && IsWindowVisible(window) && classOf(window) == "#32770")
    search->found.push_back(window);
  return TRUE;
}

std::vector<HWND> dialogsOf(DWORD processId) {
  DialogSearch search{processId, {}};
  EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::string windowsPathOf(const std::filesystem::path& path) {
  return fixtures::windowsPath(base::fromWide(path.wstring()));
}

// The files of a folder, by name.
std::vector<std::string> namesIn(const std::filesystem::path& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(base::fromWide(entry.path().filename().wstring()));
  std::sort(names.begin(), names.end());
  return names;
}

std::vector<std::string> icoNames(int count) {
  std::vector<std::string> names;
  for (int k = 1; k <= count; ++k) names.push_back(std::to_string(k) + ".ico");
  std::sort(names.begin(), names.end());
  return names;
}

std::string fileBytes(const std::filesystem::path& path) { return fixtures::readFileText(base::fromWide(path.wstring())); }

// Memory in another process, for messages whose arguments point to memory.
class RemoteBuffer {
 public:
  RemoteBuffer(HANDLE process, SIZE_T size)
      : process_(process), address_(static_cast<char*>(VirtualAllocEx(process, nullptr, size, MEM_COMMIT, PAGE_READWRITE))) {}
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;
  ~RemoteBuffer() { VirtualFreeEx(process_, address_, 0, MEM_RELEASE); }
  char* at(SIZE_T offset) const { return address_ + offset; }
  LPARAM lparam() const { return reinterpret_cast<LPARAM>(address_); }
  void write(SIZE_T offset, const void* data, SIZE_T size) { WriteProcessMemory(process_, at(offset), data, size, nullptr); }
  void read(SIZE_T offset, void* data, SIZE_T size) const { ReadProcessMemory(process_, at(offset), data, size, nullptr); }

 private:
  HANDLE process_;
  char* address_;
};

HTREEITEM nextTreeItem(HWND tree, UINT relation, HTREEITEM item) {
  return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

// Under Wine a Unix program can be started like a Windows one; ImageMagick's
// import takes the picture of the whole (virtual) screen.
void takeScreenshot(const std::string& unixPath) {
  std::this_thread::sleep_for(std::chrono::seconds(1));  // let the list paint
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION import{};
  std::wstring command = base::toWide("Z:\\usr\\bin\\import -window root " + unixPath);
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &import)) return;
  WaitForSingleObject(import.hProcess, 30000);
  CloseHandle(import.hThread);
  CloseHandle(import.hProcess);
}

class Program : public ::testing::Test {
 protected:
  void SetUp() override {
    exe = fixtures::windowsPath(ICON_EXTRACTOR_EXE);
    workFolder = std::filesystem::path(base::toWide(exe)).parent_path() / L"temp";
    std::filesystem::remove_all(workFolder);
    std::filesystem::create_directory(workFolder);  // the program itself makes it only at close

    STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
    std::wstring command = L"\"" + base::toWide(exe) + L"\"";
    ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                               &process));
    ASSERT_TRUE(waitFor([&] { return (window = FindWindowW(nullptr, title.c_str())) && IsWindowVisible(window); }));
  }
  void TearDown() override {
    if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::filesystem::remove_all(workFolder);
  }

  // Clicks Browse, types the path into the open-file dialog and confirms it.
  void browse(const std::string& path) {
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(102, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(window, 102)));
    HWND dialog = nullptr;
    const std::wstring dialogTitle = base::toWide("请选择要提取图标的文件：");
    ASSERT_TRUE(waitFor([&] { return (dialog = FindWindowW(L"#32770", dialogTitle.c_str())) != nullptr; }));
    HWND name = nullptr;  // the file-name box: edt1, or the edit of the combo box cmb13
    ASSERT_TRUE(waitFor([&] {
      name = GetDlgItem(dialog, 0x480);
      if (!name) name = reinterpret_cast<HWND>(SendMessageW(GetDlgItem(dialog, 0x47c), CBEM_GETEDITCONTROL, 0, 0));
      return name != nullptr;
    })) << childList(dialog);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(base::toWide(path).c_str()));
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
    ASSERT_TRUE(waitFor([&] { return !IsWindow(dialog); }));
  }

  // An item's text, read through memory in the program's process.
  std::string itemText(HWND list, int position) {
    RemoteBuffer remote(process.hProcess, sizeof(LVITEMW) + 64 * sizeof(wchar_t));
    LVITEMW item{};
    item.cchTextMax = 64;
    item.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(LVITEMW)));
    remote.write(0, &item, sizeof(item));
    SendMessageW(list, LVM_GETITEMTEXTW, position, remote.lparam());
    wchar_t text[64] = {};
    remote.read(sizeof(LVITEMW), text, sizeof(text));
    return base::fromWide(text);
  }

  // The place of an item's icon on the screen, asked of the control in the program's process.
  RECT iconOnScreen(HWND list, int position) {
    RemoteBuffer remote(process.hProcess, sizeof(RECT));
    RECT place{};
    place.left = LVIR_ICON;
    remote.write(0, &place, sizeof(place));
    SendMessageW(list, LVM_GETITEMRECT, position, remote.lparam());
    remote.read(0, &place, sizeof(place));
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&place), 2);
    return place;
  }

  // A real click on the middle of an item's icon.
  void clickItem(HWND list, int position) {
    SetForegroundWindow(window);
    ASSERT_TRUE(waitFor([&] { return GetForegroundWindow() == window; }));
    const RECT icon = iconOnScreen(list, position);
    clickAt({(icon.left + icon.right) / 2, (icon.top + icon.bottom) / 2});
  }

  // The positions whose check box is ticked, read from the control itself.
  std::vector<int> tickedItems(HWND list) {
    std::vector<int> ticked;
    const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
    for (int p = 0; p < count; ++p)
      if (SendMessageW(list, LVM_GETITEMSTATE, p, LVIS_STATEIMAGEMASK) == INDEXTOSTATEIMAGEMASK(2)) ticked.push_back(p);
    return ticked;
  }

  // Clicks Export and waits for the folder chooser.
  HWND openFolderChooser() {
    clickCentreOf(GetDlgItem(window, 104));  // 导  出
    HWND chooser = nullptr;
    waitFor([&] {
      std::vector<HWND> dialogs = dialogsOf(process.dwProcessId);
      chooser = dialogs.empty() ? nullptr : dialogs.front();
      return chooser != nullptr;
    });
    return chooser;
  }

  // A tree item's text, read through memory in the program's process.
  std::string treeItemText(HWND tree, HTREEITEM item) {
    RemoteBuffer remote(process.hProcess, sizeof(TVITEMW) + 260 * sizeof(wchar_t));
    TVITEMW query{};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.cchTextMax = 260;
    query.pszText = reinterpret_cast<wchar_t*>(remote.at(sizeof(TVITEMW)));
    remote.write(0, &query, sizeof(query));
    SendMessageW(tree, TVM_GETITEMW, 0, remote.lparam());
    wchar_t text[260] = {};
    remote.read(sizeof(TVITEMW), text, sizeof(text) - sizeof(wchar_t));
    return base::fromWide(text);
  }

  // Expands an item (the chooser fills it in then) and finds its child of
  // that text, or whose text holds `part` where a part is enough.
  HTREEITEM childWith(HWND tree, HTREEITEM parent, const std::string& part, bool whole = true) {
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    for (HTREEITEM child = nextTreeItem(tree, TVGN_CHILD, parent); child; child = nextTreeItem(tree, TVGN_NEXT, child)) {
      const std::string text = treeItemText(tree, child);
      if (whole ? text == part : text.find(part) != std::string::npos) return child;
    }
    return nullptr;
  }

  // Selects a folder of drive Z: in the chooser's tree: below the desktop the
  // item that holds the drive (My Computer), the drive, then one folder per name.
  bool selectInFolderTree(HWND chooser, const std::vector<std::string>& folders) {
    HWND tree = FindWindowExW(chooser, nullptr, WC_TREEVIEWW, nullptr);
    HTREEITEM desktop = nextTreeItem(tree, TVGN_ROOT, nullptr);
    SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(desktop));
    HTREEITEM item = nullptr;
    for (HTREEITEM top = nextTreeItem(tree, TVGN_CHILD, desktop); top && !item; top = nextTreeItem(tree, TVGN_NEXT, top))
      item = childWith(tree, top, "(Z:)", false);
    for (const std::string& name : folders)
      if (item) item = childWith(tree, item, name);
    if (!item) return false;
    SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    return true;
  }

  // Types the folder into the chooser's edit box, or where there is none picks
  // it in the tree (the folder must then lie on drive Z:), and presses the
  // button (IDOK or IDCANCEL). Wine's chooser shows no edit box for
  // BIF_EDITBOX, so there the tree is used, as a user would.
  void answerFolderChooser(HWND chooser, const std::filesystem::path& folder, int button) {
    if (HWND edit = FindWindowExW(chooser, nullptr, L"Edit", nullptr)) {
      SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(base::toWide(windowsPathOf(folder)).c_str()));
    } else {
      std::vector<std::string> names;
      for (const auto& part : folder.relative_path()) names.push_back(base::fromWide(part.wstring()));
      ASSERT_TRUE(selectInFolderTree(chooser, names)) << windowsPathOf(folder) << ": " << childList(chooser);
    }
    clickCentreOf(GetDlgItem(chooser, button));
    ASSERT_TRUE(waitFor([&] { return !IsWindow(chooser); }));
    ASSERT_TRUE(waitFor([&] { return IsWindowEnabled(window); }));
  }

  DWORD exitCode() {
    if (WaitForSingleObject(process.hProcess, 15000) != WAIT_OBJECT_0) return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process.hProcess, &code);
    return code;
  }

  std::string exe;
  std::filesystem::path workFolder;
  PROCESS_INFORMATION process{};
  HWND window = nullptr;
};

TEST_F(Program, WindowIsCentredAndHoldsTheFormsControls) {
  EXPECT_EQ(textOf(window), base::fromWide(title));
  RECT outer{};
  GetWindowRect(window, &outer);
  EXPECT_EQ(outer.right - outer.left, 603);
  EXPECT_EQ(outer.bottom - outer.top, 319);
  EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 603) / 2);
  EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 319) / 2);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);

  struct Expected {
    const char* className;
    const char* text;
    RECT place;  // left, top, right, bottom in the window's client area
    LONG styles;
  };
  const Expected controls[] = {
      {"Static", "软件说明：\r\n1、支持EXE、DLL中ICO图标提取   2、支持ICO图标批量导出   3、支持文件拖放",
       {7, 261, 592, 288}, SS_OWNERDRAW},
      {"Static", "文件名：", {9, 10, 57, 30}, SS_OWNERDRAW},
      {"Button", "浏  览", {392, 10, 457, 30}, WS_TABSTOP | BS_MULTILINE},
      {"Button", "导  出", {463, 9, 528, 29}, WS_TABSTOP | BS_MULTILINE},
      {"Button", "全选", {534, 9, 588, 29}, WS_TABSTOP | BS_AUTOCHECKBOX | BS_MULTILINE},
      {"SysListView32", "", {7, 36, 592, 256}, WS_TABSTOP | WS_BORDER | LVS_ICON | LVS_AUTOARRANGE},
      {"Edit", "", {63, 10, 384, 30}, WS_TABSTOP | ES_AUTOHSCROLL | ES_READONLY},
  };
  // Children in creation order; the non-visual components have no window.
  std::vector<HWND> children;
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) children.push_back(child);
  ASSERT_EQ(children.size(), std::size(controls));
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Expected& e = controls[i];
    HWND child = children[i];
    EXPECT_EQ(classOf(child), e.className) << i;
    EXPECT_EQ(textOf(child), e.text) << i;
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&place), 2);
    EXPECT_TRUE(EqualRect(&place, &e.place)) << i << ": " << place.left << "," << place.top << "," << place.right
                                             << "," << place.bottom;
    EXPECT_EQ(GetWindowLongW(child, GWL_STYLE) & e.styles, e.styles) << i;
  }
  EXPECT_TRUE(GetWindowLongW(children[6], GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
}

TEST_F(Program, BrowseListsAModulesIconsAndTheSameFileAgainGetsTheMessage) {
  const std::string shell32 = fixtures::windowsPath(fixtures::wineModule("i386", "shell32.dll"));
  REQUIRE_WINE_MODULE(shell32);
  const int count = icons::countIconsInFile(shell32);
  ASSERT_GT(count, 0);

  browse(shell32);
  HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_TRUE(waitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == count; }));
  for (int p = 0; p < count; ++p) EXPECT_EQ(itemText(list, p), std::to_string(p + 1) + ".ico");
  for (int n = 1; n <= count; ++n) EXPECT_TRUE(std::filesystem::exists(workFolder / (std::to_wstring(n) + L".ico"))) << n;
  EXPECT_EQ(textOf(FindWindowExW(window, nullptr, L"Edit", nullptr)), shell32);
  if (const char* shot = std::getenv("ICONS_SCREENSHOT")) takeScreenshot(shot);  // scripts/screenshot.sh

  browse(shell32);
  HWND box = nullptr;
  const std::wstring boxTitle = base::toWide("信息：");
  ASSERT_TRUE(waitFor([&] { return (box = FindWindowW(L"#32770", boxTitle.c_str())) != nullptr; }));
  EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)), "该文件内图标已经成功提取出一次了！没必要再提取一次了");
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
  ASSERT_TRUE(waitFor([&] { return !IsWindow(box); }));
  EXPECT_EQ(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), count);
}

// Tab and Shift+Tab walk the tab stops in the form's order; Enter and F1 on a
// focused button open nothing.
TEST_F(Program, TabMovesTheFocusEnterAndF1DoNothing) {
  SetForegroundWindow(window);
  auto focus = [&] {
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    GetGUIThreadInfo(process.dwThreadId, &info);
    return info.hwndFocus;
  };
  std::vector<HWND> stops;  // 浏览, 导出, 全选, the list, the file-name box
  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    if (GetWindowLongW(child, GWL_STYLE) & WS_TABSTOP) stops.push_back(child);
  ASSERT_EQ(stops.size(), 5u) << childList(window);
  const auto at = [&](HWND stop) { return std::find(stops.begin(), stops.end(), stop) - stops.begin(); };

  ASSERT_TRUE(waitFor([&] { return at(focus()) < 5; })) << "the focus starts on a tab stop";
  const auto start = at(focus());
  for (int step = 1; step <= 5; ++step) {
    pressKeys({{VK_TAB, false}, {VK_TAB, true}});
    EXPECT_TRUE(waitFor([&] { return at(focus()) == (start + step) % 5; })) << step;
  }
  pressKeys({{VK_SHIFT, false}, {VK_TAB, false}, {VK_TAB, true}, {VK_SHIFT, true}});
  EXPECT_TRUE(waitFor([&] { return at(focus()) == (start + 4) % 5; }));

  for (int step = 0; step < 5 && focus() != stops[0]; ++step) {
    pressKeys({{VK_TAB, false}, {VK_TAB, true}});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
  }
  ASSERT_EQ(focus(), stops[0]);
  pressKeys({{VK_RETURN, false}, {VK_RETURN, true}, {VK_F1, false}, {VK_F1, true}});
  std::this_thread::sleep_for(std::chrono::seconds(1));
  HWND dialog = nullptr;
  for (HWND w = FindWindowW(L"#32770", nullptr); w; w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == process.dwProcessId && IsWindowVisible(w)) dialog = w;
  }
  EXPECT_EQ(dialog, nullptr) << "a dialog opened: " << textOf(dialog);
  EXPECT_TRUE(IsWindowEnabled(window));
}

// A new folder, removed with everything in it at the end.
struct ScratchFolder {
  explicit ScratchFolder(std::filesystem::path where) : path(std::move(where)) {
    std::filesystem::remove_all(path);
    std::filesystem::create_directories(path);
  }
  ~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::filesystem::path path;
};

// iconextract's bmp output for a file: expected/n.bmp for icon n.
void drawWithCommandLineTool(const std::string& file, const std::filesystem::path& expected) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION tool{};
  std::wstring command = L"\"" + base::toWide(fixtures::windowsPath(ICONEXTRACT_EXE)) + L"\" bmp \"" + base::toWide(file) +
                         L"\" \"" + expected.wstring() + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                             &startup, &tool));
  WaitForSingleObject(tool.hProcess, 60000);
  DWORD code = 1;
  GetExitCodeProcess(tool.hProcess, &code);
  CloseHandle(tool.hThread);
  CloseHandle(tool.hProcess);
  ASSERT_EQ(code, 0u);
}

TEST_F(Program, ExportsTheTickedIconsAsTheirPicturesAndCleansTheWorkFolderAtClose) {
  const std::string shell32 = fixtures::windowsPath(fixtures::wineModule("i386", "shell32.dll"));
  REQUIRE_WINE_MODULE(shell32);
  const int count = icons::countIconsInFile(shell32);
  ASSERT_GT(count, 6);
  // On drive Z:, which the chooser shows under My Computer.
  const ScratchFolder scratch(L"Z:\\tmp\\iconextract-driver-" + std::to_wstring(GetCurrentProcessId()));
  const std::filesystem::path& root = scratch.path;
  const std::filesystem::path expected = root / L"expected", picked = root / L"picked", cancelled = root / L"cancelled",
                              all = root / L"all";
  for (const auto& folder : {picked, cancelled, all}) std::filesystem::create_directory(folder);
  drawWithCommandLineTool(shell32, expected);

  browse(shell32);
  HWND list = FindWindowExW(window, nullptr, WC_LISTVIEWW, nullptr);
  ASSERT_TRUE(waitFor([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == count; }));

  // Each click toggles the first selected item, which the click has just selected.
  const std::pair<int, std::vector<int>> clicks[] = {{1, {1}}, {4, {1, 4}}, {6, {1, 4, 6}}, {4, {1, 6}}};
  for (const auto& [position, ticked] : clicks) {
    clickItem(list, position);
    ASSERT_TRUE(waitFor([&] { return tickedItems(list) == ticked; }))
        << "after a click on " << position << ": " << ::testing::PrintToString(tickedItems(list));
  }

  // A window of another process, which the chooser must leave usable.
  HWND other = CreateWindowExW(0, L"STATIC", L"other program", WS_OVERLAPPED | WS_VISIBLE, 0, 0, 100, 50, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_TRUE(other);
  HWND chooser = openFolderChooser();
  ASSERT_TRUE(chooser);
  EXPECT_EQ(GetWindow(chooser, GW_OWNER), window);
  EXPECT_NE(FindWindowExW(chooser, nullptr, L"Static", base::toWide("请选择要保存图标的文件夹").c_str()), nullptr)
      << childList(chooser);
  EXPECT_FALSE(IsWindowEnabled(window));
  EXPECT_TRUE(IsWindowEnabled(other));
  answerFolderChooser(chooser, picked, IDOK);
  EXPECT_EQ(GetForegroundWindow(), window);
  DestroyWindow(other);
  ASSERT_TRUE(waitFor([&] { return namesIn(picked).size() == 2; })) << ::testing::PrintToString(namesIn(picked));
  EXPECT_EQ(namesIn(picked), icoNames(2));
  EXPECT_EQ(fileBytes(picked / L"1.ico"), fileBytes(expected / L"2.bmp"));
  EXPECT_EQ(fileBytes(picked / L"2.ico"), fileBytes(expected / L"7.bmp"));
  EXPECT_EQ(fileBytes(picked / L"1.ico").size(), 3126u);

  chooser = openFolderChooser();
  ASSERT_TRUE(chooser);
  answerFolderChooser(chooser, cancelled, IDCANCEL);
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(namesIn(cancelled).empty());

  clickCentreOf(GetDlgItem(window, 105));  // 全选
  ASSERT_TRUE(waitFor([&] { return tickedItems(list).size() == static_cast<std::size_t>(count); }));
  chooser = openFolderChooser();
  ASSERT_TRUE(chooser);
  answerFolderChooser(chooser, all, IDOK);
  ASSERT_TRUE(waitFor([&] { return namesIn(all).size() == static_cast<std::size_t>(count); }));
  EXPECT_EQ(namesIn(all), icoNames(count));
  for (int k = 1; k <= count; ++k) {
    const std::string bytes = fileBytes(all / (std::to_wstring(k) + L".ico"));
    EXPECT_EQ(bytes.size(), 3126u) << k;
    EXPECT_EQ(bytes, fileBytes(expected / (std::to_wstring(k) + L".bmp"))) << k;
  }

  SetForegroundWindow(window);
  pressKeys({{VK_ESCAPE, false}, {VK_ESCAPE, true}});
  EXPECT_EQ(exitCode(), 0u);
  EXPECT_TRUE(std::filesystem::is_directory(workFolder));
  EXPECT_TRUE(std::filesystem::is_empty(workFolder));
}

TEST_F(Program, EscClosesShiftEscDoesNot) {
  SetForegroundWindow(window);
  pressKeys({{VK_SHIFT, false}, {VK_ESCAPE, false}, {VK_ESCAPE, true}, {VK_SHIFT, true}});
  std::this_thread::sleep_for(std::chrono::seconds(1));
  EXPECT_TRUE(IsWindow(window));
  pressKeys({{VK_ESCAPE, false}, {VK_ESCAPE, true}});
  EXPECT_EQ(exitCode(), 0u);
}

}  // namespace

namespace {

// A handler that runs out of memory ends the program through the runtime's
// error box with exit code -1; no handler, destroy event or exit routine runs
// after it, even for a click that arrives while the box is open.
TEST(FatalPath, ErrorBoxThenExitCodeMinusOneWithoutTheExitRoutines) {
  const std::filesystem::path probe = base::toWide(fixtures::windowsPath(FATAL_PROBE_EXE));
  const std::filesystem::path folder = probe.parent_path();
  const char* marks[] = {"probe_handler_ran", "probe_handler_after_failure_ran", "probe_destroying_ran",
                         "probe_exit_routine_ran"};
  for (const char* mark : marks) std::filesystem::remove(folder / mark);

  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring command = L"\"" + probe.wstring() + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process));
  HWND window = nullptr;
  ASSERT_TRUE(waitFor([&] { return (window = FindWindowW(nullptr, title.c_str())) && IsWindowVisible(window); }));
  HWND selectAll = FindWindowExW(window, nullptr, L"Button", L"全选");
  ASSERT_TRUE(selectAll) << childList(window);
  const WPARAM click = MAKEWPARAM(GetDlgCtrlID(selectAll), BN_CLICKED);
  PostMessageW(window, WM_COMMAND, click, reinterpret_cast<LPARAM>(selectAll));

  HWND box = nullptr;
  ASSERT_TRUE(waitFor([&] { return (box = FindWindowW(L"#32770", L"IconExtractor")) != nullptr; }));
  EXPECT_EQ(textOf(GetDlgItem(box, 0xFFFF)), "程序无法继续运行，即将退出。");
  PostMessageW(window, WM_COMMAND, click, reinterpret_cast<LPARAM>(selectAll));
  std::this_thread::sleep_for(std::chrono::milliseconds(500));
  PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);

  ASSERT_EQ(WaitForSingleObject(process.hProcess, 15000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  EXPECT_EQ(code, static_cast<DWORD>(-1));
  EXPECT_TRUE(std::filesystem::exists(folder / marks[0]));
  for (const char* mark : {marks[1], marks[2], marks[3]}) EXPECT_FALSE(std::filesystem::exists(folder / mark)) << mark;
}

}  // namespace
