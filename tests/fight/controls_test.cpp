#include "fight/fight_fixture.h"

namespace {

class ControlsTest : public FightTest {
 protected:
  void SetUp() override {
    FightTest::SetUp();
    BeginFight(QuickFight, 0, 1);
    GoLive();
    OrientFighter(0);
    OrientFighter(1);
  }

  // One frame of fighter one's controls with `keys` down, then the main loop's latch clearing.
  static void Frame(std::initializer_list<int> keys) {
    std::memset(KeyState, 0, sizeof KeyState);
    for (int k : keys) KeyState[k] = 1;
    RunKeyboardController(0);
  }

  static int AttacksStarted(std::initializer_list<int> keys, int frames) {
    int started = 0;
    for (int i = 0; i < frames; ++i) {
      const bool before = FighterStatuses[0].attacking;
      Frame(keys);
      if (!before && FighterStatuses[0].attacking) ++started;
    }
    return started;
  }
};

TEST_F(ControlsTest, HeldAttackKeyStrikesOnce) {
  EXPECT_EQ(AttacksStarted({'Z'}, 100), 1);
  Frame({});
  EXPECT_EQ(AttacksStarted({'Z'}, 5), 1);
}

TEST_F(ControlsTest, KeyPressedDuringAnAttackStartsWhenItEnds) {
  Frame({'Z'});
  ASSERT_TRUE(FighterStatuses[0].attacking);
  int frame = 0;
  while (FighterStatuses[0].attacking && frame < 100) {
    Frame({'X'});
    ++frame;
  }
  // The attack ended in this frame's clocks; the held X starts on the next one.
  Frame({'X'});
  EXPECT_TRUE(FighterStatuses[0].attacking);
  EXPECT_EQ(FighterStatuses[0].attackKind, HandToBody);
}

TEST_F(ControlsTest, TwoKeysOnOneFrameStartTheFirstKindOnly) {
  Frame({'C', 'X'});
  EXPECT_EQ(FighterStatuses[0].attackKind, HandToBody);
  EXPECT_FALSE(StrikeLatched(0, FightInput::LegToBody));
  EXPECT_TRUE(StrikeLatched(0, FightInput::HandToBody));
}

TEST_F(ControlsTest, WalkingDirectionsAndKeys) {
  Frame({'B'});
  EXPECT_FLOAT_EQ(Fighters[0].walkVelocity.x, 10.5f);
  EXPECT_EQ(Fighters[0].action, StepForward);
  EXPECT_TRUE(Fighters[0].walking);
  Frame({VirtualKey::Left});
  EXPECT_FLOAT_EQ(Fighters[0].walkVelocity.x, -10.5f);
  EXPECT_EQ(Fighters[0].action, StepBack);
  // Both keys: fighter one steps forward.
  Frame({'B', 'V'});
  EXPECT_EQ(Fighters[0].action, StepForward);
  Frame({});
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_FALSE(Fighters[0].walking);
  EXPECT_FLOAT_EQ(Fighters[0].walkVelocity.x, 0.0f);
}

TEST_F(ControlsTest, ArrowsBelongToFighterTwoInTwoPlayerMode) {
  MatchState.gameMode = TwoPlayers;
  Frame({VirtualKey::Right});
  EXPECT_EQ(Fighters[0].action, Stand);
  std::memset(KeyState, 0, sizeof KeyState);
  KeyState[VirtualKey::Left] = 1;
  KeyState[VirtualKey::Right] = 1;
  RunKeyboardController(1);
  // Both keys: fighter two steps back, away along +x.
  EXPECT_EQ(Fighters[1].action, StepBack);
  EXPECT_FLOAT_EQ(Fighters[1].walkVelocity.x, 10.5f);
  KeyState[VirtualKey::Right] = 0;
  RunKeyboardController(1);
  EXPECT_EQ(Fighters[1].action, StepForward);
  EXPECT_FLOAT_EQ(Fighters[1].walkVelocity.x, -10.5f);
}

TEST_F(ControlsTest, SteppingBackStopsMovingAtEightUnits) {
  PlaceFighter(0, FightVector{-6.0f, -0.15f, 0.0f, 0.0f});
  PlaceFighter(1, FightVector{2.0f, -0.15f, 0.0f, 0.0f});
  Frame({'V'});
  EXPECT_FLOAT_EQ(MatchState.distance, 8.0f);
  EXPECT_EQ(Fighters[0].action, StepBack);
  EXPECT_TRUE(Fighters[0].walking);
  EXPECT_FLOAT_EQ(Fighters[0].walkVelocity.x, 0.0f);
}

TEST_F(ControlsTest, BlockHoldsAndClosesTheOpponentsCombo) {
  Frame({VirtualKey::Space});
  EXPECT_TRUE(FighterStatuses[0].blocking);
  EXPECT_EQ(Fighters[0].action, Block);
  EXPECT_FLOAT_EQ(FighterStatuses[1].comboTime, 1.6f);
  // No walking and no attack while blocking.
  Frame({VirtualKey::Space, 'B', 'Z'});
  EXPECT_EQ(Fighters[0].action, Block);
  EXPECT_FALSE(FighterStatuses[0].attacking);
  Frame({});
  EXPECT_FALSE(FighterStatuses[0].blocking);
  EXPECT_EQ(Fighters[0].action, Stand);
}

TEST_F(ControlsTest, NoBlockOnceAHitIsPending) {
  FighterStatuses[0].hitPending = true;
  Frame({VirtualKey::Space});
  EXPECT_FALSE(FighterStatuses[0].blocking);
}

TEST_F(ControlsTest, InPainWalkAndBlockButNoAttack) {
  FighterStatuses[0].inPain = true;
  Frame({'B', 'Z'});
  EXPECT_EQ(Fighters[0].action, StepForward);
  EXPECT_FALSE(FighterStatuses[0].attacking);
  Frame({VirtualKey::Space});
  EXPECT_TRUE(FighterStatuses[0].blocking);
}

TEST_F(ControlsTest, NothingButClocksOutsideTheLiveRound) {
  MatchState.fightLive = false;
  FighterStatuses[0].tiredness = 10.0f;
  Frame({'Z', 'B'});
  EXPECT_FALSE(FighterStatuses[0].attacking);
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_FLOAT_EQ(FighterStatuses[0].tiredness, 9.8f);
  EXPECT_FALSE(StrikeLatched(0, FightInput::HandToHead));  // a key held through the intro acts on the first live frame
  MatchState.fightLive = true;
  Frame({'Z'});
  EXPECT_TRUE(FighterStatuses[0].attacking);
}

TEST_F(ControlsTest, NoAttackOnAKnockedOutOpponent) {
  FighterStatuses[1].life = -1.0f;
  Frame({'Z'});
  EXPECT_FALSE(FighterStatuses[0].attacking);
}

TEST_F(ControlsTest, QuickAttacksTireAndTheLockOutLastsTwoAndAHalfSeconds) {
  FightFrame.step = 1.67f;
  PlaceFighter(1, FightVector{8.0f, -0.15f, 0.0f, 0.0f});  // out of reach: swings still tire
  int attacks = 0;
  int frame = 0;
  while (!FighterStatuses[0].tired && frame < 2000) {
    const bool before = FighterStatuses[0].attacking;
    Frame(frame % 2 == 0 ? std::initializer_list<int>{'Z'} : std::initializer_list<int>{});
    if (!before && FighterStatuses[0].attacking) ++attacks;
    ++frame;
  }
  ASSERT_TRUE(FighterStatuses[0].tired);
  EXPECT_GE(attacks, 9);
  EXPECT_LE(attacks, 11);
  EXPECT_FLOAT_EQ(FighterStatuses[0].tiredness, 100.0f);

  // Tired: no attack, but walking and blocking go on; the lock-out ends below 50.
  float lockedFor = 0.0f;
  while (FighterStatuses[0].tired && lockedFor < 5.0f) {
    Frame({'Z'});
    EXPECT_FALSE(FighterStatuses[0].attacking);
    Frame({'B'});
    EXPECT_EQ(Fighters[0].action, StepForward);
    Frame({VirtualKey::Space});
    EXPECT_TRUE(FighterStatuses[0].blocking);
    lockedFor += 3 * 0.01f * FightFrame.step;
  }
  EXPECT_NEAR(lockedFor, 2.5f, 0.06f);
}

}  // namespace
