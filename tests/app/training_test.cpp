#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/frame_data.h"
#include "app/match_runner.h"
#include "app/training_session.h"
#include "fight/fight_fixture.h"
#include "fight/fight_snapshot.h"

namespace {

constexpr float kStep = 100.0f / 60.0f;  // one 60 Hz frame in hundredths of a second

class TrainingTest : public FightTest {
 protected:
  BrawlerScript brawler;

  void SetUp() override {
    FightTest::SetUp();
    Training = TrainingSession{};
    ScreenFlow.gameState = GameState::Fight;
  }
  void TearDown() override {
    EndTraining(true);
    FightTest::TearDown();
  }

  void Begin(int one = 0, int two = 1) {
    TrainingSetup setup;
    setup.characters[0] = one;
    setup.characters[1] = two;
    StartTraining(setup);
  }

  // Fighter one walks in and strikes with the three attacks in turn.
  FighterCommand Brawl() {
    std::uint8_t keys[256] = {};
    brawler(0.0f, keys);
    FighterCommand commands[2];
    BuildFighterCommands(keys, false, DefaultFightBindings(), commands);
    return commands[0];
  }

  static FighterCommand Press(FightInput input) {
    FighterCommand c;
    c.Hold(input);
    return c;
  }
};

TEST(FrameData, EveryCharactersStrikesFollowTheRules) {
  RecordingFightHooks hooks;
  SetFightHooks(&hooks);
  LoadRoster();
  SetFightHooks(nullptr);
  // The kinds' duration factors and reaches as the rules state them.
  constexpr float kFactor[3] = {1.0f, 1.3f, 1.9f};
  constexpr float kReach[3] = {4.0f, 5.0f, 6.0f};
  for (int c = 0; c < kCharacterCount; ++c) {
    for (int kind = HandToHead; kind <= LegToBody; ++kind) {
      SCOPED_TRACE(testing::Message() << "character " << c << " kind " << kind);
      const StrikeFrameData d = FrameDataOf(c, kind);
      const float strike = Roster[c].strikeTime;
      EXPECT_EQ(d.startupFrames, std::lround(0.5f * strike * 60.0f));
      EXPECT_EQ(d.activeFrames, 1);
      EXPECT_EQ(d.startupFrames + d.activeFrames + d.recoveryFrames, std::lround(strike * kFactor[kind - 1] * 60.0f));
      EXPECT_GT(d.recoveryFrames, 0);
      EXPECT_NEAR(d.startupMs, d.startupFrames * 1000.0f / 60.0f, 0.01f);
      EXPECT_NEAR(d.recoveryMs, d.recoveryFrames * 1000.0f / 60.0f, 0.01f);
      EXPECT_FLOAT_EQ(d.reach, kReach[kind - 1]);
    }
  }
  EXPECT_EQ(FrameDataOf(0, 0).startupFrames, 0);
  EXPECT_EQ(FrameDataOf(kCharacterCount, HandToHead).startupFrames, 0);
}

// The figures against a strike the fight really runs: the frame the blow lands and the frame the
// striker is free again, counted at 60 Hz.
TEST_F(TrainingTest, FrameDataMatchesAStrikeThatRuns) {
  for (int kind = HandToHead; kind <= LegToBody; ++kind) {
    SCOPED_TRACE(kind);
    Begin(2, 1);
    FighterStatuses[0].tiredness = 0.0f;
    PlaceFighter(0, FightVector{-1.5f, 0.0f, 0.0f, 0.0f});
    PlaceFighter(1, FightVector{1.5f, 0.0f, 0.0f, 0.0f});
    TrainingTick(FighterCommand{}, kStep, true);
    const FightInput input = kind == HandToHead   ? FightInput::HandToHead
                             : kind == HandToBody ? FightInput::HandToBody
                                                  : FightInput::LegToBody;
    int landedAt = -1;
    int freeAt = -1;
    for (int frame = 0; frame < 120 && freeAt < 0; ++frame) {
      const float life = FighterStatuses[1].life;
      TrainingTick(frame == 0 ? Press(input) : FighterCommand{}, kStep, true);
      if (landedAt < 0 && FighterStatuses[1].life < life) landedAt = frame;
      if (frame > 0 && !FighterStatuses[0].attacking) freeAt = frame;
    }
    const StrikeFrameData d = FrameDataOf(2, kind);
    ASSERT_GE(landedAt, 0);
    // Frame 0 is the press; the blow lands after the start-up and the fighter is free after the whole strike.
    EXPECT_NEAR(landedAt, d.startupFrames, 1);
    EXPECT_NEAR(freeAt, d.startupFrames + d.activeFrames + d.recoveryFrames, 1);
    EndTraining(true);
  }
}

TEST_F(TrainingTest, TheDummyIsNeverKnockedOutAndRoundsDoNotEnd) {
  Begin();
  float damage = 0.0f;
  for (int frame = 0; frame < 60 * 60; ++frame) {
    const float life = FighterStatuses[1].life;
    TrainingTick(Brawl(), kStep, true);
    damage += std::max(0.0f, life - FighterStatuses[1].life);
    ASSERT_GE(FighterStatuses[1].life, 0.0f);
    ASSERT_FALSE(MatchState.knockoutActive);
    ASSERT_FALSE(MatchState.roundOver);
  }
  EXPECT_GT(damage, 300.0f);  // several lives' worth
  EXPECT_EQ(MatchState.roundNumber, 1);
  EXPECT_EQ(FighterStatuses[1].roundsLost, 0);
  EXPECT_NE(Fighters[1].action, Death);
}

TEST_F(TrainingTest, AfterComboRefillWaitsForAPauseInTheBlows) {
  Training.refill = LifeRefill::AfterCombo;
  Begin();
  bool sawDamageKept = false;
  for (int frame = 0; frame < 20 * 60; ++frame) {
    TrainingTick(Brawl(), kStep, true);
    if (FighterStatuses[1].life < 100.0f && Training.unhurtSeconds[1] > 0.0f) sawDamageKept = true;
  }
  EXPECT_TRUE(sawDamageKept);
  for (int frame = 0; frame < 2 * 60; ++frame) TrainingTick(FighterCommand{}, kStep, true);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 100.0f);
}

TEST_F(TrainingTest, BlockAlwaysBlocksEveryStrike) {
  Begin();
  SetDummyMode(DummyMode::BlockAlways);
  int blows = 0;
  for (int frame = 0; frame < 30 * 60; ++frame) {
    const float life = FighterStatuses[1].life;
    TrainingTick(Brawl(), kStep, true);
    if (FighterStatuses[1].life < life) {
      ++blows;
      EXPECT_TRUE(Training.readout.lastBlocked);
    }
    ASSERT_FALSE(FighterStatuses[1].inPain) << "frame " << frame;
  }
  EXPECT_GT(blows, 20);
}

TEST_F(TrainingTest, BlockAfterFirstHitTakesOneBlowThenBlocks) {
  Begin();
  SetDummyMode(DummyMode::BlockAfterFirstHit);
  int unblocked = 0;
  int blocked = 0;
  for (int frame = 0; frame < 10 * 60; ++frame) {
    const float life = FighterStatuses[1].life;
    TrainingTick(Brawl(), kStep, true);
    if (FighterStatuses[1].life < life) (Training.readout.lastBlocked ? blocked : unblocked) += 1;
  }
  EXPECT_GE(unblocked, 1);
  EXPECT_GT(blocked, 3 * unblocked);  // the brawler strikes faster than a second apart
}

TEST_F(TrainingTest, WalkingDummiesWalk) {
  Begin();
  SetDummyMode(DummyMode::WalkForward);
  for (int frame = 0; frame < 30; ++frame) TrainingTick(FighterCommand{}, kStep, true);
  const float near = MatchState.distance;
  EXPECT_LT(near, 6.0f);
  SetDummyMode(DummyMode::WalkBack);
  for (int frame = 0; frame < 30; ++frame) TrainingTick(FighterCommand{}, kStep, true);
  EXPECT_GT(MatchState.distance, near + 0.5f);
}

TEST_F(TrainingTest, ARecordingPlaysBackToTheSameStates) {
  Begin();
  SetDummyMode(DummyMode::Record);
  // The player drives the dummy: in, strikes, back.
  std::vector<std::uint64_t> recorded;
  for (int frame = 0; frame < 300; ++frame) {
    FighterCommand c = Brawl();
    TrainingTick(c, kStep, true);
    recorded.push_back(FightStateHash());
  }
  EXPECT_EQ(Training.recording.size(), 300u);
  SetDummyMode(DummyMode::PlayOnce);
  ResetTraining();
  for (int frame = 0; frame < 300; ++frame) {
    TrainingTick(FighterCommand{}, kStep, true);
    ASSERT_EQ(FightStateHash(), recorded[frame]) << "frame " << frame;
  }
  // Played once, the dummy stands; looped, it starts again from the first frame.
  EXPECT_EQ(DummyCommand(FighterCommand{}, kStep), FighterCommand{});
  SetDummyMode(DummyMode::PlayLoop);
  for (int frame = 0; frame < 300; ++frame) DummyCommand(FighterCommand{}, kStep);
  EXPECT_EQ(DummyCommand(FighterCommand{}, kStep), Training.recording[0].command);
}

// A recording's length is fight time: ten seconds of it at any frame rate, and played back at
// another rate its commands come at the same fight times.
TEST_F(TrainingTest, ARecordingLastsTenSecondsOfFightAtAnyFrameRate) {
  for (const float step : {kStep, 2 * kStep, 0.5f * kStep}) {
    SCOPED_TRACE(step);
    Begin();
    SetDummyMode(DummyMode::Record);
    int ticks = 0;
    while (Training.dummy == DummyMode::Record && ticks < 5000) {
      TrainingTick(Press(FightInput::Forward), step, true);
      TrainingTick(Press(FightInput::Forward), step, false);  // a frame the fight did not tick: not recorded
      ++ticks;
    }
    EXPECT_EQ(Training.dummy, DummyMode::Stand);
    EXPECT_NEAR(static_cast<float>(Training.recording.size()), 1000.0f / step, 1.0f);
    EXPECT_LE(RecordedSeconds(), kRecordingSeconds + 0.001f);
    EXPECT_GT(RecordedSeconds(), kRecordingSeconds - 0.01f * step - 0.001f);
    EndTraining(true);
  }

  // Two seconds forward then standing, made at 30 frames a second, played at 60.
  Begin();
  SetDummyMode(DummyMode::Record);
  for (int tick = 0; tick < 90; ++tick) TrainingTick(tick < 60 ? Press(FightInput::Forward) : FighterCommand{}, 2 * kStep, true);
  SetDummyMode(DummyMode::PlayOnce);
  int forward = 0;
  int played = 0;
  for (int tick = 0; tick < 400; ++tick) {
    const bool playing = Training.playSeconds < RecordedSeconds() - 0.001f;
    forward += DummyCommand(FighterCommand{}, kStep).Holds(FightInput::Forward);
    played += playing;
  }
  // Where the two rates' ticks meet exactly, rounding may give the tick to either side.
  EXPECT_NEAR(forward, 120, 1);
  EXPECT_NEAR(played, 180, 1) << "three seconds of fight at 60 frames a second";
}

TEST_F(TrainingTest, ResetRestoresTheSavedStateExactly) {
  Begin();
  const std::uint64_t start = FightStateHash();
  for (int frame = 0; frame < 600; ++frame) TrainingTick(Brawl(), kStep, true);
  ASSERT_NE(FightStateHash(), start);
  ASSERT_GT(FighterStatuses[0].tiredness + (100.0f - FighterStatuses[1].life), 0.0f);
  ResetTraining();
  EXPECT_EQ(FightStateHash(), start);
  EXPECT_FLOAT_EQ(FighterStatuses[0].life, 100.0f);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 100.0f);
  EXPECT_FLOAT_EQ(FighterStatuses[0].tiredness, 0.0f);
  RefreshBodyPositions();
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.x, -3.0f, 0.1f);
  EXPECT_NEAR(FighterStatuses[1].bodyPosition.x, 3.0f, 0.1f);

  for (int frame = 0; frame < 200; ++frame) TrainingTick(Brawl(), kStep, true);
  SaveTrainingResetPoint();
  const std::uint64_t saved = FightStateHash();
  for (int frame = 0; frame < 200; ++frame) TrainingTick(Brawl(), kStep, true);
  ASSERT_NE(FightStateHash(), saved);
  ResetTraining();
  EXPECT_EQ(FightStateHash(), saved);
}

TEST_F(TrainingTest, TheComputerDummyFightsAtTheChosenLevel) {
  Training.computerLevel = 5;
  Training.computerTemperament = 6;
  Begin();
  SetDummyMode(DummyMode::Computer);
  EXPECT_EQ(MatchState.difficulty, 5);
  EXPECT_EQ(ChosenComputerTemperament, 6);
  float damageToOne = 0.0f;
  for (int frame = 0; frame < 30 * 60; ++frame) {
    const float life = FighterStatuses[0].life;
    TrainingTick(FighterCommand{}, kStep, true);
    damageToOne += std::max(0.0f, life - FighterStatuses[0].life);
    ASSERT_FALSE(MatchState.knockoutActive);
  }
  EXPECT_GT(damageToOne, 30.0f);  // it walks in and strikes
  EXPECT_EQ(Fighters[1].temperament, 6);
  SetDummyMode(DummyMode::Stand);
  EXPECT_EQ(MatchState.gameMode, TwoPlayers);
  EXPECT_EQ(ChosenComputerTemperament, 0) << "only the computer dummy has its temperament chosen";
  SetDummyMode(DummyMode::Computer);
  EndTraining(true);
  EXPECT_EQ(ChosenComputerTemperament, 0) << "a match after training has its opponent's own";
}

TEST_F(TrainingTest, EndingTrainingPutsKnockoutsBack) {
  Begin();
  EXPECT_TRUE(KnockoutsSuspended);
  EndTraining(true);
  EXPECT_FALSE(KnockoutsSuspended);
  EXPECT_FALSE(Training.active);
}

}  // namespace

namespace {

TEST_F(TrainingTest, TheFrameDataLinesShowTheRulesFiguresAndTheLastBlow) {
  Begin(2, 1);
  SetDummyMode(DummyMode::BlockAlways);
  std::vector<std::string> lines = FrameDataLines(2);
  ASSERT_EQ(lines.size(), 7u);
  const StrikeFrameData kick = FrameDataOf(2, LegToBody);
  EXPECT_NE(lines[3].find("KICK    " + std::to_string(kick.startupFrames) + " F"), std::string::npos) << lines[3];
  EXPECT_NE(lines[3].find("OUT"), std::string::npos) << lines[3];  // 6 apart at the start
  EXPECT_EQ(lines[4], "LAST BLOW  -");
  for (int frame = 0; frame < 10 * 60 && Training.readout.lastStrikeKind == 0; ++frame) {
    TrainingTick(Brawl(), kStep, true);
  }
  lines = FrameDataLines(2);
  EXPECT_NE(lines[4].find("BLOCKED"), std::string::npos) << lines[4];
  EXPECT_NE(lines[1].find("IN REACH"), std::string::npos) << lines[1];
}

}  // namespace
