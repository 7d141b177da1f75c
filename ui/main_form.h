#pragma once
// The main window's form: its own settings and one row per control, in the
// order the controls are created. Places are pixels in the client area.

#include <array>

namespace ui {

enum class ControlKind { Label, PushButton, CheckBox, EditBox, ListView, OpenFileDialog, DropReceiver };

// The controls, by their form names, in creation order.
enum class Control { 标签2, 标签1, 按钮_浏览, 通用对话框_浏览, 按钮_导出, 选择框_全选, 拖放对象1, 超级列表框1, 编辑框_文件名 };

enum class TextLayout {
  None,
  SingleLineCentred,  // one line, vertically centred
  Wrapped,            // wrapped at words from the top; CR LF starts a line
};

enum class ControlFont { DefaultGui, Height14 };

struct ControlRow {
  Control id;
  const char* name;
  ControlKind kind;
  int left, top, width, height;  // none for the non-visual components
  const char* text;
  bool takesFocus;
  TextLayout layout;
  ControlFont font;
};

inline constexpr const char* mainWindowTitle = "青杉ICO图标提取器 V1.0 BY 林间客 QQ：10000";
inline constexpr int mainWindowWidth = 603;   // outside, border and title bar included
inline constexpr int mainWindowHeight = 319;
inline constexpr unsigned mainWindowColour = 0xFF8800;  // COLORREF red 0, green 136, blue 255
inline constexpr unsigned labelTextColour = 0x00FFFF;   // red 255, green 255, blue 0

inline constexpr const char* usageNotes =
    "软件说明：\r\n1、支持EXE、DLL中ICO图标提取   2、支持ICO图标批量导出   3、支持文件拖放";

inline constexpr std::array<ControlRow, 9> mainFormControls{{
    {Control::标签2, "标签2", ControlKind::Label, 7, 261, 585, 27, usageNotes, false, TextLayout::Wrapped,
     ControlFont::DefaultGui},
    {Control::标签1, "标签1", ControlKind::Label, 9, 10, 48, 20, "文件名：", false, TextLayout::SingleLineCentred,
     ControlFont::DefaultGui},
    {Control::按钮_浏览, "按钮_浏览", ControlKind::PushButton, 392, 10, 65, 20, "浏  览", true, TextLayout::None,
     ControlFont::DefaultGui},
    {Control::通用对话框_浏览, "通用对话框_浏览", ControlKind::OpenFileDialog, 0, 0, 0, 0, "", false,
     TextLayout::None, ControlFont::DefaultGui},
    {Control::按钮_导出, "按钮_导出", ControlKind::PushButton, 463, 9, 65, 20, "导  出", true, TextLayout::None,
     ControlFont::DefaultGui},
    {Control::选择框_全选, "选择框_全选", ControlKind::CheckBox, 534, 9, 54, 20, "全选", true, TextLayout::None,
     ControlFont::Height14},
    {Control::拖放对象1, "拖放对象1", ControlKind::DropReceiver, 0, 0, 0, 0, "", false, TextLayout::None,
     ControlFont::DefaultGui},
    {Control::超级列表框1, "超级列表框1", ControlKind::ListView, 7, 36, 585, 220, "", true, TextLayout::None,
     ControlFont::DefaultGui},
    {Control::编辑框_文件名, "编辑框_文件名", ControlKind::EditBox, 63, 10, 321, 20, "", true, TextLayout::None,
     ControlFont::Height14},
}};

inline constexpr const ControlRow& formRow(Control id) { return mainFormControls[static_cast<int>(id)]; }

}  // namespace ui
