// brelloch: the game. It finds its content wherever it is started from (user_folders.h).
#include <cstdio>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_line.h"
#include "app/online_play.h"
#include "app/replay_file.h"
#include "app/replay_wiring.h"

int main(int argc, char** argv) {
  const CommandLine line = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
  if (!line.error.empty()) {
    std::fprintf(stderr, "brelloch: %s (try --help)\n", line.error.c_str());
    return 2;
  }
  if (line.help) {
    std::fputs(CommandLineHelp("brelloch").c_str(), stdout);
    return 0;
  }
  if (line.version) {
    std::printf("brelloch %s\n", GameVersion());
    return 0;
  }
  if (!line.replayFile.empty()) {
    std::string error;
    if (!ChooseReplayToWatch(line.replayFile.c_str(), line.replaySpeed, error)) {
      std::fprintf(stderr, "brelloch: %s: %s\n", line.replayFile.c_str(), error.c_str());
      return 1;
    }
  }
  RequestOnlineStart(line.online);
  return GameMain(line);
}
