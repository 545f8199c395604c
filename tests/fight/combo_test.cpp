#include "fight/fight_fixture.h"

namespace {

class ComboTest : public FightTest {
 protected:
  // A hit of fighter one's `kind` lands on fighter two.
  static void Land(int kind, bool blocked = false) {
    FighterStatuses[0].attackKind = kind;
    FighterStatuses[0].attackTime = 1.0f;
    FighterStatuses[1].hitPending = true;
    FighterStatuses[1].blocking = blocked;
    FighterStatuses[1].life = 100.0f;
    ResolvePendingHit(1);
  }

  // Fighter one's combo clock for `seconds` at step 1; returns the time at which it closed, or -1.
  static float RunFor(float seconds) {
    const int frames = static_cast<int>(seconds * 100.0f + 0.5f);
    for (int i = 1; i <= frames; ++i) {
      const bool open = FighterStatuses[0].comboActive;
      RunComboClock(0);
      if (open && !FighterStatuses[0].comboActive) return 0.01f * static_cast<float>(i);
    }
    return -1.0f;
  }
};

TEST_F(ComboTest, TwoKindsGiveComboSixTenthsAfterTheLastHit) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  EXPECT_LT(RunFor(0.5f), 0.0f);
  Land(HandToBody);
  EXPECT_NEAR(RunFor(1.0f), 0.61f, 0.011f);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
  EXPECT_TRUE(FighterStatuses[0].comboShown);
  EXPECT_FLOAT_EQ(FighterStatuses[0].comboShowTime, 2.0f);
  EXPECT_EQ(FighterStatuses[0].comboHits, 0);
  EXPECT_EQ(FighterStatuses[0].lastComboKind, kNoAttackKind);
  EXPECT_EQ(hooks.Count("PlaySound ComboSound"), 1);
}

TEST_F(ComboTest, SameKindTwiceCountsOnceButKeepsTheWindowOpen) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  RunFor(0.4f);
  Land(HandToHead);
  RunFor(0.4f);
  EXPECT_TRUE(FighterStatuses[0].comboActive);
  EXPECT_EQ(FighterStatuses[0].comboHits, 1);
  Land(LegToBody);
  RunFor(1.0f);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
  EXPECT_EQ(hooks.Count("PlaySound ComboSound"), 1);
}

TEST_F(ComboTest, OneHitClosesWithoutATitle) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  EXPECT_GT(RunFor(1.0f), 0.0f);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 1);
  EXPECT_FALSE(FighterStatuses[0].comboShown);
  EXPECT_EQ(hooks.Count("PlaySound ComboSound"), 0);
}

TEST_F(ComboTest, TitlesByHitCount) {
  MatchState.gameMode = TwoPlayers;
  struct Case {
    int hits;
    int level;
    const char* sound;
  };
  for (const Case& c : {Case{3, 3, "PlaySound SuperComboSound"}, Case{4, 4, "PlaySound UltraComboSound"},
                        Case{8, 4, "PlaySound UltraComboSound"}}) {
    hooks.calls.clear();
    for (int i = 0; i < c.hits; ++i) {
      Land(i % 2 == 0 ? HandToHead : HandToBody);
      RunFor(0.1f);
    }
    EXPECT_EQ(FighterStatuses[0].comboHits, c.hits);
    RunFor(1.0f);
    EXPECT_EQ(FighterStatuses[0].comboLevel, c.level) << c.hits;
    EXPECT_EQ(hooks.Count(c.sound), 1) << c.hits;
  }
}

TEST_F(ComboTest, BlockedHitsNeverCountButKeepTheWindowOpen) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  RunFor(0.5f);
  Land(HandToBody, true);
  RunFor(0.5f);
  EXPECT_TRUE(FighterStatuses[0].comboActive);
  EXPECT_EQ(FighterStatuses[0].comboHits, 1);
  Land(LegToBody);
  RunFor(1.0f);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
}

TEST_F(ComboTest, OpponentsBlockForcesTheCloseAtTheNextClock) {
  BeginFight(TwoPlayers, 0, 1);
  GoLive();
  Land(HandToHead);
  Land(HandToBody);
  FighterStatuses[1].blocking = false;
  KeyState['L'] = 1;  // fighter two's block key
  RunKeyboardController(1);
  EXPECT_TRUE(FighterStatuses[1].blocking);
  EXPECT_FLOAT_EQ(FighterStatuses[0].comboTime, 1.6f);
  RunComboClock(0);
  EXPECT_FALSE(FighterStatuses[0].comboActive);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
}

TEST_F(ComboTest, BeingHitCashesTheVictimsCombo) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  Land(HandToBody);
  // Fighter two lands on fighter one: fighter one's combo closes at its next clock.
  FighterStatuses[1].attackKind = HandToHead;
  FighterStatuses[1].attackTime = 1.0f;
  FighterStatuses[0].hitPending = true;
  ResolvePendingHit(0);
  RunComboClock(0);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
  EXPECT_TRUE(FighterStatuses[0].comboShown);
}

TEST_F(ComboTest, ClockKeepsRunningAfterTheKnockout) {
  BeginFight(QuickFight, 0, 1);
  GoLive();
  Land(HandToHead);
  Land(HandToBody);
  MatchState.roundOver = true;
  MatchState.knockoutActive = true;
  int frames = 0;
  while (FighterStatuses[0].comboActive && frames < 200) {
    RunKeyboardController(0);
    ++frames;
  }
  EXPECT_NEAR(frames, 61, 1);
  EXPECT_EQ(FighterStatuses[0].comboLevel, 2);
}

TEST_F(ComboTest, ResetRoundLeavesARunningComboAlone) {
  MatchState.gameMode = TwoPlayers;
  Land(HandToHead);
  ResetRound();
  EXPECT_TRUE(FighterStatuses[0].comboActive);
  EXPECT_EQ(FighterStatuses[0].comboHits, 1);
  EXPECT_EQ(FighterStatuses[0].lastComboKind, kNoAttackKind);  // the same kind may count again
  EndFight(ScreenFlow.gameState != GameState::Fight);
  EXPECT_FALSE(FighterStatuses[0].comboActive);
  EXPECT_EQ(FighterStatuses[0].comboHits, 0);
}

}  // namespace
