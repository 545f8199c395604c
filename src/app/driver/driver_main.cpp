// brelloch-driver SCRIPT [--replay FILE]: runs the game with its input, clock and message boxes
// taken from a script (docs/driver.md), watching FILE once the loading is over if given. Exits with
// the game's exit code; 2 when the script cannot be used; 3 when an expectation of the script failed.
#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "app/app.h"
#include "app/driver/driver_script.h"
#include "app/driver/script_runner.h"
#include "app/replay_wiring.h"
#include "platform/platform.h"

int main(int argc, char** argv) {
  if (argc != 2 && !(argc == 4 && std::string(argv[2]) == "--replay")) {
    std::fprintf(stderr, "usage: brelloch-driver SCRIPT [--replay FILE]\n");
    return 2;
  }
  if (argc == 4) {
    std::string error;
    if (!ChooseReplayToWatch(argv[3], 1, error)) {
      std::fprintf(stderr, "driver: %s: %s\n", argv[3], error.c_str());
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
