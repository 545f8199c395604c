#include <cmath>

#include "fight/fight_fixture.h"

namespace {

class CombatTest : public FightTest {
 protected:
  // Fighter `attacker` has started an attack of `kind` that connected and is past mid-swing.
  static void Connect(int attacker, int kind) {
    FighterStatuses[attacker].attackKind = kind;
    FighterStatuses[attacker].attacking = true;
    FighterStatuses[attacker].attackTime = 0.2f;  // above half of every strike time
    FighterStatuses[1 - attacker].hitPending = true;
  }
};

TEST_F(CombatTest, WorkedDamageBetweenHumans) {
  MatchState.gameMode = TwoPlayers;
  MatchState.character[0] = 2;  // Cop, power 1.0
  MatchState.character[1] = 1;  // Kingpin, endurance 1.0
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 95.0f);

  FighterStatuses[1].life = 100.0f;
  FighterStatuses[1].blocking = true;
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 99.0f);

  // The Kingpin's kick on the Cop.
  MatchState.character[0] = 1;
  MatchState.character[1] = 2;
  FighterStatuses[1] = FighterStatus{};
  Connect(0, LegToBody);
  ResolvePendingHit(1);
  EXPECT_NEAR(FighterStatuses[1].life, 96.5f, 1e-4f);
}

TEST_F(CombatTest, ComputerFighterTakesEnduranceAsMultiplier) {
  MatchState.gameMode = QuickFight;
  MatchState.character[0] = 0;  // Boxer, power 0.9
  MatchState.character[1] = 2;  // Cop, endurance 0.6
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_NEAR(FighterStatuses[1].life, 100.0f - 2.0f * 0.9f * 2.5f * 0.6f, 1e-4f);

  // The same blow on a human-steered Cop divides.
  FighterStatuses[0] = FighterStatus{};
  FighterStatuses[1] = FighterStatus{};
  MatchState.character[0] = 2;
  MatchState.character[1] = 0;
  Connect(1, HandToHead);
  ResolvePendingHit(0);
  EXPECT_NEAR(FighterStatuses[0].life, 100.0f - 2.0f * 0.9f * 2.5f / 0.6f, 1e-4f);
}

TEST_F(CombatTest, UnblockedHitHurtsSoundsAndSparks) {
  MatchState.gameMode = TwoPlayers;
  MatchState.character[1] = 5;  // female voice
  FighterStatuses[1].bodyPosition = FightVector{2.0f, -0.15f, 0.0f, 0.0f};
  Connect(0, HandToBody);
  ResolvePendingHit(1);
  EXPECT_FALSE(FighterStatuses[1].hitPending);
  EXPECT_TRUE(FighterStatuses[1].inPain);
  EXPECT_EQ(Fighters[1].action, Pain);
  EXPECT_EQ(FighterStatuses[0].comboHits, 1);
  EXPECT_EQ(FighterStatuses[0].lastComboKind, HandToBody);
  EXPECT_FLOAT_EQ(FighterStatuses[1].comboTime, 1.6f);
  EXPECT_EQ(hooks.Events(), (std::vector<std::string>{"PlaySound HitSound", "PlaySound PainVoiceFemale",
                                                      "LaunchHitParticles 1"}));
  EXPECT_FLOAT_EQ(hooks.lastHitPosition.x, 1.7f);
  EXPECT_FLOAT_EQ(hooks.lastHitPosition.y, 0.45f);
  EXPECT_FLOAT_EQ(hooks.lastHitPosition.z, -0.2f);
  // Fighter two's sparks fly toward fighter one (-x).
  for (const auto& v : hooks.lastVelocities) {
    EXPECT_GE(v[0], -110.0f);
    EXPECT_LE(v[0], -11.0f);
    EXPECT_GE(v[1], -0.5f);
    EXPECT_LE(v[1], 0.49f);
    EXPECT_GE(v[2], -50.0f);
    EXPECT_LE(v[2], 49.0f);
  }
}

TEST_F(CombatTest, BlockedHitOnlyPushesAndClicks) {
  MatchState.gameMode = TwoPlayers;
  FighterStatuses[0].comboTime = 0.4f;
  FighterStatuses[1].blocking = true;
  FighterStatuses[1].comboActive = true;
  FighterStatuses[1].bodyPosition = FightVector{2.0f, -0.15f, 0.0f, 0.0f};
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_FALSE(FighterStatuses[1].inPain);
  EXPECT_EQ(FighterStatuses[0].comboHits, 0);
  EXPECT_FLOAT_EQ(FighterStatuses[0].comboTime, 0.0f);  // keeps the attacker's window open
  EXPECT_FLOAT_EQ(FighterStatuses[1].comboTime, 1.6f);  // closes the victim's own combo
  EXPECT_EQ(hooks.Events(), (std::vector<std::string>{"PlaySound BlockSound", "LaunchBlockFlash 1"}));
  // The flash is where a landed blow's sparks would start.
  EXPECT_FLOAT_EQ(hooks.lastBlockPosition.x, 1.7f);
  EXPECT_FLOAT_EQ(hooks.lastBlockPosition.y, 0.45f);
  EXPECT_FLOAT_EQ(hooks.lastBlockPosition.z, -0.2f);
}

TEST_F(CombatTest, SoundOffPlaysNothingButStillHurts) {
  Settings.soundOn = false;
  MatchState.gameMode = TwoPlayers;
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_LT(FighterStatuses[1].life, 100.0f);
  EXPECT_EQ(hooks.Count("PlaySound HitSound"), 0);
  EXPECT_EQ(hooks.Count("LaunchHitParticles 1"), 1) << "what is seen does not hang on the sound";

  FighterStatuses[1].blocking = true;
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_EQ(hooks.Count("PlaySound BlockSound"), 0);
  EXPECT_EQ(hooks.Count("LaunchBlockFlash 1"), 1);
}

TEST_F(CombatTest, HitLandsOnlyAfterHalfTheAttackersStrikeTime) {
  MatchState.gameMode = TwoPlayers;
  MatchState.character[0] = 4;  // Biker, strikeTime 0.4: lands above 0.2
  Connect(0, LegToBody);
  FighterStatuses[0].attackTime = 0.2f;
  ResolvePendingHit(1);
  EXPECT_TRUE(FighterStatuses[1].hitPending);
  FighterStatuses[0].attackTime = 0.201f;
  ResolvePendingHit(1);
  EXPECT_FALSE(FighterStatuses[1].hitPending);
}

TEST_F(CombatTest, BoxerHeadPunchTimeline) {
  MatchState.gameMode = TwoPlayers;
  MatchState.distance = 3.5f;
  StartAttack(0, HandToHead);
  ASSERT_TRUE(FighterStatuses[1].hitPending);
  EXPECT_TRUE(MatchState.attackSignal);
  float landedAt = -1.0f;
  float endedAt = -1.0f;
  // FightUpdate's order: fighter one's clocks, then fighter two's controller resolves.
  for (int frame = 1; frame <= 60 && endedAt < 0.0f; ++frame) {
    RunFighterClocks(0);
    ResolvePendingHit(1);
    const float t = 0.01f * static_cast<float>(frame);
    if (landedAt < 0.0f && !FighterStatuses[1].hitPending) landedAt = t;
    if (!FighterStatuses[0].attacking) endedAt = t;
  }
  EXPECT_NEAR(landedAt, 0.13f, 0.005f);
  EXPECT_NEAR(endedAt, 0.265f, 0.011f);
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_NEAR(FighterStatuses[0].tiredness, 15.0f - 0.2f, 1e-4f);
  EXPECT_NEAR(FighterStatuses[1].life, 100.0f - 2.0f * 0.9f * 2.5f / 1.0f, 1e-4f);  // on the Kingpin
}

TEST_F(CombatTest, ReachBoundsAreStrict) {
  struct Case {
    float distance;
    bool head, body, kick;
  };
  const Case cases[] = {{1.0f, false, false, false}, {1.01f, true, true, true}, {3.99f, true, true, true},
                        {4.0f, false, true, true},   {5.0f, false, false, true}, {5.5f, false, false, true},
                        {6.0f, false, false, false}};
  for (const Case& c : cases) {
    const bool expected[3] = {c.head, c.body, c.kick};
    for (int kind = HandToHead; kind <= LegToBody; ++kind) {
      FighterStatuses[0] = FighterStatus{};
      FighterStatuses[1] = FighterStatus{};
      MatchState.distance = c.distance;
      StartAttack(0, kind);
      EXPECT_EQ(FighterStatuses[1].hitPending, expected[kind - 1]) << "distance " << c.distance << " kind " << kind;
      // Out of reach the swing still plays.
      EXPECT_TRUE(FighterStatuses[0].attacking);
    }
  }
}

TEST_F(CombatTest, SwingsAlternateRightFirstAndCarryOverRounds) {
  MatchState.distance = 10.0f;
  StartAttack(0, HandToHead);
  EXPECT_EQ(Fighters[0].action, HeadRight);
  FighterStatuses[0].attacking = false;
  StartAttack(0, HandToHead);
  EXPECT_EQ(Fighters[0].action, HeadLeft);
  FighterStatuses[0].attacking = false;
  StartAttack(0, LegToBody);
  EXPECT_EQ(Fighters[0].action, KickRight);
  ResetRound();
  StartAttack(0, HandToHead);
  EXPECT_EQ(Fighters[0].action, HeadRight);
  ResetRound();
  StartAttack(0, HandToBody);
  EXPECT_EQ(Fighters[0].action, TorsoRight);
}

TEST_F(CombatTest, PainLastsHalfASecondAndKeepsABlock) {
  FighterStatuses[0].inPain = true;
  Fighters[0].action = Pain;
  int frames = 0;
  while (FighterStatuses[0].inPain && frames < 100) {
    RunPainClock(0);
    ++frames;
  }
  EXPECT_NEAR(frames, 51.5, 1.0);  // about 50 steps of 0.01 pass 0.5, the next ends the pain
  EXPECT_EQ(Fighters[0].action, Stand);

  FighterStatuses[0].inPain = true;
  FighterStatuses[0].blocking = true;
  Fighters[0].action = Block;
  for (int i = 0; i < 60; ++i) RunPainClock(0);
  EXPECT_EQ(Fighters[0].action, Block);
}

TEST_F(CombatTest, KnockoutAndWin) {
  MatchState.gameMode = TwoPlayers;
  MatchState.character[0] = 5;
  MatchState.character[1] = 3;
  FighterStatuses[0].life = 0.0f;  // exactly 0 is still standing
  RunFighterClocks(0);
  EXPECT_FALSE(MatchState.knockoutActive);

  FighterStatuses[0].life = -0.5f;
  RunFighterClocks(0);
  EXPECT_TRUE(MatchState.knockoutActive);
  EXPECT_TRUE(MatchState.roundOver);
  EXPECT_EQ(FighterStatuses[0].roundsLost, 1);
  EXPECT_EQ(MatchState.winnerCharacter, 3);
  EXPECT_EQ(Fighters[0].action, Death);
  EXPECT_TRUE(FighterStatuses[1].winPending);
  EXPECT_TRUE(FighterStatuses[1].wonRound);
  EXPECT_EQ(hooks.Count("PlaySound KnockoutVoiceFemale"), 1);

  // A second check in the same round changes nothing.
  RunFighterClocks(0);
  EXPECT_EQ(FighterStatuses[0].roundsLost, 1);

  MatchState.RoundClock = 0.35f;
  RunFighterClocks(1);
  EXPECT_TRUE(FighterStatuses[1].winPending);
  MatchState.RoundClock = 0.36f;
  RunFighterClocks(1);
  EXPECT_FALSE(FighterStatuses[1].winPending);
  EXPECT_EQ(Fighters[1].action, Win);
}

TEST_F(CombatTest, TwoPlayerWinOfFighterOneIsAnnouncedByCharacter) {
  MatchState.gameMode = TwoPlayers;
  FighterStatuses[1].life = -1.0f;
  RunFighterClocks(1);
  EXPECT_TRUE(FighterStatuses[0].winPending);
  EXPECT_FALSE(FighterStatuses[0].wonRound);
  EXPECT_EQ(hooks.Count("PlaySound KnockoutVoiceMale"), 1);
}

TEST_F(CombatTest, NoDamageBelowZeroLife) {
  MatchState.gameMode = TwoPlayers;
  FighterStatuses[1].life = -2.0f;
  Connect(0, HandToHead);
  ResolvePendingHit(1);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, -2.0f);
}

}  // namespace
