#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/settings.h"
#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/menu_clocks.h"
#include "screens/prefight_slides.h"
#include "screens/screens.h"

namespace {

struct Row {
  int row;
  GameState state;
  int left, right, top, bottom;
};

// The buttons as players know them, written out here independently of the game's table.
const Row kRows[] = {
    {1, GameState::MainMenu, 29, 141, 417, 465},        {2, GameState::MainMenu, 155, 267, 417, 465},
    {3, GameState::MainMenu, 281, 393, 417, 465},       {4, GameState::MainMenu, 407, 519, 417, 465},
    {5, GameState::MainMenu, 533, 645, 417, 465},       {6, GameState::TwoPlayerSetup, 0, 115, 542, 590},
    {7, GameState::TwoPlayerSetup, 679, 800, 542, 590}, {8, GameState::TwoPlayerSetup, 0, 80, 392, 440},
    {9, GameState::TwoPlayerSetup, 152, 232, 392, 440}, {10, GameState::TwoPlayerSetup, 567, 647, 392, 440},
    {11, GameState::TwoPlayerSetup, 720, 800, 392, 440}, {12, GameState::TwoPlayerSetup, 340, 460, 372, 420},
    {13, GameState::TwoPlayerSetup, 340, 460, 422, 470}, {14, GameState::QuitConfirm, 342, 457, 352, 400},
    {15, GameState::QuitConfirm, 342, 457, 402, 450},   {16, GameState::CareerMenu, 342, 457, 252, 300},
    {17, GameState::CareerMenu, 342, 457, 302, 350},    {18, GameState::CareerMenu, 342, 457, 352, 400},
    {19, GameState::DifficultySelect, 0, 115, 542, 590}, {20, GameState::DifficultySelect, 679, 800, 542, 590},
    {21, GameState::DifficultySelect, 342, 457, 152, 200}, {22, GameState::DifficultySelect, 342, 457, 202, 250},
    {23, GameState::DifficultySelect, 342, 457, 252, 300}, {24, GameState::DifficultySelect, 342, 457, 302, 350},
    {25, GameState::DifficultySelect, 342, 457, 352, 400}, {26, GameState::CareerStory, 679, 800, 542, 590},
    {27, GameState::PreFight, 0, 115, 542, 590},        {28, GameState::PreFight, 679, 800, 542, 590},
    {29, GameState::Pause, 342, 457, 252, 300},         {30, GameState::Pause, 342, 457, 302, 350},
    {31, GameState::Pause, 342, 457, 352, 400},         {32, GameState::Options, 0, 115, 542, 590},
    {33, GameState::Options, 202, 317, 542, 590},       {34, GameState::Options, 275, 375, 110, 135},
    {35, GameState::Options, 275, 375, 145, 170},       {36, GameState::Options, 275, 375, 180, 205},
    {37, GameState::Options, 546, 646, 110, 135},       {38, GameState::Options, 546, 646, 145, 170},
};

const Row& RowNumber(int n) { return kRows[n - 1]; }

class ClickTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
  }
  void Enter(GameState state) {
    ScreenFlow.gameState = state;
    // A visible mark that tells whether the click reset the menu transition.
    MenuClocks.MenuFadeClock = 0.75f;
    ScreenFlow.hover[0] = true;
  }
  void Click(int n) {
    const Row& r = RowNumber(n);
    ClickAt((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  bool WasReset() const { return MenuClocks.MenuFadeClock == 0 && !ScreenFlow.hover[0]; }
  std::vector<std::string> log;
};

// What can be seen of the rules' records, to tell "nothing happened".
struct Snapshot {
  GameState state;
  bool career, twoPlayers, quit, changed;
  int gameMode, difficulty, arena, c0, c1;
  GameSettings settings;
  float fade;
  bool operator==(const Snapshot& o) const {
    return state == o.state && career == o.career && twoPlayers == o.twoPlayers && quit == o.quit &&
           changed == o.changed && gameMode == o.gameMode && difficulty == o.difficulty && arena == o.arena &&
           c0 == o.c0 && c1 == o.c1 && settings.width == o.settings.width &&
           settings.colourBits == o.settings.colourBits && settings.depthBits == o.settings.depthBits &&
           settings.soundOn == o.settings.soundOn && settings.musicOn == o.settings.musicOn && fade == o.fade;
  }
};

Snapshot Take() {
  return {ScreenFlow.gameState, ScreenFlow.careerMode, ScreenFlow.twoPlayerMode, ScreenFlow.QuitRequested,
          ScreenFlow.settingsChanged, MatchState.gameMode, MatchState.difficulty, MatchState.arena,
          MatchState.character[0], MatchState.character[1], Settings, MenuClocks.MenuFadeClock};
}

TEST_F(ClickTable, EveryRowActsInsideAndAPressOnAnyBoundDoesNothing) {
  for (const Row& r : kRows) {
    const int midX = (r.left + r.right) / 2;
    const int midY = (r.top + r.bottom) / 2;
    const int bounds[4][2] = {{r.left, midY}, {r.right, midY}, {midX, r.top}, {midX, r.bottom}};
    for (const auto& p : bounds) {
      ResetScreenRecords();
      log.clear();
      Enter(r.state);
      const Snapshot before = Take();
      ClickAt(p[0], p[1]);
      EXPECT_TRUE(Take() == before) << "row " << r.row << " at " << p[0] << "," << p[1];
      EXPECT_TRUE(log.empty()) << "row " << r.row << " at " << p[0] << "," << p[1];
    }
    // Just inside the corner acts.
    ResetScreenRecords();
    log.clear();
    Enter(r.state);
    MatchState.arena = 3;  // the story's skip needs an arena below 8 to leave
    const Snapshot before = Take();
    ClickAt(r.left + 1, r.top + 1);
    EXPECT_FALSE(Take() == before && log.empty()) << "row " << r.row << " did nothing";
  }
}

TEST_F(ClickTable, NoButtonActsOnAnotherScreen) {
  Enter(GameState::Fight);
  for (const Row& r : kRows) Click(r.row);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
  EXPECT_TRUE(log.empty());
}

TEST_F(ClickTable, MainMenuButtons) {
  Enter(GameState::MainMenu);
  Click(1);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  EXPECT_TRUE(ScreenFlow.careerMode);
  EXPECT_EQ(MatchState.gameMode, Career);
  EXPECT_TRUE(WasReset());
  EXPECT_EQ(log, std::vector<std::string>{"click"});

  Enter(GameState::MainMenu);
  MatchState.character[0] = 3;
  Click(3);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_TRUE(ScreenFlow.twoPlayerMode);
  EXPECT_EQ(MatchState.gameMode, TwoPlayers);
  EXPECT_EQ(MatchState.character[0], 0);
  EXPECT_EQ(MatchState.character[1], 1);
  EXPECT_EQ(MatchState.arena, 1);

  Enter(GameState::MainMenu);
  Click(4);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
  Enter(GameState::MainMenu);
  Click(5);
  EXPECT_EQ(ScreenFlow.gameState, GameState::QuitConfirm);
  EXPECT_TRUE(WasReset());

  Enter(GameState::MainMenu);
  Click(2);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_EQ(MatchState.gameMode, QuickFight);
  EXPECT_NE(MatchState.character[0], MatchState.character[1]);
  EXPECT_GE(MatchState.arena, 1);
  EXPECT_LE(MatchState.arena, 7);
}

TEST_F(ClickTable, SoundOffMakesNoClick) {
  Settings.soundOn = false;
  Enter(GameState::MainMenu);
  Click(4);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
  EXPECT_TRUE(log.empty());
}

TEST_F(ClickTable, TwoPlayerSetupArrowsKeepCharactersApartAndWrapTheArena) {
  Enter(GameState::TwoPlayerSetup);
  MatchState.character[0] = 0;
  MatchState.character[1] = 1;
  Click(9);  // fighter one next: skips fighter two's Kingpin
  EXPECT_EQ(MatchState.character[0], 2);
  Click(8);
  Click(8);  // back past Kingpin to the Boxer, then around to the Bandit
  EXPECT_EQ(MatchState.character[0], 7);
  Click(10);  // fighter two previous: from 1 to 0
  EXPECT_EQ(MatchState.character[1], 0);
  Click(10);  // wraps, skipping fighter one's 7
  EXPECT_EQ(MatchState.character[1], 6);
  Click(11);
  EXPECT_EQ(MatchState.character[1], 0);  // 7 is taken, so around to 0
  EXPECT_EQ(log.size(), 6u);

  MatchState.arena = 7;
  Click(12);
  EXPECT_EQ(MatchState.arena, 1);
  Click(13);
  EXPECT_EQ(MatchState.arena, 7);
  Click(13);
  EXPECT_EQ(MatchState.arena, 6);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_TRUE(WasReset());

  Click(7);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  Enter(GameState::TwoPlayerSetup);
  ScreenFlow.twoPlayerMode = true;
  Click(6);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.twoPlayerMode);
}

TEST_F(ClickTable, QuitDialog) {
  Enter(GameState::QuitConfirm);
  Click(14);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.QuitRequested);
  Enter(GameState::QuitConfirm);
  Click(15);
  EXPECT_TRUE(ScreenFlow.QuitRequested);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "click"}));
}

TEST_F(ClickTable, CareerMenu) {
  Enter(GameState::CareerMenu);
  Click(16);
  EXPECT_EQ(ScreenFlow.gameState, GameState::DifficultySelect);
  EXPECT_EQ(log, (std::vector<std::string>{"new career", "click"}));

  log.clear();
  Enter(GameState::CareerMenu);
  Click(17);  // nothing saved to resume
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  EXPECT_EQ(log, std::vector<std::string>{"load career"});
  EXPECT_FALSE(WasReset());

  log.clear();
  RecordScreenEffects(log, true);
  Click(17);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerStory);
  EXPECT_EQ(log, (std::vector<std::string>{"load career", "click"}));
  EXPECT_TRUE(WasReset());

  Enter(GameState::CareerMenu);
  ScreenFlow.careerMode = true;
  Click(18);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.careerMode);
}

TEST_F(ClickTable, DifficultyButtonsClickWithoutSlidingInAgain) {
  for (int level = 1; level <= 5; ++level) {
    Enter(GameState::DifficultySelect);
    log.clear();
    Click(20 + level);
    EXPECT_EQ(MatchState.difficulty, level);
    EXPECT_EQ(ScreenFlow.gameState, GameState::DifficultySelect);
    EXPECT_EQ(log, std::vector<std::string>{"click"});
    EXPECT_FALSE(WasReset());
  }
  Click(19);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);

  Enter(GameState::DifficultySelect);
  log.clear();
  Click(20);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_TRUE(ScreenFlow.careerMode);
  EXPECT_EQ(log, std::vector<std::string>{"click"});
  EXPECT_TRUE(WasReset());
}

TEST_F(ClickTable, VersusScreenBackGoesWhereTheFightCameFrom) {
  struct Case {
    bool career, twoPlayers;
    GameState back;
  };
  const Case cases[] = {{true, false, GameState::CareerMenu},
                        {false, true, GameState::TwoPlayerSetup},
                        {true, true, GameState::CareerMenu},
                        {false, false, GameState::MainMenu}};
  for (const Case& c : cases) {
    Enter(GameState::PreFight);
    ScreenFlow.careerMode = c.career;
    ScreenFlow.twoPlayerMode = c.twoPlayers;
    PreFightSlides.pictureSlide = 500;
    PreFightSlides.pictureSoundArmed = false;
    Click(27);
    EXPECT_EQ(ScreenFlow.gameState, c.back);
    EXPECT_EQ(PreFightSlides.pictureSlide, 0);
    EXPECT_TRUE(PreFightSlides.pictureSoundArmed);
  }
}

TEST_F(ClickTable, VersusScreenNextStartsTheFightInItsArena) {
  Enter(GameState::PreFight);
  MatchState.arena = 4;
  PreFightSlides.captionSlide = 300;
  Click(28);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
  EXPECT_EQ(PreFightSlides.captionSlide, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"start fight 4 in state 0", "click"}));
}

TEST_F(ClickTable, PauseContinueRestartsTheFightMusicWithoutAClick) {
  Enter(GameState::Pause);
  Click(29);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
  EXPECT_EQ(log, (std::vector<std::string>{"fight music play", "music fade"}));
  EXPECT_TRUE(WasReset());

  log.clear();
  Settings.musicOn = false;
  Enter(GameState::Pause);
  Click(29);
  EXPECT_EQ(log, std::vector<std::string>{"music fade"});
}

TEST_F(ClickTable, PauseRestartReturnsToTheVersusScreenInTheSameMode) {
  for (int mode = 0; mode < 3; ++mode) {
    Enter(GameState::Pause);
    ScreenFlow.careerMode = mode == Career;
    ScreenFlow.twoPlayerMode = mode == TwoPlayers;
    MatchState.gameMode = -1;
    MatchState.RoundClock = 3.5f;
    MatchState.arena = 5;
    log.clear();
    Click(30);
    EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
    EXPECT_EQ(MatchState.gameMode, mode);
    EXPECT_EQ(MatchState.RoundClock, 0);
    EXPECT_EQ(MatchState.arena, 5);
    EXPECT_EQ(log, (std::vector<std::string>{"end fight in state 44", "click"}));
  }
}

TEST_F(ClickTable, PauseExitSavesTheCareerAndEndsTheFightAfterTheScreenChange) {
  Enter(GameState::Pause);
  ScreenFlow.careerMode = true;
  Click(31);
  EXPECT_EQ(ScreenFlow.gameState, GameState::CareerMenu);
  EXPECT_EQ(log, (std::vector<std::string>{"leave career fight", "end fight in state 20", "click"}));

  log.clear();
  Enter(GameState::Pause);
  ScreenFlow.careerMode = false;
  ScreenFlow.twoPlayerMode = true;
  MatchState.character[0] = 4;
  MatchState.character[1] = 6;
  MatchState.arena = 3;
  Click(31);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_EQ(MatchState.character[0], 4);
  EXPECT_EQ(MatchState.character[1], 6);
  EXPECT_EQ(MatchState.arena, 3);
  EXPECT_EQ(log, (std::vector<std::string>{"end fight in state 2", "click"}));

  Enter(GameState::Pause);
  ScreenFlow.twoPlayerMode = false;
  Click(31);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
}

TEST_F(ClickTable, OptionsToggles) {
  Enter(GameState::Options);
  Click(33);
  EXPECT_TRUE(ScreenFlow.settingsChanged);
  EXPECT_EQ(log, std::vector<std::string>{"click"});

  log.clear();
  Settings.width = 640;
  Click(34);
  EXPECT_EQ(Settings.width, 800);
  EXPECT_EQ(Settings.height, 600);
  Click(34);
  EXPECT_EQ(Settings.width, 1024);
  EXPECT_EQ(Settings.height, 768);
  Click(34);  // the desktop's own size
  EXPECT_EQ(Settings.width, 0);
  EXPECT_EQ(Settings.height, 0);
  Click(34);
  EXPECT_EQ(Settings.width, 640);
  EXPECT_EQ(Settings.height, 480);
  EXPECT_EQ(log, (std::vector<std::string>{"hover", "hover", "hover", "hover"}));
  EXPECT_TRUE(WasReset());

  Click(35);
  EXPECT_EQ(Settings.colourBits, 16);
  Click(35);
  EXPECT_EQ(Settings.colourBits, 32);
  Settings.colourBits = 24;  // from a hand-edited settings file
  Click(35);
  EXPECT_EQ(Settings.colourBits, 24);

  Click(36);
  EXPECT_EQ(Settings.depthBits, 16);
  Click(36);
  EXPECT_EQ(Settings.depthBits, 24);
  Settings.depthBits = 32;
  Click(36);
  EXPECT_EQ(Settings.depthBits, 32);
  Settings.width = 1280;
  Click(34);
  EXPECT_EQ(Settings.width, 1280);

  log.clear();
  Enter(GameState::Options);
  Click(37);
  EXPECT_FALSE(Settings.soundOn);
  EXPECT_TRUE(WasReset());
  Click(35);  // no sound now
  Click(37);
  EXPECT_TRUE(Settings.soundOn);
  EXPECT_TRUE(log.empty());

  Click(38);
  EXPECT_FALSE(Settings.musicOn);
  EXPECT_EQ(log, std::vector<std::string>{"menu music rewind"});
  Click(38);
  EXPECT_TRUE(Settings.musicOn);
  EXPECT_EQ(log, (std::vector<std::string>{"menu music rewind", "menu music play", "music fade"}));

  Click(32);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
}

}  // namespace
