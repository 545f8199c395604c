// A recorded match played back through the replay player ends in exactly the recorded state, in
// every arena and mode; the store keeps the newest twenty.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "app/match_runner.h"
#include "app/replay_playback.h"
#include "app/replay_store.h"
#include "fight/fight.h"
#include "fight/fight_snapshot.h"
#include "fight/headless_hooks.h"
#include "screens/screen_flow.h"

namespace {

namespace fs = std::filesystem;

HeadlessFightHooks quietHooks;

// Plays a match with random commands for fighter one (and two in two-player matches), recording it
// as the game does; the frames' steps wobble like a real frame clock, with a long frame now and then.
Replay RecordMatch(int gameMode, int arena, std::uint32_t seed) {
  MatchSetup setup;
  setup.gameMode = gameMode;
  setup.arena = arena;
  setup.difficulty = 1 + arena % 5;
  setup.characters[0] = arena % 8;
  setup.characters[1] = (arena + 3) % 8;
  setup.seed = seed;
  MatchRunner runner(setup);
  runner.Start();
  Replay r;
  r.gameVersion = GameVersion();
  r.seed = seed;
  r.gameMode = gameMode;
  r.difficulty = setup.difficulty;
  r.arena = arena;
  r.characters[0] = setup.characters[0];
  r.characters[1] = setup.characters[1];
  FightSnapshot start;
  SaveFightState(start);
  r.startState = FightSnapshotBytes(start);
  std::mt19937 random(seed);
  FighterCommand held[2];
  for (int frame = 0; frame < 20000; ++frame) {
    if (frame % 9 == 0) {
      held[0].held = static_cast<std::uint8_t>(random() % 64);
      held[1].held = static_cast<std::uint8_t>(random() % 64);
    }
    const float step = frame % 500 == 499 ? 6.0f : 1.5f + 0.01f * static_cast<float>(random() % 40);
    const bool simulate = step < 5.0f;
    ReplayFrame f{simulate ? step : 0.1f, simulate, {held[0], held[1]}};
    r.frames.push_back(f);
    const MatchOutcome outcome = FightTick(f.commands, f.step, f.simulate);
    if (outcome.finished || frame == 19999) {
      r.finalHash = FightStateHash();
      break;
    }
  }
  EndFight(false);
  ScreenFlow = ScreenFlowState{};
  return r;
}

class ReplayPlaybackTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetFightHooks(&quietHooks);
    LoadRoster();
  }
  void TearDown() override { SetFightHooks(nullptr); }
};

TEST_F(ReplayPlaybackTest, EveryArenaPlaysBackToTheRecordedFinalState) {
  for (int arena = 1; arena <= 7; ++arena) {
    const int mode = arena % 3;
    const Replay r = RecordMatch(mode, arena, 1000u + static_cast<unsigned>(arena));
    ScreenFlow.gameState = GameState::MainMenu;
    MatchState.character[0] = 4;
    StartReplayPlayback(r);
    EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
    bool ended = false;
    for (int frame = 0; frame < 40000 && !ended; ++frame) ended = PlayDueReplayFrames(1.67f);
    ASSERT_TRUE(ended) << arena;
    EXPECT_EQ(FightStateHash(), r.finalHash) << "arena " << arena << " mode " << mode;
    LeaveReplayPlayback();
    EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
    EXPECT_EQ(MatchState.character[0], 4);  // the menus' selection is back
    EXPECT_FALSE(ReplayPlayback.active);
  }
}

TEST_F(ReplayPlaybackTest, SpeedPauseAndSingleFrames) {
  ReplayPlaybackState p;
  p.replay.frames.assign(100, ReplayFrame{1.67f, true, {}});
  EXPECT_EQ(ReplayFramesDue(p, 1.67f), 1);
  p.speed = 4;
  EXPECT_EQ(ReplayFramesDue(p, 1.67f), 4);
  p.speed = 2;
  int played = 0;
  for (int i = 0; i < 10; ++i) played += ReplayFramesDue(p, 1.67f);
  EXPECT_EQ(played, 20);
  p.paused = true;
  EXPECT_EQ(ReplayFramesDue(p, 1.67f), 0);
  p.stepRequested = true;
  EXPECT_EQ(ReplayFramesDue(p, 1.67f), 1);
  EXPECT_EQ(ReplayFramesDue(p, 1.67f), 0);
  // A frame of a whole second does not race through the match.
  p.paused = false;
  p.speed = 1;
  EXPECT_EQ(ReplayFramesDue(p, 100.0f), 16);
  p.next = 99;
  p.owedStep = 0;
  EXPECT_EQ(ReplayFramesDue(p, 50.0f), 1);  // only one frame is left
}

TEST(ReplayStore, KeepsTheNewestTwentyInTheDataFolder) {
  const fs::path home = fs::temp_directory_path() / ("brelloch-replays-" + std::to_string(::getpid()));
  fs::remove_all(home);
  ::setenv("XDG_DATA_HOME", home.c_str(), 1);
  EXPECT_EQ(NewestReplayPath(), "");
  Replay r;
  r.gameVersion = GameVersion();
  std::string error;
  std::string last;
  for (int i = 0; i < 23; ++i) {
    r.seed = static_cast<std::uint32_t>(i);
    last = StoreReplay(r, error);
    ASSERT_FALSE(last.empty()) << error;
  }
  EXPECT_EQ(fs::path(last).parent_path(), home / "brelloch" / "replays");
  int count = 0;
  for (const auto& entry : fs::directory_iterator(home / "brelloch" / "replays")) count += entry.path().extension() == ".replay";
  EXPECT_EQ(count, kKeptReplays);
  Replay newest;
  ASSERT_TRUE(ReadReplayFile(NewestReplayPath(), newest, error)) << error;
  EXPECT_EQ(newest.seed, 22u);
  fs::remove_all(home);
  ::unsetenv("XDG_DATA_HOME");
}

}  // namespace
