// Writes menu.inf and fight.inf through the game's own writers, switching each between two complete
// contents, until it is killed:  save_loop_helper SETTINGS_PATH CAREER_PATH FIRST
// starting with content FIRST (0 or 1). One byte on standard output tells that the loop has started.
#include <unistd.h>

#include <cstdlib>

#include "app/settings.h"
#include "fight/career_file.h"
#include "save_loop_contents.h"

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const char ready = 'r';
  if (::write(STDOUT_FILENO, &ready, 1) != 1) return 1;
  for (int round = std::atoi(argv[3]) & 1;; round ^= 1) {
    Settings = save_loop::kSettings[round];
    WriteSettingsTo(argv[1]);
    WriteCareerFile(argv[2], save_loop::kCareer[round]);
  }
}
