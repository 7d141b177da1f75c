#pragma once
// The routines run once each at normal shutdown, in registration order.

#include <vector>

namespace app {

class ExitRoutines {
 public:
  using Routine = void (*)();
  void add(Routine routine);  // a routine already listed is not added again
  void runAll();              // runs each once and empties the list
  void drop();                // empties the list without running it (the fatal path)

 private:
  std::vector<Routine> routines_;
};

}  // namespace app
