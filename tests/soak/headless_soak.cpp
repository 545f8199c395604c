// Matches back to back through the real fight, for a given span of game time, with no window:
//   headless_soak GAME_SECONDS
// The matches go through every arena, every pair of characters, all three modes and the five
// difficulties in turn; fighter one (and fighter two when two players fight) plays random commands
// or the brawler, the computer plays the rest. The run fails when a match does not end, when the
// fight leaves an arena or its music loaded after a match, or when resident memory grows by more
// than 8 MiB from the end of the first match in every arena to the end of the run.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>

#include "app/match_runner.h"
#include "fight/fight.h"
#include "fight/headless_hooks.h"
#include "fight/roster.h"
#include "screens/screen_flow.h"

namespace {

constexpr int kArenas = 7;
constexpr int kModes = 3;
constexpr int kDifficulties = 5;
constexpr float kLongestMatchSeconds = 900.0f;  // three full rounds take well under this
constexpr long kRssGrowthKb = 8 * 1024;

// What the fight asks its hooks to load and to let go, which must balance after every match.
struct CountingHooks : HeadlessFightHooks {
  int arenasLoaded = 0, arenasDestroyed = 0, musicOpened = 0, musicReleased = 0;
  void LoadArenaMeshes(int) override { ++arenasLoaded; }
  void DestroyArenaMeshes() override { ++arenasDestroyed; }
  void OpenFightMusic(int) override { ++musicOpened; }
  void ReleaseFightMusic() override { ++musicReleased; }
};

long ResidentKb() {
  std::ifstream statm("/proc/self/statm");
  long pages = 0, resident = 0;
  statm >> pages >> resident;
  return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

MatchSetup SetupOf(long match) {
  MatchSetup setup;
  setup.arena = 1 + static_cast<int>(match % kArenas);
  const long pair = match / kArenas % (kCharacterCount * kCharacterCount);
  setup.characters[0] = static_cast<int>(pair / kCharacterCount);
  setup.characters[1] = static_cast<int>(pair % kCharacterCount);
  setup.gameMode = static_cast<int>(match % kModes);
  setup.difficulty = 1 + static_cast<int>(match / kModes % kDifficulties);
  // The frame clock's steps: 30 to 144 frames a second.
  static constexpr float kSteps[] = {1.67f, 0.69f, 3.33f, 1.0f};
  setup.step = kSteps[match % 4];
  setup.seed = static_cast<std::uint32_t>(match * 2654435761u + 1);
  return setup;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || std::atof(argv[1]) <= 0) {
    std::fprintf(stderr, "usage: headless_soak GAME_SECONDS\n");
    return 2;
  }
  const double budget = std::atof(argv[1]);
  CountingHooks hooks;
  SetFightHooks(&hooks);
  LoadRoster();
  const auto began = std::chrono::steady_clock::now();
  double played = 0.0;
  long frames = 0, match = 0, settledKb = 0, settledAt = 0;
  for (; played < budget; ++match) {
    const MatchSetup setup = SetupOf(match);
    ScreenFlow = ScreenFlowState{};
    MatchRunner runner(setup);
    runner.Start();
    std::mt19937 random(setup.seed);
    FighterCommand commands[2];
    BrawlerScript brawler;
    const bool randomPlayer = match / 2 % 2 == 0;
    while (runner.seconds() < kLongestMatchSeconds) {
      bool running;
      if (randomPlayer) {
        if (runner.frames() % 6 == 0) {
          commands[0].held = static_cast<std::uint8_t>(random() % 64);
          commands[1].held = setup.gameMode == TwoPlayers ? static_cast<std::uint8_t>(random() % 64) : 0;
        }
        running = runner.RunFrame(commands);
      } else {
        running = runner.RunFrame(std::ref(brawler));
      }
      if (!running) break;
    }
    played += runner.seconds();
    frames += runner.frames();
    if (!runner.result().finished) {
      std::fprintf(stderr, "soak: match %ld (arena %d, %d against %d, mode %d) did not end in %.0f s\n", match,
                   setup.arena, setup.characters[0], setup.characters[1], setup.gameMode, kLongestMatchSeconds);
      return 1;
    }
    if (hooks.arenasLoaded != hooks.arenasDestroyed || hooks.musicOpened != hooks.musicReleased) {
      std::fprintf(stderr, "soak: after match %ld the fight still holds an arena (%d loaded, %d destroyed) or its "
                   "music (%d opened, %d released)\n", match, hooks.arenasLoaded, hooks.arenasDestroyed,
                   hooks.musicOpened, hooks.musicReleased);
      return 1;
    }
    // Every arena has been played once: what the run holds from here must stay put.
    if (match + 1 == kArenas) {
      settledKb = ResidentKb();
      settledAt = match + 1;
    }
  }
  const long finalKb = ResidentKb();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
  std::printf("soak: %ld matches, %.1f h of game time (%ld frames) in %.0f s; resident %ld KiB after %ld matches, "
              "%ld KiB at the end\n", match, played / 3600.0, frames, wall, settledKb, settledAt, finalKb);
  if (settledAt > 0 && finalKb - settledKb > kRssGrowthKb) {
    std::fprintf(stderr, "soak: resident memory grew by %ld KiB\n", finalKb - settledKb);
    return 1;
  }
  return 0;
}
