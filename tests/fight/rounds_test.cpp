#include <vector>

#include "fight/fight_fixture.h"
#include "app/match_runner.h"

namespace {

class RoundsTest : public FightTest {
 protected:
  // Knocks out the fighters of `losers`, one per live round, and plays the match to its end.
  static MatchResult PlayKnockouts(MatchSetup setup, std::vector<int> losers) {
    MatchRunner runner(setup);
    runner.Start();
    std::size_t next = 0;
    auto script = [&](float, std::uint8_t(&)[256]) {
      if (RoundLive() && next < losers.size()) FighterStatuses[losers[next++]].life = -1.0f;
    };
    return runner.RunToEnd(script, 200.0f);
  }

  static bool RoundLive() { return MatchState.fightLive && !MatchState.roundOver; }
};

TEST_F(RoundsTest, IntroGoesLiveAtFourAndEndsAtFive) {
  BeginFight(QuickFight, 0, 1);
  EXPECT_EQ(MatchState.roundNumber, 1);
  EXPECT_TRUE(MatchState.introActive);
  float t = 0.0f;
  float liveAt = -1.0f;
  while (MatchState.introActive && t < 10.0f) {
    ASSERT_TRUE(IntroOverlayShown());
    RunIntroClock();
    t += 0.01f;
    if (liveAt < 0.0f && MatchState.fightLive) liveAt = t;
  }
  EXPECT_NEAR(liveAt, 4.01f, 0.015f);
  EXPECT_NEAR(t, 5.01f, 0.015f);
  EXPECT_FLOAT_EQ(MatchState.RoundClock, 0.0f);
  EXPECT_FALSE(IntroOverlayShown());
}

TEST_F(RoundsTest, CareerFirstIntroWaitsTwelveSeconds) {
  BeginFight(Career, 0, 1);
  EXPECT_FLOAT_EQ(MatchState.RoundClock, -8.0f);
  EXPECT_EQ(hooks.Count("StartFightMonolog 1"), 1);
  float t = 0.0f;
  while (!MatchState.fightLive && t < 20.0f) {
    RunIntroClock();
    t += 0.01f;
  }
  EXPECT_NEAR(t, 12.01f, 0.05f);
}

TEST_F(RoundsTest, TwoRoundsWhenOneFighterWinsBoth) {
  MatchSetup setup;
  const MatchResult r = PlayKnockouts(setup, {1, 1});
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(r.rounds, 2);
  EXPECT_EQ(r.roundsLost[1], 2);
  EXPECT_EQ(r.roundsLost[0], 0);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_EQ(MatchState.arena, 1);
  EXPECT_EQ(hooks.Count("PlaySound MenuClick"), 1);
  EXPECT_EQ(hooks.Count("ResetMenuTransition"), 1);
  EXPECT_EQ(hooks.Count("RequestMenuMusic"), 1);
}

TEST_F(RoundsTest, ThreeRoundsOtherwise) {
  MatchSetup setup;
  const MatchResult r = PlayKnockouts(setup, {1, 0, 0});
  EXPECT_EQ(r.rounds, 3);
  EXPECT_EQ(r.roundsLost[0], 2);
  EXPECT_EQ(r.roundsLost[1], 1);
}

TEST_F(RoundsTest, KnockoutSequenceTimings) {
  MatchSetup setup;
  MatchRunner runner(setup);
  runner.Start();
  runner.RunToEnd(IdleScript, 5.5f);  // past the intro
  ASSERT_TRUE(MatchState.fightLive);
  FighterStatuses[1].life = -1.0f;
  runner.RunFrame(IdleScript);
  ASSERT_TRUE(MatchState.knockoutActive);
  EXPECT_EQ(Fighters[1].action, Death);
  const float knockedOutAt = runner.seconds();
  float winAt = -1.0f;
  while (MatchState.roundNumber == 1 && runner.seconds() < 30.0f) {
    runner.RunFrame(IdleScript);
    if (winAt < 0.0f && Fighters[0].action == Win) winAt = runner.seconds();
  }
  EXPECT_NEAR(winAt - knockedOutAt, 0.35f, 0.04f);
  EXPECT_NEAR(runner.seconds() - knockedOutAt, 9.0f, 0.04f);
  EXPECT_EQ(MatchState.roundNumber, 2);
  EXPECT_TRUE(MatchState.introActive);
  EXPECT_FALSE(MatchState.knockoutActive || MatchState.roundOver || MatchState.fightLive);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 100.0f);
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_FLOAT_EQ(Fighters[0].position.x, -3.0f);
  EXPECT_FLOAT_EQ(Fighters[1].position.x, 3.0f);
}

TEST_F(RoundsTest, BothBelowZeroInOneFrameKnocksOutFighterOneOnly) {
  MatchSetup setup;
  MatchRunner runner(setup);
  runner.Start();
  runner.RunToEnd(IdleScript, 5.5f);  // past the intro
  FighterStatuses[0].life = -1.0f;
  FighterStatuses[1].life = -1.0f;
  runner.RunFrame(IdleScript);
  EXPECT_EQ(FighterStatuses[0].roundsLost, 1);
  EXPECT_EQ(FighterStatuses[1].roundsLost, 0);
  EXPECT_NE(Fighters[1].action, Death);
}

TEST_F(RoundsTest, PendingHitAtRoundEndNeverLands) {
  BeginFight(TwoPlayers, 0, 1);
  GoLive();
  FighterStatuses[1].hitPending = true;
  FighterStatuses[0].attackKind = HandToHead;
  FighterStatuses[0].attackTime = 0.2f;
  MatchState.roundOver = true;
  RunKeyboardController(1);
  EXPECT_TRUE(FighterStatuses[1].hitPending);
  EXPECT_FLOAT_EQ(FighterStatuses[1].life, 100.0f);
  ResetRound();
  EXPECT_FALSE(FighterStatuses[1].hitPending);
}

TEST_F(RoundsTest, ResetRoundKeepsAHeldBlock) {
  BeginFight(QuickFight, 0, 1);
  GoLive();
  KeyState[VirtualKey::Space] = 1;
  RunKeyboardController(0);
  ASSERT_TRUE(FighterStatuses[0].blocking);
  ResetRound();
  EXPECT_TRUE(FighterStatuses[0].blocking);
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_EQ(hooks.Count("ResetCameraSway"), 2);  // fight start and this reset
  // Through the intro it stays; the first live frame with the key up clears it.
  KeyState[VirtualKey::Space] = 0;
  MatchState.fightLive = false;
  RunKeyboardController(0);
  EXPECT_TRUE(FighterStatuses[0].blocking);
  MatchState.fightLive = true;
  RunKeyboardController(0);
  EXPECT_FALSE(FighterStatuses[0].blocking);
}

TEST_F(RoundsTest, SlowFrameAdvancesNothing) {
  MatchSetup setup;
  setup.step = 6.0f;
  MatchRunner runner(setup);
  runner.Start();
  const FighterStatus before = FighterStatuses[0];
  KeyState['B'] = 1;
  runner.RunFrame([](float, std::uint8_t(&keys)[256]) { keys['B'] = 1; });
  EXPECT_NEAR(MatchState.RoundClock, 0.001f, 1e-6f);
  EXPECT_FLOAT_EQ(FighterStatuses[0].bodyPosition.x, before.bodyPosition.x);
  EXPECT_EQ(Fighters[0].action, Stand);
  EXPECT_EQ(hooks.Count("SetListenerPosition"), 0);
}

TEST_F(RoundsTest, TwoPlayerMatchReturnsToSetupWithFreshCharacters) {
  MatchSetup setup;
  setup.gameMode = TwoPlayers;
  setup.characters[0] = 4;
  setup.characters[1] = 6;
  const MatchResult r = PlayKnockouts(setup, {0, 0});
  EXPECT_TRUE(r.finished);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_FALSE(ScreenFlow.twoPlayerMode);
  EXPECT_EQ(MatchState.character[0], 0);
  EXPECT_EQ(MatchState.character[1], 1);
}

TEST_F(RoundsTest, StartAndEndFightSideEffectsInOrder) {
  std::srand(7);
  BeginFight(Career, 0, 3, 3);
  std::vector<std::string> start = hooks.Events();
  // Drop the models' stand calls: they come from the round reset and each fighter's set-up.
  start.erase(std::remove_if(start.begin(), start.end(),
                             [](const std::string& c) { return c.rfind("SetAnimation", 0) == 0; }),
              start.end());
  ASSERT_EQ(start.size(), 9u);
  EXPECT_EQ(start[0], "RewindMenuMusic");
  EXPECT_EQ(start[1], "LoadArenaMeshes 3");
  EXPECT_EQ(start[2], "BuildArenaLights");
  EXPECT_EQ(start[3], "ResetCameraSway");
  EXPECT_EQ(start[4], "StartFightMonolog 3");
  EXPECT_EQ(start[5].rfind("OpenFightMusic ", 0), 0u);
  EXPECT_EQ(start[6], "PlayFightMusic");
  EXPECT_EQ(start[7], "SetCameraFightStart");
  EXPECT_EQ(start[8], "DeactivateHitParticles");
  EXPECT_EQ(hooks.Count("SetAnimation 7 LEGS_STAND"), 3);

  hooks.calls.clear();
  ScreenFlow.gameState = GameState::Pause;
  EndFight(ScreenFlow.gameState != GameState::Fight);
  const std::vector<std::string> end = hooks.Events();
  EXPECT_EQ(end.front(), "DestroyArenaMeshes");
  EXPECT_EQ(hooks.Count("StopSound FootstepsOne"), 1);
  EXPECT_EQ(hooks.Count("StopSound UltraComboSound"), 1);
  EXPECT_EQ(hooks.Count("RewindFightMusic"), 1);
  EXPECT_EQ(hooks.Count("ReleaseFightMusic"), 1);
  EXPECT_EQ(hooks.Count("RequestMenuMusic"), 1);
  EXPECT_EQ(hooks.Count("ResetPreFightSlides"), 1);
  EXPECT_EQ(end.back(), "StopFightMonolog");
  EXPECT_EQ(MatchState.roundNumber, 0);
  EXPECT_TRUE(MatchState.introActive);
}

TEST_F(RoundsTest, MusicOffStartsNoMusicButStillOpensAndReleasesIt) {
  Settings.musicOn = false;
  BeginFight(QuickFight, 0, 1);
  EXPECT_EQ(hooks.Count("RewindMenuMusic"), 0);
  EXPECT_EQ(hooks.Count("PlayFightMusic"), 0);
  EndFight(ScreenFlow.gameState != GameState::Fight);
  EXPECT_EQ(hooks.Count("ReleaseFightMusic"), 1);
  EXPECT_EQ(hooks.Count("RewindFightMusic"), 0);
}

}  // namespace
