#include "fight/fight_fixture.h"
#include "app/match_runner.h"

namespace {

using MatchRunnerTest = FightTest;

TEST_F(MatchRunnerTest, ComputerBeatsAPlayerWhoDoesNothing) {
  MatchSetup setup;
  setup.characters[0] = 0;
  setup.characters[1] = 4;
  MatchRunner runner(setup);
  runner.Start();
  const MatchResult r = runner.RunToEnd(IdleScript, 600.0f);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.roundsLost[0], 2);
  EXPECT_EQ(r.roundsLost[1], 0);
  EXPECT_EQ(r.rounds, 2);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_GT(hooks.Count("LaunchHitParticles 0"), 10);
}

TEST_F(MatchRunnerTest, BrawlerAgainstTheComputerPlaysAWholeMatch) {
  for (int opponent : {1, 7}) {
    MatchSetup setup;
    setup.characters[1] = opponent;
    MatchRunner runner(setup);
    runner.Start();
    BrawlerScript brawler;
    const MatchResult r = runner.RunToEnd(std::ref(brawler), 600.0f);
    ASSERT_TRUE(r.finished) << opponent;
    EXPECT_TRUE(r.roundsLost[0] == 2 || r.roundsLost[1] == 2);
    EXPECT_GE(r.rounds, 2);
    EXPECT_LE(r.rounds, 3);
    // Both sides landed hits.
    EXPECT_GT(hooks.Count("LaunchHitParticles 0"), 0);
    EXPECT_GT(hooks.Count("LaunchHitParticles 1"), 0);
    hooks.calls.clear();
  }
}

TEST_F(MatchRunnerTest, TwoPlayersOnOneKeyboard) {
  MatchSetup setup;
  setup.gameMode = TwoPlayers;
  setup.characters[0] = 2;
  setup.characters[1] = 5;
  MatchRunner runner(setup);
  runner.Start();
  int frame = 0;
  // Fighter two walks in and punches; fighter one only blocks now and then.
  auto script = [&frame](float, std::uint8_t(&keys)[256]) {
    ++frame;
    if (MatchState.distance > 3.5f) keys[VirtualKey::Left] = 1;
    if (frame % 2 == 0) keys[(frame / 2) % 2 ? int{'I'} : int{'O'}] = 1;
    if (frame % 100 < 10) keys[VirtualKey::Space] = 1;
  };
  const MatchResult r = runner.RunToEnd(script, 600.0f);
  ASSERT_TRUE(r.finished);
  EXPECT_EQ(r.roundsLost[0], 2);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_GT(hooks.Count("PlaySound PainVoiceMale"), 0);
  EXPECT_GT(hooks.Count("PlaySound BlockSound"), 0);
  EXPECT_EQ(hooks.Count("LaunchBlockFlash 0") + hooks.Count("LaunchBlockFlash 1"), hooks.Count("PlaySound BlockSound"))
      << "one flash per block";
}

TEST_F(MatchRunnerTest, RunsAtAnyFrameStep) {
  for (float step : {1.0f, 4.9f}) {
    MatchSetup setup;
    setup.step = step;
    MatchRunner runner(setup);
    runner.Start();
    const MatchResult r = runner.RunToEnd(IdleScript, 900.0f);
    EXPECT_TRUE(r.finished) << step;
    EXPECT_EQ(r.roundsLost[0], 2) << step;
  }
}

}  // namespace
