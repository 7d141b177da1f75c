#include "ui/choose_file.h"

#include "app/load_icons.h"

namespace ui {

void onWindowCreated(app::ProgramContext& program) {
  program.window.拖放对象1.registerDropWindow(program.window.mainWindow);
  program.state.lastExtractedFile.clear();
}

void onBrowseClicked(app::ProgramContext& program) {
  OpenFileDialog& dialog = program.window.通用对话框_浏览;
  dialog.setFilter(browseFilter);
  if (!dialog.showOpenDialog()) return;
  program.window.编辑框_文件名.setText(dialog.fileName());
  app::loadIcons(program);
}

void onFileDropped(app::ProgramContext& program, const std::string& droppedPaths) {
  program.window.编辑框_文件名.setText(droppedPaths);
  app::loadIcons(program);
}

}  // namespace ui
