// Writes menu.inf, fight.inf and options.cfg through the game's own writers, switching each between
// two complete contents, until it is killed:
//   save_loop_helper SETTINGS_PATH CAREER_PATH OPTIONS_PATH FIRST START
// starting with content FIRST (0 or 1) and with file START (0, 1, 2) in each pass, so that over many
// kills every file is often the one being written. One byte on standard output tells that the loop
// has started.
#include <unistd.h>

#include <cstdlib>

#include "app/game_options.h"
#include "app/settings.h"
#include "fight/career_file.h"
#include "save_loop_contents.h"

int main(int argc, char** argv) {
  if (argc != 6) return 2;
  const int start = std::atoi(argv[5]);
  const char ready = 'r';
  if (::write(STDOUT_FILENO, &ready, 1) != 1) return 1;
  for (int round = std::atoi(argv[4]) & 1;; round ^= 1) {
    for (int i = 0; i < 3; ++i) {
      switch ((start + i) % 3) {
        case 0:
          Settings = save_loop::kSettings[round];
          WriteSettingsTo(argv[1]);
          break;
        case 1:
          WriteCareerFile(argv[2], save_loop::kCareer[round]);
          break;
        default:
          UserOptions = save_loop::kOptions[round];
          WriteGameOptionsTo(argv[3]);
      }
    }
  }
}
