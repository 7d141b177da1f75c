#include "app/exit_routines.h"

#include <algorithm>
#include <utility>

namespace app {

void ExitRoutines::add(Routine routine) {
  if (std::find(routines_.begin(), routines_.end(), routine) == routines_.end()) routines_.push_back(routine);
}

void ExitRoutines::runAll() {
  for (Routine routine : std::exchange(routines_, {})) routine();
}

void ExitRoutines::drop() { routines_.clear(); }

}  // namespace app
