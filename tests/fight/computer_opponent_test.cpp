#include <set>

#include "fight/fight_fixture.h"

namespace {

class ComputerTest : public FightTest {
 protected:
  // The computer three units from the player, in reach of every kind, the round live.
  void Begin(int mode, int opponent, int difficulty) {
    MatchState.difficulty = difficulty;
    BeginFight(mode, 0, opponent, opponent == 0 ? 1 : opponent);
    GoLive();
    PlaceFighter(0, FightVector{-1.5f, -0.15f, 0.0f, 0.0f});
    PlaceFighter(1, FightVector{1.5f, -0.15f, 0.0f, 0.0f});
    OrientFighter(1);
  }

  // Time from the last attack of a burst to the first attack of the next one, with the player in
  // reach all along.
  float MeasureRest(int mode) {
    float t = 0.0f;
    float lastOfBurst = -1.0f;
    while (t < 30.0f) {
      const bool wasAttacking = FighterStatuses[1].attacking;
      RunComputerController(mode);
      FighterStatuses[0].hitPending = false;  // the player's controller does not run here
      const bool started = !wasAttacking && FighterStatuses[1].attacking;
      if (started && lastOfBurst >= 0.0f) return t - lastOfBurst;
      if (started && !Fighters[1].attackReady) lastOfBurst = t;
      t += 0.01f * FightFrame.step;
    }
    return -1.0f;
  }
};

TEST_F(ComputerTest, TemperamentIsTheOpponentsRosterIndex) {
  // Temperament 2 (the Cop) on NORMAL: 7.5 / 1.4 - 1, about 4.4 s.
  Begin(Career, 2, 2);
  EXPECT_NEAR(MeasureRest(Career), 7.5f / 1.4f - 1.0f, 0.02f);
  EXPECT_EQ(Fighters[1].temperament, 2);
  EndFight(ScreenFlow.gameState != GameState::Fight);
  // The Kingpin is roster row 1: temperament 1 rests 8.0 / 1.4 - 1, about 4.7 s.
  Begin(Career, 1, 2);
  EXPECT_NEAR(MeasureRest(Career), 8.0f / 1.4f - 1.0f, 0.02f);
  EXPECT_EQ(Fighters[1].temperament, 1);
}

TEST_F(ComputerTest, AChosenTemperamentReplacesTheOpponentsOwn) {
  ChosenComputerTemperament = 7;
  Begin(Career, 2, 2);
  EXPECT_NEAR(MeasureRest(Career), 5.0f / 1.4f - 1.0f, 0.02f);
  EXPECT_EQ(Fighters[1].temperament, 7);
  EndFight(ScreenFlow.gameState != GameState::Fight);
  ChosenComputerTemperament = 0;
  Begin(Career, 2, 2);
  EXPECT_NEAR(MeasureRest(Career), 7.5f / 1.4f - 1.0f, 0.02f);
  EXPECT_EQ(Fighters[1].temperament, 2);
}

TEST_F(ComputerTest, BanditOnNightmareRestsAboutNineTenths) {
  Begin(Career, 7, 5);
  EXPECT_NEAR(MeasureRest(Career), 5.0f / 2.6f - 1.0f, 0.02f);
}

TEST_F(ComputerTest, EasyDoesNotDivideTheRest) {
  Begin(Career, 3, 1);
  EXPECT_NEAR(MeasureRest(Career), 7.0f - 1.0f, 0.02f);
}

TEST_F(ComputerTest, QuickFightIsLevelTwoTemperamentThreeEvenAgainstTheBandit) {
  Begin(QuickFight, 7, 5);
  EXPECT_NEAR(MeasureRest(QuickFight), 7.0f / 1.4f - 1.0f, 0.02f);
  EXPECT_EQ(Fighters[1].temperament, 3);
  EXPECT_NEAR(Fighters[1].blockRecovery, 2.8f, 1e-5f);
}

TEST_F(ComputerTest, BurstLengthsPerLevel) {
  const int longest[6] = {0, 3, 4, 4, 5, 5};
  for (int level = 1; level <= 5; ++level) {
    Begin(Career, 2, level);
    std::set<int> seen;
    for (int frame = 0; frame < 20000 && seen.size() < 10; ++frame) {
      RunComputerController(Career);
      FighterStatuses[0].hitPending = false;
      if (!Fighters[1].attackReady) {
        seen.insert(Fighters[1].burstCount);
        Fighters[1].attackCooldown = 0.0f;  // skip the rest
      }
    }
    EXPECT_EQ(*seen.begin(), 1) << "level " << level;
    EXPECT_EQ(*seen.rbegin(), longest[level]) << "level " << level;
    EXPECT_EQ(static_cast<int>(seen.size()), longest[level]) << "level " << level;
    EndFight(ScreenFlow.gameState != GameState::Fight);
  }
}

TEST_F(ComputerTest, AttackStartPlansTheNextKindAndPushes) {
  Begin(QuickFight, 1, 2);
  Fighters[1].nextAttackKind = LegToBody;
  RunComputerController(QuickFight);
  EXPECT_TRUE(FighterStatuses[1].attacking);
  EXPECT_EQ(FighterStatuses[1].attackKind, LegToBody);
  EXPECT_EQ(Fighters[1].action, KickRight);
  EXPECT_TRUE(FighterStatuses[0].hitPending);
  EXPECT_FALSE(MatchState.attackSignal);  // the computer raises no signal
  EXPECT_EQ(Fighters[1].burstCount, 1);
  EXPECT_NEAR(Fighters[1].attackCooldown, 7.0f / 1.4f, 1e-4f);
}

TEST_F(ComputerTest, OutOfReachItKeepsItsPlanAndPresses) {
  Begin(QuickFight, 1, 2);
  PlaceFighter(1, FightVector{2.5f, -0.15f, 0.0f, 0.0f});  // distance 4: only the body punch and kick reach
  Fighters[1].nextAttackKind = HandToHead;
  Fighters[1].attackReady = true;
  RunComputerController(QuickFight);
  EXPECT_FALSE(FighterStatuses[1].attacking);
  EXPECT_EQ(Fighters[1].nextAttackKind, HandToHead);
  EXPECT_TRUE(Fighters[1].pressMode);
  EXPECT_EQ(Fighters[1].action, StepForward);
  EXPECT_FLOAT_EQ(Fighters[1].walkVelocity.x, -10.5f);
  EXPECT_FLOAT_EQ(Fighters[1].pressTime, 4.0f);
}

TEST_F(ComputerTest, BlockCycleAndRecovery) {
  Begin(Career, 1, 2);
  Fighters[1].attackCooldown = 100.0f;  // resting: no attack of its own
  Fighters[1].attackReady = false;
  FighterStatuses[0].attacking = true;
  FighterStatuses[0].comboTime = 0.2f;
  MatchState.attackSignal = true;
  RunComputerController(Career);
  EXPECT_TRUE(FighterStatuses[1].blocking);
  EXPECT_EQ(Fighters[1].action, Block);
  EXPECT_FALSE(MatchState.attackSignal);
  EXPECT_FLOAT_EQ(FighterStatuses[0].comboTime, 1.6f);

  float blocked = 0.01f;
  while (FighterStatuses[1].blocking && blocked < 2.0f) {
    RunComputerController(Career);
    blocked += 0.01f;
  }
  EXPECT_NEAR(blocked, 0.37f, 0.015f);
  EXPECT_EQ(Fighters[1].canBlock, 0);
  EXPECT_FLOAT_EQ(Fighters[1].blockCooldown, 2.8f);

  // Until the cooldown falls below 1, player attacks are not blocked and their signal is dropped.
  float waited = 0.0f;
  while (Fighters[1].canBlock == 0 && waited < 5.0f) {
    MatchState.attackSignal = true;
    RunComputerController(Career);
    waited += 0.01f;
    if (Fighters[1].canBlock == 0) {
      EXPECT_FALSE(FighterStatuses[1].blocking);
      EXPECT_FALSE(MatchState.attackSignal);
    }
  }
  EXPECT_NEAR(waited, 2.8f - 1.0f, 0.02f);
}

TEST_F(ComputerTest, BlockRecoveryByLevel) {
  const float expected[6] = {0.0f, 3.5f, 2.8f, 2.333333f, 2.0f, 1.75f};
  for (int level = 1; level <= 5; ++level) {
    Begin(Career, 1, level);
    RunComputerController(Career);
    EXPECT_NEAR(Fighters[1].blockRecovery, expected[level], 1e-4f) << level;
    EndFight(ScreenFlow.gameState != GameState::Fight);
  }
}

TEST_F(ComputerTest, NoBlockBeyondSixUnitsOrWhileAttacking) {
  Begin(Career, 1, 2);
  Fighters[1].attackCooldown = 100.0f;
  Fighters[1].attackReady = false;
  PlaceFighter(1, FightVector{4.6f, -0.15f, 0.0f, 0.0f});  // 6.1 apart
  FighterStatuses[0].attacking = true;
  MatchState.attackSignal = true;
  RunComputerController(Career);
  EXPECT_FALSE(FighterStatuses[1].blocking);
  EXPECT_FALSE(MatchState.attackSignal);
}

TEST_F(ComputerTest, TiredComputerNeverPresses) {
  Begin(Career, 1, 2);
  FighterStatuses[1].tired = true;
  FighterStatuses[1].tiredness = 100.0f;
  Fighters[1].attackReady = true;
  Fighters[1].attackCooldown = 0.0f;
  RunComputerController(Career);  // 3 apart, x 1.5: retreat
  EXPECT_TRUE(Fighters[1].retreatMode);
  EXPECT_FALSE(Fighters[1].pressMode);
  EXPECT_EQ(Fighters[1].action, StepBack);
  EXPECT_FLOAT_EQ(Fighters[1].walkVelocity.x, 10.5f);

  PlaceFighter(1, FightVector{5.0f, -0.15f, 0.0f, 0.0f});  // 6.5 apart: wait
  RunComputerController(Career);
  EXPECT_TRUE(Fighters[1].waitMode);
  EXPECT_FALSE(Fighters[1].retreatMode);
  EXPECT_EQ(Fighters[1].action, Stand);
  EXPECT_FLOAT_EQ(Fighters[1].walkVelocity.x, 0.0f);

  PlaceFighter(0, FightVector{6.0f, -0.15f, 0.0f, 0.0f});
  PlaceFighter(1, FightVector{9.8f, -0.15f, 0.0f, 0.0f});  // near its wall: wait
  RunComputerController(Career);
  EXPECT_TRUE(Fighters[1].waitMode);
  EXPECT_FALSE(FighterStatuses[1].attacking);
}

TEST_F(ComputerTest, InPainRetreatsUnlessReadyAndFresh) {
  Begin(Career, 1, 2);
  FighterStatuses[1].inPain = true;
  Fighters[1].attackCooldown = 100.0f;
  Fighters[1].attackReady = false;
  RunComputerController(Career);
  EXPECT_TRUE(Fighters[1].retreatMode);

  Fighters[1].attackReady = true;
  RunComputerController(Career);
  EXPECT_TRUE(Fighters[1].pressMode);
}

TEST_F(ComputerTest, ModesLapseAfterFourSecondsWithoutLiveFrames) {
  Begin(Career, 1, 2);
  Fighters[1].attackReady = true;
  RunComputerController(Career);
  ASSERT_TRUE(Fighters[1].pressMode);
  MatchState.roundOver = true;
  float t = 0.0f;
  while (Fighters[1].pressMode && t < 10.0f) {
    RunComputerController(Career);
    t += 0.01f;
    EXPECT_FALSE(Fighters[1].walking);
  }
  EXPECT_NEAR(t, 4.01f, 0.02f);
}

TEST_F(ComputerTest, ResetOpponentClearsModesAndPlansAKind) {
  Fighters[1].pressMode = true;
  Fighters[1].nextAttackKind = 0;
  ResetOpponent();
  EXPECT_FALSE(Fighters[1].pressMode || Fighters[1].waitMode || Fighters[1].retreatMode);
  EXPECT_GE(Fighters[1].nextAttackKind, 1);
  EXPECT_LE(Fighters[1].nextAttackKind, 3);
}

}  // namespace
