#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "screen_test_support.h"
#include "screens/menu_clocks.h"
#include "screens/screens.h"

namespace {

class Hover : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
  }
  // The slots that are on after moving the pointer to (x, y).
  std::vector<int> SlotsAt(GameState state, int x, int y) {
    ScreenFlow.gameState = state;
    for (bool& h : ScreenFlow.hover) h = false;
    MoveTo(x, y);
    std::vector<int> on;
    for (int i = 0; i < 8; ++i) {
      if (ScreenFlow.hover[i]) on.push_back(i);
    }
    return on;
  }
  std::vector<std::string> log;
};

using Slots = std::vector<int>;

TEST_F(Hover, EachScreenLightsItsOwnSlots) {
  EXPECT_EQ(SlotsAt(GameState::MainMenu, 85, 440), Slots{0});
  EXPECT_EQ(SlotsAt(GameState::MainMenu, 590, 440), Slots{4});
  EXPECT_EQ(SlotsAt(GameState::TwoPlayerSetup, 40, 400), Slots{2});
  EXPECT_EQ(SlotsAt(GameState::TwoPlayerSetup, 760, 400), Slots{5});
  EXPECT_EQ(SlotsAt(GameState::TwoPlayerSetup, 400, 380), Slots{6});
  EXPECT_EQ(SlotsAt(GameState::TwoPlayerSetup, 400, 460), Slots{7});
  EXPECT_EQ(SlotsAt(GameState::QuitConfirm, 400, 380), Slots{3});
  EXPECT_EQ(SlotsAt(GameState::QuitConfirm, 400, 420), Slots{4});
  EXPECT_EQ(SlotsAt(GameState::CareerMenu, 400, 380), Slots{2});
  EXPECT_EQ(SlotsAt(GameState::DifficultySelect, 400, 380), Slots{6});
  EXPECT_EQ(SlotsAt(GameState::DifficultySelect, 700, 560), Slots{1});
  EXPECT_EQ(SlotsAt(GameState::CareerStory, 700, 560), Slots{0});
  EXPECT_EQ(SlotsAt(GameState::PreFight, 50, 560), Slots{0});
  EXPECT_EQ(SlotsAt(GameState::Pause, 400, 380), Slots{3});
  EXPECT_EQ(SlotsAt(GameState::Pause, 400, 320), Slots{1});
  EXPECT_EQ(SlotsAt(GameState::Options, 250, 560), Slots{1});
  // The option values give no hover feedback, and the fight has no buttons.
  EXPECT_EQ(SlotsAt(GameState::Options, 300, 120), Slots{});
  EXPECT_EQ(SlotsAt(GameState::Fight, 85, 440), Slots{});
  // A bound is outside.
  EXPECT_EQ(SlotsAt(GameState::MainMenu, 29, 440), Slots{});
}

TEST_F(Hover, SoundsOncePerEntry) {
  ScreenFlow.gameState = GameState::CareerMenu;
  MoveTo(400, 280);
  MoveTo(401, 281);
  MoveTo(402, 282);
  EXPECT_EQ(log, std::vector<std::string>{"hover"});
  MoveTo(400, 320);  // straight onto the next button
  EXPECT_EQ(log.size(), 2u);
  EXPECT_FALSE(ScreenFlow.hover[0]);
  EXPECT_TRUE(ScreenFlow.hover[1]);
  MoveTo(10, 10);
  MoveTo(400, 320);
  EXPECT_EQ(log.size(), 3u);

  Settings.soundOn = false;
  MoveTo(10, 10);
  MoveTo(400, 320);
  EXPECT_EQ(log.size(), 3u);
  EXPECT_TRUE(ScreenFlow.hover[1]);
}

TEST_F(Hover, EnteringAMainMenuButtonStartsItsPulseAtFullSize) {
  ScreenFlow.gameState = GameState::MainMenu;
  MenuClocks.MenuPulse = 40;
  MoveTo(200, 440);
  EXPECT_FLOAT_EQ(MenuClocks.MenuPulse, 1.57f);
  MenuClocks.MenuPulse = 40;
  MoveTo(201, 440);  // still on it
  EXPECT_FLOAT_EQ(MenuClocks.MenuPulse, 40);

  ScreenFlow.gameState = GameState::Pause;
  MoveTo(400, 280);
  EXPECT_FLOAT_EQ(MenuClocks.MenuPulse, 40);
}

TEST_F(Hover, AScreenChangeClearsTheFlagsSoTheNextScreenSoundsAgain) {
  ScreenFlow.gameState = GameState::MainMenu;
  MoveTo(460, 440);  // OPTIONS
  ClickAt(460, 440);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
  for (bool h : ScreenFlow.hover) EXPECT_FALSE(h);
  EXPECT_FLOAT_EQ(MenuClocks.MenuFadeClock, 0);
}

}  // namespace
