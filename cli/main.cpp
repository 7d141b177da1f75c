#include <iostream>

#include "cli/commands.h"

#ifdef _WIN32
#include "base/wide_win.h"

// Arguments arrive as UTF-16 on Windows and stay UTF-8 inside.
int wmain(int argc, wchar_t** argv) {
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(base::fromWide(argv[i]));
  return cli::run(args, std::cout, std::cerr);
}
#else
int main(int argc, char** argv) { return cli::run({argv + 1, argv + argc}, std::cout, std::cerr); }
#endif
