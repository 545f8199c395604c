// brelloch-driver SCRIPT [--replay FILE [--replay-speed N]]: runs the game with its input, clock and
// message boxes taken from a script (docs/driver.md), watching FILE once the loading is over if
// given (at N times its speed). Exits with the game's exit code; 2 when the script or the options
// cannot be used; 3 when an expectation of the script failed.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/command_line.h"
#include "app/driver/driver_script.h"
#include "app/driver/script_runner.h"
#include "app/replay_wiring.h"
#include "platform/platform.h"

namespace {

// Of the game's options the driver takes only the replay's.
bool OnlyReplayOptions(const CommandLine& line) {
  return line.error.empty() && !line.help && !line.version && line.windowed < 0 &&
         !line.online.host && !line.online.join && (!line.replayFile.empty() || line.replaySpeed == 1);
}

}  // namespace

int main(int argc, char** argv) {
  const CommandLine options =
      argc >= 2 ? ParseCommandLine(std::vector<std::string>(argv + 2, argv + argc)) : CommandLine{};
  if (argc < 2 || !OnlyReplayOptions(options)) {
    std::fprintf(stderr, "usage: brelloch-driver SCRIPT [--replay FILE [--replay-speed 1|2|4]]\n");
    return 2;
  }
  if (!options.replayFile.empty()) {
    std::string error;
    if (!ChooseReplayToWatch(options.replayFile.c_str(), options.replaySpeed, error)) {
      std::fprintf(stderr, "driver: %s: %s\n", options.replayFile.c_str(), error.c_str());
      return 1;
    }
  }
  std::ifstream file(argv[1]);
  if (!file) {
    std::fprintf(stderr, "driver: cannot read %s\n", argv[1]);
    return 2;
  }
  std::ostringstream source;
  source << file.rdbuf();
  ParsedScript script = ParseDriverScript(source.str());
  if (!script.error.empty()) {
    std::fprintf(stderr, "driver: %s:%s\n", argv[1], script.error.c_str());
    return 2;
  }

  ScriptRunner runner(std::move(script.commands), argv[1]);
  UseAutomation(&runner);
  const int exitCode = GameMain();
  UseAutomation(nullptr);

  if (runner.Failed()) return 3;
  if (const int line = runner.UnfinishedLine(); line != 0) {
    std::fprintf(stderr, "driver: %s: the game ended (exit code %d) before line %d of the script\n", argv[1],
                 exitCode, line);
  }
  return exitCode;
}
