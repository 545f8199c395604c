// Rolls the fight back and simulates it again at every frame: restoring the state of frame N and
// running the same commands must give exactly the first run's hashes. This is what replays and
// online play stand on. BRELLOCH_SYNC_FRAMES sets the frames per match (default 900; the long run
// in HACKING.md plays whole matches).
#include <array>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "app/match_runner.h"
#include "fight/fight_fixture.h"
#include "fight/fight_snapshot.h"

namespace {

int FramesPerMatch() {
  const char* text = std::getenv("BRELLOCH_SYNC_FRAMES");
  return text ? std::atoi(text) : 900;
}

// Presses, holds and releases every action at random, changing its mind every few frames.
class RandomPlayer {
 public:
  explicit RandomPlayer(unsigned seed) : random_(seed) {}
  FighterCommand Next() {
    if (framesLeft_-- <= 0) {
      framesLeft_ = std::uniform_int_distribution<int>(1, 12)(random_);
      held_ = FighterCommand{};
      for (int i = 0; i < kFightInputCount; ++i) {
        if (std::uniform_int_distribution<int>(0, 3)(random_) == 0) held_.Hold(static_cast<FightInput>(i));
      }
    }
    return held_;
  }

 private:
  std::mt19937 random_;
  FighterCommand held_;
  int framesLeft_ = 0;
};

struct SyncCase {
  int gameMode;
  int difficulty;
  int arena;
  int characters[2];
};

class FightSyncTest : public FightTest {
 protected:
  // Plays `frames` frames (or to the match's end); after each, goes back 1 to 8 frames and runs
  // them again. Returns the first frame whose hash differed, or -1.
  int FirstDesync(const SyncCase& c, int frames, unsigned seed) {
    MatchSetup setup;
    setup.gameMode = c.gameMode;
    setup.difficulty = c.difficulty;
    setup.arena = c.arena;
    setup.characters[0] = c.characters[0];
    setup.characters[1] = c.characters[1];
    setup.seed = seed;
    MatchRunner runner(setup);
    runner.Start();

    RandomPlayer one(seed * 2 + 1), two(seed * 2 + 2);
    std::vector<FightSnapshot> before;  // the state each frame started from
    std::vector<std::array<FighterCommand, 2>> commands;
    std::vector<std::uint64_t> hashes;
    const float step = 1.67f;
    for (int frame = 0; frame < frames; ++frame) {
      before.emplace_back();
      SaveFightState(before.back());
      commands.push_back({one.Next(), two.Next()});
      const FighterCommand now[2] = {commands.back()[0], commands.back()[1]};
      if (FightTick(now, step, true).finished) break;
      hashes.push_back(FightStateHash());

      const int back = std::min(frame + 1, 1 + frame % 8);
      RestoreFightState(before[static_cast<std::size_t>(frame + 1 - back)]);
      for (int again = frame + 1 - back; again <= frame; ++again) {
        const auto& c2 = commands[static_cast<std::size_t>(again)];
        const FighterCommand replayed[2] = {c2[0], c2[1]};
        FightTick(replayed, step, true);
        if (FightStateHash() != hashes[static_cast<std::size_t>(again)]) return again;
      }
    }
    return -1;
  }
};

TEST_F(FightSyncTest, EveryArenaAndModeRollsBackToTheSameHashes) {
  const int frames = FramesPerMatch();
  std::vector<SyncCase> cases;
  for (int arena = 1; arena <= 7; ++arena) {
    cases.push_back({QuickFight, 2, arena, {arena - 1, arena % 8}});
    cases.push_back({TwoPlayers, 2, arena, {(arena + 3) % 8, arena}});
  }
  for (int level = 1; level <= 5; ++level) cases.push_back({Career, level, level, {0, level}});
  unsigned seed = 11;
  for (const SyncCase& c : cases) {
    const int desync = FirstDesync(c, frames, ++seed);
    EXPECT_EQ(desync, -1) << "mode " << c.gameMode << " level " << c.difficulty << " arena " << c.arena;
    EndFight(false);
  }
}

TEST_F(FightSyncTest, RestoringAStateGivesBackItsHashAndAChangedFieldChangesIt) {
  BeginFight(QuickFight, 3, 4, 2);
  GoLive();
  const FighterCommand walk[2] = {FighterCommand{1}, FighterCommand{}};
  for (int i = 0; i < 30; ++i) FightTick(walk, 1.67f, true);
  FightSnapshot saved;
  SaveFightState(saved);
  const std::uint64_t hash = FightStateHash();
  EXPECT_EQ(FightSnapshotHash(saved), hash);

  for (int i = 0; i < 30; ++i) FightTick(walk, 1.67f, true);
  EXPECT_NE(FightStateHash(), hash);
  RestoreFightState(saved);
  EXPECT_EQ(FightStateHash(), hash);

  FighterStatuses[1].tiredness += 0.5f;
  EXPECT_NE(FightStateHash(), hash);
  RestoreFightState(saved);
  Fighters[0].bodyState.linearVelocity.x += 0.001f;
  EXPECT_NE(FightStateHash(), hash);
  RestoreFightState(saved);
  MatchState.randomState += 1;
  EXPECT_NE(FightStateHash(), hash);
}

TEST_F(FightSyncTest, TheSameSeedAndCommandsPlayTheSameMatchAndAnotherSeedDiffers) {
  // What earlier fights leave in the records (the computer's clocks, the swing alternation) is
  // part of the start: both matches start from fresh records.
  auto finalHash = [this](unsigned seed) {
    Fighters[0] = Fighters[1] = Fighter{};
    MatchSetup setup;
    setup.characters[0] = 2;
    setup.characters[1] = 6;
    setup.arena = 5;
    setup.seed = seed;
    MatchRunner runner(setup);
    runner.Start();
    RandomPlayer player(99);
    for (int frame = 0; frame < 1500; ++frame) {
      const FighterCommand c[2] = {player.Next(), FighterCommand{}};
      if (!runner.RunFrame(c)) break;
    }
    const std::uint64_t hash = FightStateHash();
    EndFight(false);
    return hash;
  };
  EXPECT_EQ(finalHash(5), finalHash(5));
  EXPECT_NE(finalHash(5), finalHash(6));
}

}  // namespace

namespace {

TEST_F(FightSyncTest, SnapshotBytesRoundTripAndImpossibleStatesAreRefused) {
  BeginFight(Career, 2, 5, 4);
  GoLive();
  const FighterCommand walk[2] = {FighterCommand{1}, FighterCommand{}};
  for (int i = 0; i < 20; ++i) FightTick(walk, 1.67f, true);
  FightSnapshot saved;
  SaveFightState(saved);
  const std::vector<std::uint8_t> bytes = FightSnapshotBytes(saved);
  FightSnapshot back;
  ASSERT_TRUE(FightSnapshotFromBytes(bytes.data(), bytes.size(), back));
  EXPECT_EQ(FightSnapshotHash(back), FightSnapshotHash(saved));
  EXPECT_FALSE(FightSnapshotFromBytes(bytes.data(), bytes.size() - 1, back));

  auto refusedWith = [&](auto change) {
    FightSnapshot bad = saved;
    change(bad);
    std::vector<std::uint8_t> b = FightSnapshotBytes(bad);
    FightSnapshot out;
    return !FightSnapshotFromBytes(b.data(), b.size(), out);
  };
  EXPECT_TRUE(refusedWith([](FightSnapshot& s) { s.fighters[0].action = 99; }));
  EXPECT_TRUE(refusedWith([](FightSnapshot& s) { s.statuses[1].attackKind = 7; }));
  EXPECT_TRUE(refusedWith([](FightSnapshot& s) { s.match.character[1] = 8; }));
  EXPECT_TRUE(refusedWith([](FightSnapshot& s) { s.statuses[0].life = std::numeric_limits<float>::quiet_NaN(); }));
  std::vector<std::uint8_t> twoForBool = bytes;
  twoForBool.back() = 2;  // worldBuilt is the last field
  EXPECT_FALSE(FightSnapshotFromBytes(twoForBool.data(), twoForBool.size(), back));
}

}  // namespace
