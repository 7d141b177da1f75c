#include "app/load_icons.h"

namespace app {

void loadIcons(ProgramContext& program) {
  ExtractorState& state = program.state;
  ui::IconListView& list = program.window.超级列表框1;
  const std::string path = program.window.编辑框_文件名.text();
  if (path == state.lastExtractedFile) {
    program.window.messages.showInformation(sameFileMessage, sameFileTitle);
    return;
  }
  state.iconCount = program.engine.countIconsInFile(path);
  state.iconImages = icons::createIconImageList(32, 32);
  list.clearItems();
  const int count = state.iconCount;
  for (int n = 1; n <= count; ++n) {
    const std::string name = std::to_string(n) + ".ico";
    program.engine.saveIconAsIcoFile(path, program.programDirectory + "\\temp\\" + name, n);
    const int imageIndex = program.engine.addIconFromFile(state.iconImages, path, n - 1);
    // A failed picture gives -1: its item is appended and shows none.
    list.setIconImages(state.iconImages);
    list.insertItem(imageIndex, name, imageIndex);
  }
  state.lastExtractedFile = path;
}

}  // namespace app
