#include "ui/main_window_win.h"

#include <commctrl.h>
#include <uxtheme.h>

#include "base/wide_win.h"
#include "ui/choose_file.h"
#include "ui/keyboard.h"

namespace ui {

namespace {

constexpr wchar_t kClassName[] = L"IconExtractorMainWindow";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
constexpr int kProgramIconId = 1;
constexpr DWORD kWindowStyle = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

int controlId(Control id) { return kFirstControlId + static_cast<int>(id); }

HFONT defaultGuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

// The 14-pixel font; the empty face name leaves the face to the font mapper.
base::UniqueFont createHeight14Font() {
  LOGFONTW font{};
  font.lfHeight = -14;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = DEFAULT_CHARSET;
  font.lfOutPrecision = OUT_DEFAULT_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  font.lfPitchAndFamily = DEFAULT_PITCH;
  return base::UniqueFont(CreateFontIndirectW(&font));
}

struct WindowClassAndStyle {
  const wchar_t* className;
  DWORD style;
  DWORD extendedStyle;
};

WindowClassAndStyle classAndStyle(const ControlRow& row) {
  DWORD common = WS_CHILD | WS_VISIBLE | (row.takesFocus ? WS_TABSTOP : 0);
  switch (row.kind) {
    case ControlKind::Label:
      return {L"STATIC", common | SS_OWNERDRAW, 0};
    case ControlKind::PushButton:
      return {L"BUTTON", common | BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", common | BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0};
    case ControlKind::EditBox:
      return {L"EDIT", common | ES_LEFT | ES_AUTOHSCROLL | ES_READONLY, WS_EX_CLIENTEDGE};
    case ControlKind::ListView:
      return {WC_LISTVIEWW, common | WS_BORDER | LVS_ICON | LVS_AUTOARRANGE | LVS_ALIGNTOP, 0};
    default:
      return {nullptr, 0, 0};  // non-visual: no window
  }
}

void setUpListView(HWND list) {
  SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, LVS_EX_CHECKBOXES);
  SendMessageW(list, LVM_SETTEXTCOLOR, 0, RGB(0, 0, 0));
  SendMessageW(list, LVM_SETTEXTBKCOLOR, 0, RGB(255, 255, 255));
  SendMessageW(list, LVM_SETBKCOLOR, 0, RGB(255, 255, 255));
}

}  // namespace

MainWindow::MainWindow(MainWindowEvents events)
    : events_(std::move(events)),
      通用对话框_浏览(browseDialogTitle),
      拖放对象1([this](const std::string& paths) {
        try {
          if (events_.fileDropped && !failed_) events_.fileDropped(paths);
        } catch (...) {
          fail();
        }
      }),
      parts_{nullptr, 编辑框_文件名, 超级列表框1, 选择框_全选, 通用对话框_浏览, 拖放对象1, messages_} {}

MainWindow::~MainWindow() {
  if (window_) DestroyWindow(window_);
}

bool MainWindow::create(HINSTANCE instance) {
  INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  background_.reset(CreateSolidBrush(mainWindowColour));
  white_.reset(CreateSolidBrush(RGB(255, 255, 255)));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);

  const int left = (GetSystemMetrics(SM_CXSCREEN) - mainWindowWidth) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - mainWindowHeight) / 2;
  const std::wstring title = base::toWide(mainWindowTitle);
  CreateWindowExW(0, kClassName, title.c_str(), kWindowStyle, left, top, mainWindowWidth, mainWindowHeight,
                  nullptr, nullptr, instance, this);
  if (!window_) return false;
  RECT outer{};
  GetWindowRect(window_, &outer);
  if (outer.left != left || outer.top != top || outer.right - outer.left != mainWindowWidth ||
      outer.bottom - outer.top != mainWindowHeight)
    SetWindowPos(window_, nullptr, left, top, mainWindowWidth, mainWindowHeight, SWP_NOZORDER | SWP_NOACTIVATE);

  largeIcon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON), 0)));
  smallIcon_.reset(static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON), 0)));
  SendMessageW(window_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(largeIcon_.get()));
  SendMessageW(window_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(defaultGuiFont()), FALSE);

  if (!createControls(instance)) return false;
  parts_.mainWindow = window_;
  raise(events_.created);
  if (!IsWindow(window_)) return true;
  ShowWindow(window_, SW_SHOWNORMAL);
  UpdateWindow(window_);
  SetFocus(control(Control::按钮_浏览));
  return true;
}

bool MainWindow::createControls(HINSTANCE instance) {
  for (const ControlRow& row : mainFormControls) {
    if (row.kind == ControlKind::OpenFileDialog || row.kind == ControlKind::DropReceiver) continue;
    HWND created = createControl(instance, row);
    if (!created) return false;
    controls_[static_cast<int>(row.id)] = created;
  }
  编辑框_文件名.attach(control(Control::编辑框_文件名));
  超级列表框1.attach(control(Control::超级列表框1));
  选择框_全选.attach(control(Control::选择框_全选));
  return true;
}

HWND MainWindow::createControl(HINSTANCE instance, const ControlRow& row) {
  const WindowClassAndStyle kind = classAndStyle(row);
  const std::wstring text = base::toWide(row.text);
  HWND created = CreateWindowExW(kind.extendedStyle, kind.className, text.c_str(), kind.style, row.left, row.top,
                                 row.width, row.height, window_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId(row.id))), instance, nullptr);
  if (!created) return nullptr;
  HFONT font = defaultGuiFont();
  if (row.font == ControlFont::Height14) {
    base::UniqueFont& own = row.kind == ControlKind::CheckBox ? checkBoxFont_ : editBoxFont_;
    own = createHeight14Font();
    font = own.get();
  }
  SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  if (row.kind == ControlKind::CheckBox) SetWindowTheme(created, L"", L"");  // themes would ignore our colours
  if (row.kind == ControlKind::EditBox) SendMessageW(created, EM_LIMITTEXT, 0, 0);
  if (row.kind == ControlKind::ListView) setUpListView(created);
  return created;
}

LRESULT CALLBACK MainWindow::procedure(HWND window, UINT message, WPARAM w, LPARAM l) noexcept {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, w, l);
  try {
    return self->handle(message, w, l);
  } catch (...) {
    self->fail();
  }
}

void MainWindow::fail() noexcept {
  // Out of memory in a handler: the program cannot go on.
  failed_ = true;
  if (events_.fatal) events_.fatal();
  ExitProcess(static_cast<UINT>(-1));
}

LRESULT MainWindow::handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_ERASEBKGND: {
      RECT client{};
      GetClientRect(window_, &client);
      FillRect(reinterpret_cast<HDC>(w), &client, background_.get());
      return 1;
    }
    case WM_COMMAND:
      onCommand(LOWORD(w), HIWORD(w));
      return 0;
    case WM_NOTIFY:
      onNotify(*reinterpret_cast<const NMHDR*>(l));
      return 0;
    case WM_CTLCOLORSTATIC:
      return onColourStatic(reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      drawLabel(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_HELP:
      return TRUE;  // no help file
    case WM_DESTROY:
      raise(events_.destroying);
      拖放对象1.revoke();
      return 0;
    case WM_NCDESTROY: {
      LRESULT result = DefWindowProcW(window_, message, w, l);
      SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
      window_ = nullptr;
      checkBoxFont_.reset();
      editBoxFont_.reset();
      PostQuitMessage(0);
      return result;
    }
    default:
      return DefWindowProcW(window_, message, w, l);
  }
}

void MainWindow::onCommand(int id, int code) {
  if (code != BN_CLICKED) return;
  if (id == controlId(Control::按钮_浏览)) raise(events_.browseClicked);
  else if (id == controlId(Control::按钮_导出)) raise(events_.exportClicked);
  else if (id == controlId(Control::选择框_全选)) raise(events_.selectAllClicked);
}

// Only a plain left click raises the list's event; the list has already
// changed its selection for it. NM_DBLCLK and NM_RCLICK raise nothing.
void MainWindow::onNotify(const NMHDR& header) {
  if (header.hwndFrom == control(Control::超级列表框1) && header.code == static_cast<UINT>(NM_CLICK))
    raise(events_.listItemClicked);
}

LRESULT MainWindow::onColourStatic(HDC dc, HWND control) {
  if (control == this->control(Control::编辑框_文件名)) {  // read-only edits ask here too: keep black on white
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    return reinterpret_cast<LRESULT>(white_.get());
  }
  SetTextColor(dc, labelTextColour);
  SetBkColor(dc, mainWindowColour);
  return reinterpret_cast<LRESULT>(background_.get());
}

void MainWindow::drawLabel(const DRAWITEMSTRUCT& item) {
  const ControlRow& row = formRow(static_cast<Control>(item.CtlID - kFirstControlId));
  RECT area = item.rcItem;
  FillRect(item.hDC, &area, background_.get());
  wchar_t text[512] = {};
  GetWindowTextW(item.hwndItem, text, 512);
  HGDIOBJ oldFont = SelectObject(item.hDC, defaultGuiFont());
  SetTextColor(item.hDC, labelTextColour);
  SetBkMode(item.hDC, TRANSPARENT);
  UINT flags = DT_LEFT | DT_NOPREFIX;
  flags |= row.layout == TextLayout::Wrapped ? DT_WORDBREAK : DT_SINGLELINE | DT_VCENTER;
  DrawTextW(item.hDC, text, -1, &area, flags);
  SelectObject(item.hDC, oldFont);
}

bool MainWindow::takeKey(const MSG& message) {
  if (message.message != WM_KEYDOWN || !window_) return false;
  if (message.hwnd != window_ && !IsChild(window_, message.hwnd)) return false;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, shift = GetKeyState(VK_SHIFT) < 0, alt = GetKeyState(VK_MENU) < 0;
  const KeyAction action = keyActionFor(static_cast<int>(message.wParam), ctrl, shift, alt);
  switch (action) {
    case KeyAction::PassOn:
      return false;
    case KeyAction::Close:
      SendMessageW(window_, WM_CLOSE, 0, 0);
      return true;
    case KeyAction::FocusNext:
    case KeyAction::FocusPrevious: {
      HWND focus = GetFocus();
      HWND from = focus && IsChild(window_, focus) ? focus : nullptr;
      if (HWND next = GetNextDlgTabItem(window_, from, action == KeyAction::FocusPrevious)) SetFocus(next);
      return true;
    }
    case KeyAction::Ignore:
      return true;
  }
  return false;
}

}  // namespace ui
