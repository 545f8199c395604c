// brelloch: the game. It finds its content wherever it is started from (user_folders.h).
#include <cstdio>

#include "app/app.h"
#include "app/command_line.h"

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(argc, argv);
  if (!line.error.empty()) {
    std::fprintf(stderr, "brelloch: %s\nTry 'brelloch --help'.\n", line.error.c_str());
    return 2;
  }
  if (line.help) {
    std::fputs(CommandLineHelp().c_str(), stdout);
    return 0;
  }
  if (line.version) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  return GameMain(line);
}
