// The menus by keyboard and pad: the focus, its hover feedback, activation and BACK.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/game_options.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/character_pick.h"
#include "screens/menu_clocks.h"
#include "screens/menu_focus.h"
#include "screens/screens.h"

namespace {

class MenuFocus : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    UserOptions = GameOptions{};
    ScreenFlow.gameState = GameState::MainMenu;
  }
  void Keys(std::initializer_list<MenuKey> keys) {
    for (MenuKey k : keys) HandleMenuKey(k);
  }
  int Count(const std::string& what) const { return static_cast<int>(std::count(log.begin(), log.end(), what)); }
  std::vector<std::string> log;
};

TEST_F(MenuFocus, TheFirstKeyShowsTheFocusAndLaterOnesMoveItWithTheHoverPulseAndSound) {
  HandleMenuKey(MenuKey::Right);
  EXPECT_TRUE(ScreenFlow.hover[0]);  // CAREER
  EXPECT_EQ(Count("hover"), 1);
  EXPECT_FLOAT_EQ(MenuClocks.MenuPulse, kPulseFullSize);
  Keys({MenuKey::Right, MenuKey::Right});
  EXPECT_FALSE(ScreenFlow.hover[0]);
  EXPECT_TRUE(ScreenFlow.hover[2]);  // 2 PLAYERS
  EXPECT_EQ(Count("hover"), 3);
  Keys({MenuKey::Right, MenuKey::Right, MenuKey::Right});  // EXIT is the last: the focus stays
  EXPECT_TRUE(ScreenFlow.hover[4]);
  EXPECT_EQ(Count("hover"), 5);
  // Tab walks the click table's order (EXIT, then any second row) and wraps to the first.
  const std::vector<FocusTarget> targets = FocusTargets(GameState::MainMenu);
  for (std::size_t i = 4; i < targets.size(); ++i) HandleMenuKey(MenuKey::Next);
  EXPECT_TRUE(ScreenFlow.hover[0]);
  Keys({MenuKey::Previous});
  EXPECT_EQ(ScreenFlow.focusTarget, targets.back().id);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);  // moving never acts
}

TEST_F(MenuFocus, ThePointerTakesTheHoverBackAndTheKeysReturnToWhereTheFocusWas) {
  Keys({MenuKey::Right, MenuKey::Right});  // FIGHT
  MoveTo(590, 440);                      // the mouse over EXIT: the focus hides
  PointerUsed();
  UpdateHover();
  EXPECT_TRUE(ScreenFlow.hover[4]);
  EXPECT_FALSE(ScreenFlow.hover[1]);
  HandleMenuKey(MenuKey::Right);  // shows FIGHT again without moving on
  EXPECT_TRUE(ScreenFlow.hover[1]);
  EXPECT_FALSE(ScreenFlow.hover[4]);
}

TEST_F(MenuFocus, ActivateActsOnTheFocusAndBackOnTheScreensBack) {
  HandleMenuKey(MenuKey::Back);  // the main menu's back is the quit dialog
  EXPECT_EQ(ScreenFlow.gameState, GameState::QuitConfirm);
  HandleMenuKey(MenuKey::Activate);  // first shows the focus, on No
  EXPECT_TRUE(ScreenFlow.hover[3]);
  EXPECT_EQ(ScreenFlow.gameState, GameState::QuitConfirm);
  HandleMenuKey(MenuKey::Activate);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.QuitRequested);
  Keys({MenuKey::Back, MenuKey::Down, MenuKey::Activate});  // Yes is below No
  EXPECT_TRUE(ScreenFlow.QuitRequested);
}

TEST_F(MenuFocus, TheWholeCareerStartIsReachableByKeys) {
  Keys({MenuKey::Right, MenuKey::Activate});  // CAREER
  ASSERT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  Keys({MenuKey::Down, MenuKey::Activate});  // NEW GAME
  ASSERT_EQ(ScreenFlow.gameState, GameState::DifficultySelect);
  EXPECT_EQ(MatchState.difficulty, 2);
  HandleMenuKey(MenuKey::Down);  // the way on (NEXT) is focused first
  EXPECT_TRUE(ScreenFlow.hover[1]);
  Keys({MenuKey::Left});  // across the screen to BACK
  EXPECT_TRUE(ScreenFlow.hover[0]);
  Keys({MenuKey::Up, MenuKey::Up, MenuKey::Activate});  // NIGHTMARE is the lowest mark, then RISKILY
  EXPECT_EQ(MatchState.difficulty, 4);
  Keys({MenuKey::Up, MenuKey::Up, MenuKey::Up, MenuKey::Activate});
  EXPECT_EQ(MatchState.difficulty, 1);  // EASY
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.careerMode);
}

TEST_F(MenuFocus, TheTwoPlayerPickersAndArenaArrowsWorkByKeys) {
  Keys({MenuKey::Right, MenuKey::Right, MenuKey::Right, MenuKey::Activate});  // 2 PLAYERS
  ASSERT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  HandleMenuKey(MenuKey::Up);  // FIGHT focused first; above it fighter two's next character
  EXPECT_TRUE(ScreenFlow.hover[1]);
  HandleMenuKey(MenuKey::Up);
  EXPECT_TRUE(ScreenFlow.hover[5]);
  const int before = MatchState.character[1];
  HandleMenuKey(MenuKey::Activate);
  EXPECT_NE(MatchState.character[1], before);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  Keys({MenuKey::Left, MenuKey::Left});  // fighter two's previous, then the upper arena arrow
  EXPECT_TRUE(ScreenFlow.hover[6]);
  HandleMenuKey(MenuKey::Activate);
  EXPECT_EQ(MatchState.arena, 2);
  Keys({MenuKey::Down, MenuKey::Activate, MenuKey::Activate});  // the lower arrow, twice
  EXPECT_EQ(MatchState.arena, kHighestSelectableArena);
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
}

TEST_F(MenuFocus, OptionValuesAndMoreOptionsAreReachedChangedAndLeftByKeys) {
  Keys({MenuKey::Right, MenuKey::Right, MenuKey::Right, MenuKey::Right, MenuKey::Activate});
  ASSERT_EQ(ScreenFlow.gameState, GameState::Options);
  const int hoversBefore = Count("hover");
  Keys({MenuKey::Right, MenuKey::Up, MenuKey::Up});  // BACK shows, then up the values: depth, colour
  EXPECT_TRUE(ShowsFocus(35));  // colour depth: no hover slot, but focused and heard
  EXPECT_GT(Count("hover"), hoversBefore + 2);
  HandleMenuKey(MenuKey::Activate);
  EXPECT_EQ(Settings.colourBits, 16);
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);

  ScreenFlow.gameState = GameState::Options;
  ScreenFlow.focusTarget = 39;  // MORE
  Keys({MenuKey::Activate});
  ASSERT_EQ(ScreenFlow.gameState, GameState::MoreOptions);
  Keys({MenuKey::Down, MenuKey::Next, MenuKey::Next});  // BACK, vertical sync, rumble
  EXPECT_TRUE(ShowsFocus(kFirstMoreOptionTarget + 1));
  HandleMenuKey(MenuKey::Activate);
  EXPECT_EQ(UserOptions.rumble, 0);
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
}

TEST_F(MenuFocus, ThePauseMenuHasNoBackAndTheFightNoFocus) {
  ScreenFlow.gameState = GameState::Pause;
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Pause);
  ScreenFlow.gameState = GameState::Fight;
  ScreenFlow.focusByKeys = false;
  HandleMenuKey(MenuKey::Activate);
  EXPECT_FALSE(ScreenFlow.focusByKeys);
}

TEST_F(MenuFocus, EveryScreenWithABackListsItAmongItsTargets) {
  for (GameState state : {GameState::MainMenu, GameState::TwoPlayerSetup, GameState::QuitConfirm,
                          GameState::CareerMenu, GameState::DifficultySelect, GameState::CareerStory,
                          GameState::PreFight, GameState::Options, GameState::MoreOptions, GameState::Controls}) {
    const int back = BackRow(state);
    const auto targets = FocusTargets(state);
    EXPECT_TRUE(std::any_of(targets.begin(), targets.end(), [back](const FocusTarget& t) { return t.id == back; }))
        << static_cast<int>(state);
  }
}

}  // namespace
