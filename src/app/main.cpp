// brelloch: the game. It runs from the folder that holds base/. Options: --host [PORT],
// --join HOST[:PORT] (online play), --help.
#include <cstdio>
#include <string>

#include "app/app.h"
#include "app/online_command_line.h"
#include "app/online_play.h"

int main(int argc, char** argv) {
  OnlineStart online;
  std::string error;
  for (int index = 1; index < argc && error.empty();) {
    if (ReadOnlineOption(argc, argv, &index, &online, &error)) continue;
    if (std::string(argv[index]) == "--help") {
      std::printf("Usage: brelloch [OPTION]\n%s", kOnlineOptionsHelp);
      return 0;
    }
    error = std::string("unknown option ") + argv[index];
  }
  if (!error.empty()) {
    std::fprintf(stderr, "brelloch: %s\n", error.c_str());
    return 2;
  }
  RequestOnlineStart(online);
  return GameMain();
}
