#pragma once
// The program-wide state: one per process, from start-up until freeState.

#include <string>

#include "icons/icon_image_list.h"

namespace app {

struct ExtractorState {
  icons::IconImageList iconImages;  // the loaded file's pictures; empty value before the first load
  int iconCount = 0;                // icons of the loaded file
  std::string lastExtractedFile;    // path of the last load, for the same-file test
};

// Releases the state's values; the exit routine registered at start-up.
inline void freeState(ExtractorState& state) { state = ExtractorState{}; }

}  // namespace app
