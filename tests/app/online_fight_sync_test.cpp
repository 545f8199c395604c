// Both sides of an online match with the game's own fight, in one process: each side keeps its
// fight in a snapshot of its own and puts it in place before every step. Over a bad simulated
// line, with rollbacks, both end on the state of the same commands played straight offline.
#include <gtest/gtest.h>

#include "app/fight_rollback_simulation.h"
#include "app/frame_clock.h"
#include "app/match_runner.h"
#include "app/online_fight_start.h"
#include "app/online_replay.h"
#include "app/replay_playback.h"
#include "app/replay_recorder.h"
#include "fight/fight.h"
#include "fight/fight_snapshot.h"
#include "net/simulated_network.h"
#include "net/toy_simulation.h"

namespace {

class SideFight : public RollbackSimulation {
 public:
  explicit SideFight(const std::vector<std::uint8_t>& start) : own_(start) {}
  void Save(std::vector<std::uint8_t>& state) override {
    Enter();
    fight_.Save(state);
  }
  void Restore(const std::vector<std::uint8_t>& state) override {
    own_ = state;
    if (inPlace_ == this) inPlace_ = nullptr;
  }
  void Advance(const FighterCommand (&commands)[2], bool resimulating) override {
    Enter();
    fight_.Advance(commands, resimulating);
    fight_.Save(own_);
    if (resimulating) ++resimulated;
  }
  std::uint64_t Hash() override {
    Enter();
    return fight_.Hash();
  }
  bool Finished() override {
    Enter();
    return fight_.Finished();
  }
  const FightRollbackSimulation& Fight() const { return fight_; }
  int resimulated = 0;

 private:
  void Enter() {
    if (inPlace_ == this) return;
    fight_.Restore(own_);
    inPlace_ = this;
  }
  static SideFight* inPlace_;
  FightRollbackSimulation fight_;
  std::vector<std::uint8_t> own_;
};
SideFight* SideFight::inPlace_ = nullptr;

std::vector<std::uint8_t> StartedFight(Replay* replay = nullptr) {
  LoadRoster();
  MatchSetup setup;
  setup.gameMode = TwoPlayers;
  setup.characters[0] = 2;
  setup.characters[1] = 5;
  setup.arena = 3;
  setup.seed = 77;
  MatchRunner runner(setup);
  runner.Start();
  if (replay) *replay = StartingReplay();
  std::vector<std::uint8_t> state;
  FightRollbackSimulation().Save(state);
  return state;
}

TEST(OnlineFightSync, BothSidesEndOnTheStateOfTheSameCommandsPlayedOffline) {
  const std::uint32_t kTicks = 600;
  const int inputDelay[2] = {2, 1};
  const std::vector<std::uint8_t> start = StartedFight();

  SimulatedNetwork network({20, 120, 0.08, 0.03}, 5);
  SimulatedNetwork::End ends[2] = {{network, 1}, {network, 0}};
  SideFight fights[2] = {SideFight(start), SideFight(start)};
  std::unique_ptr<RollbackSession> owned[2];
  RollbackSession* sessions[2];
  for (int side = 0; side < 2; ++side) {
    RollbackConfig config;
    config.localSide = side;
    config.inputDelay = inputDelay[side];
    config.lastTick = kTicks;
    owned[side] = std::make_unique<RollbackSession>(fights[side], ends[side], config, network.now);
    sessions[side] = owned[side].get();
  }
  const std::uint32_t end = network.now + 120000;
  auto done = [&] {
    for (auto* session : sessions)
      if (session->CurrentTick() < kTicks || !session->StateConfirmed()) return false;
    return true;
  };
  while (network.now < end && !done()) {
    network.now += 16;
    network.Deliver(sessions);
    for (int side = 0; side < 2; ++side) {
      FrameClock.step = side == 0 ? 1.0f : 3.0f;  // the two games' frames differ
      FrameClock.fightTick = side == 0;
      AnimClock += FrameClock.step;
      sessions[side]->Tick(ScriptedCommand(side, sessions[side]->CurrentTick()), network.now);
    }
  }
  for (int side = 0; side < 2; ++side) {
    ASSERT_EQ(sessions[side]->Status(), SessionStatus::Running);
    EXPECT_EQ(sessions[side]->CurrentTick(), kTicks);
    EXPECT_GT(fights[side].resimulated, 0) << "the line must have cost rollbacks";
    EXPECT_GE(sessions[side]->ComparedHashes(), 15);
  }
  const std::uint64_t online[2] = {fights[0].Hash(), fights[1].Hash()};
  EXPECT_EQ(online[0], online[1]);

  // Offline: the same start, each tick on both players' commands, no rollback. The commands
  // matter: the joiner's a tick later gives another fight.
  auto offline = [&start, kTicks](const int (&delay)[2]) {
    FightRollbackSimulation fight;
    fight.Restore(start);
    for (std::uint32_t tick = 0; tick < kTicks; ++tick) {
      FighterCommand commands[2];
      for (int side = 0; side < 2; ++side)
        if (tick >= static_cast<std::uint32_t>(delay[side]))
          commands[side] = ScriptedCommand(side, tick - static_cast<std::uint32_t>(delay[side]));
      fight.Advance(commands, false);
    }
    return fight.Hash();
  };
  EXPECT_EQ(offline(inputDelay), online[0]);
  const int later[2] = {inputDelay[0], inputDelay[1] + 1};
  EXPECT_NE(offline(later), online[0]);
}

}  // namespace

namespace {

// The host walks in and strikes, the joiner blocks now and then: a match that ends in a few
// fight-minutes at most, with enough changes of command to cost rollbacks.
FighterCommand Striker(std::uint32_t tick) {
  FighterCommand command;
  if (tick % 240 < 50) {
    command.Hold(FightInput::Forward);
  } else if (tick % 2 == 0) {
    static constexpr FightInput kStrikes[3] = {FightInput::HandToHead, FightInput::HandToBody, FightInput::LegToBody};
    command.Hold(kStrikes[(tick / 2) % 3]);
  }
  return command;
}

FighterCommand Blocker(std::uint32_t tick) {
  FighterCommand command;
  if (tick % 150 < 25) command.Hold(FightInput::Block);
  return command;
}

}  // namespace

TEST(OnlineFightSync, AMatchPlayedToItsEndIsKeptAsAReplayThatPlaysBackToTheSameState) {
  Replay replays[2];
  const std::vector<std::uint8_t> start = StartedFight(&replays[0]);
  replays[1] = replays[0];

  SimulatedNetwork network({10, 90, 0.05, 0.02}, 11);
  SimulatedNetwork::End ends[2] = {{network, 1}, {network, 0}};
  SideFight fights[2] = {SideFight(start), SideFight(start)};
  std::unique_ptr<RollbackSession> owned[2];
  RollbackSession* sessions[2];
  for (int side = 0; side < 2; ++side) {
    RollbackConfig config;
    config.localSide = side;
    owned[side] = std::make_unique<RollbackSession>(fights[side], ends[side], config, network.now);
    sessions[side] = owned[side].get();
  }
  const std::uint32_t end = network.now + 20 * 60 * 1000;
  while (network.now < end &&
         (sessions[0]->Status() == SessionStatus::Running || sessions[1]->Status() == SessionStatus::Running)) {
    network.now += 16;
    network.Deliver(sessions);
    for (int side = 0; side < 2; ++side) {
      const std::uint32_t tick = sessions[side]->CurrentTick();
      sessions[side]->Tick(side == 0 ? Striker(tick) : Blocker(tick), network.now);
    }
  }
  for (int side = 0; side < 2; ++side) {
    ASSERT_EQ(sessions[side]->Status(), SessionStatus::Finished) << "side " << side;
    EXPECT_TRUE(fights[side].Fight().Outcome().finished);
    EXPECT_GT(fights[side].resimulated, 0);
    CompleteOnlineReplay(replays[side], *sessions[side], fights[side].Fight());
  }
  const std::uint64_t online = fights[0].Hash();
  EXPECT_EQ(fights[1].Hash(), online);
  ASSERT_EQ(replays[0].frames.size(), sessions[0]->CurrentTick());
  EXPECT_EQ(ReplayBytes(replays[0]), ReplayBytes(replays[1]));

  // Played back offline like any replay, frame by frame at the fixed step.
  StartReplayPlayback(replays[0]);
  bool ended = false;
  for (std::size_t frame = 0; frame <= replays[0].frames.size() && !ended; ++frame)
    ended = PlayDueReplayFrames(kOnlineFightStep);
  ASSERT_TRUE(ended);
  EXPECT_EQ(FightStateHash(), replays[0].finalHash);
  EXPECT_EQ(FightRollbackSimulation().Hash(), online);
  LeaveReplayPlayback();
}

TEST(OnlineFightSync, AnOnlineFightStartsAlikeWhateverThisGamePlayedBefore) {
  LoadRoster();
  const int characters[2] = {2, 5};
  auto startHash = [&characters] {
    StartOnlineFightRecords(3, characters, 77);
    const std::uint64_t hash = FightRollbackSimulation().Hash();
    EndFight(false);
    return hash;
  };
  const std::uint64_t fresh = startHash();
  // A career fight against the computer at another level, as a player may play before going online.
  MatchSetup career;
  career.gameMode = Career;
  career.difficulty = 5;
  career.arena = 2;
  MatchRunner runner(career);
  runner.Start();
  BrawlerScript brawler;
  runner.RunToEnd(brawler, 30.0f);
  EndFight(false);
  EXPECT_EQ(startHash(), fresh);
}
