// Writes menu.inf, fight.inf, options.cfg and controls.cfg in FOLDER through the game's own
// writers, switching each between two complete contents, and stores a finished match's replay in
// FOLDER/data (the data folder), until it is killed:
//   save_loop_helper FOLDER FIRST START
// starting with content FIRST (0 or 1) and with file START (0 to 4) in each pass, so that over many
// kills every file is often the one being written. One byte on standard output tells that the loop
// has started.
#include <stdlib.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "app/bindings_file.h"
#include "app/game_options.h"
#include "app/replay_store.h"
#include "app/settings.h"
#include "fight/career_file.h"
#include "save_loop_contents.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const std::string folder = argv[1];
  const int start = std::atoi(argv[3]);
  ::setenv("XDG_DATA_HOME", (folder + "/data").c_str(), 1);
  const Replay replays[2] = {save_loop::RecordedReplay(0), save_loop::RecordedReplay(1)};
  const char ready = 'r';
  if (::write(STDOUT_FILENO, &ready, 1) != 1) return 1;
  std::string error;
  for (int round = std::atoi(argv[2]) & 1;; round ^= 1) {
    for (int i = 0; i < 5; ++i) {
      switch ((start + i) % 5) {
        case 0:
          Settings = save_loop::kSettings[round];
          WriteSettingsTo(folder + "/menu.inf");
          break;
        case 1:
          WriteCareerFile(folder + "/fight.inf", save_loop::kCareer[round]);
          break;
        case 2:
          UserOptions = save_loop::kOptions[round];
          WriteGameOptionsTo(folder + "/options.cfg");
          break;
        case 3:
          ActiveFightBindings = save_loop::Bindings(round);
          WriteBindingsTo(folder + "/controls.cfg");
          break;
        default:
          StoreReplay(replays[round], error);
      }
    }
  }
}
