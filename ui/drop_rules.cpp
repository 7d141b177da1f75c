#include "ui/drop_rules.h"

namespace ui {

namespace {

unsigned ifAllowed(unsigned effect, unsigned allowed) { return (allowed & effect) ? effect : dropNone; }

}  // namespace

unsigned dropEffectFor(bool offersFileList, bool ctrl, bool shift, unsigned allowed) {
  if (!offersFileList || (ctrl && shift)) return dropNone;
  if (ctrl) return ifAllowed(dropCopy, allowed);
  if (shift) return ifAllowed(dropMove, allowed);
  for (unsigned effect : {dropCopy, dropMove, dropLink})
    if (allowed & effect) return effect;
  return dropNone;
}

std::string droppedPathsText(const std::vector<std::string>& paths) {
  if (paths.size() == 1) return paths[0];
  std::string text;
  for (const std::string& path : paths) text += path + "\r\n";
  return text;
}

}  // namespace ui
