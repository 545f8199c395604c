#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/training_session.h"
#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/screens.h"

namespace {

class TrainingMenus : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    Training = TrainingSession{};
  }
  void TearDown() override { Training = TrainingSession{}; }
  std::vector<std::string> log;
};

TEST_F(TrainingMenus, TheMainMenusTrainingPicksOnTheTwoPlayerScreenAndBackLeavesIt) {
  ScreenFlow.gameState = GameState::MainMenu;
  MatchState.character[0] = 4;
  ClickAt(211, 491);  // "TRAINING", the second row
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_TRUE(ScreenFlow.trainingMode);
  EXPECT_FALSE(ScreenFlow.twoPlayerMode);
  EXPECT_EQ(MatchState.character[0], 0);
  EXPECT_EQ(MatchState.character[1], 1);
  EXPECT_EQ(log, std::vector<std::string>{"click"});

  ClickAt(720, 566);  // FIGHT: the versus screen
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  ClickAt(57, 566);   // its BACK returns to the pick
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  ClickAt(57, 566);   // the pick's BACK leaves training
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.trainingMode);
}

TEST_F(TrainingMenus, OtherModesLeaveTraining) {
  ScreenFlow.trainingMode = true;
  ScreenFlow.gameState = GameState::MainMenu;
  ClickAt(337, 441);  // "2 PLAYERS"
  EXPECT_FALSE(ScreenFlow.trainingMode);
  EXPECT_TRUE(ScreenFlow.twoPlayerMode);
}

TEST_F(TrainingMenus, TheTrainingMenuChoosesTheDummyAndItsLevel) {
  ScreenFlow.gameState = GameState::TrainingMenu;
  ClickAt(400, 176);  // DUMMY
  EXPECT_EQ(Training.dummy, DummyMode::BlockAlways);
  EXPECT_EQ(MatchState.gameMode, TwoPlayers);
  for (int i = 0; i < 4; ++i) ClickAt(400, 176);
  EXPECT_EQ(Training.dummy, DummyMode::Computer);
  EXPECT_EQ(MatchState.gameMode, Career);
  EXPECT_EQ(MatchState.difficulty, 3);
  ClickAt(400, 226);  // LEVEL
  EXPECT_EQ(Training.computerLevel, 4);
  EXPECT_EQ(MatchState.difficulty, 4);
  ClickAt(400, 226);
  ClickAt(400, 226);
  EXPECT_EQ(Training.computerLevel, 1);
  EXPECT_EQ(ChosenComputerTemperament, 0) << "the dummy character's own at first";
  ClickAt(400, 276);  // TEMPER
  EXPECT_EQ(Training.computerTemperament, 1);
  EXPECT_EQ(ChosenComputerTemperament, 1);
  for (int i = 0; i < kComputerTemperaments; ++i) ClickAt(400, 276);
  EXPECT_EQ(Training.computerTemperament, 0) << "round the seven back to the character's own";
  ClickAt(400, 276);
  for (int i = 0; i < kDummyModeCount - 5; ++i) ClickAt(400, 176);
  EXPECT_EQ(Training.dummy, DummyMode::Stand);  // round the list
  EXPECT_EQ(MatchState.gameMode, TwoPlayers);
  EXPECT_EQ(Training.computerTemperament, 1) << "kept for the next time the computer is chosen";
  EXPECT_EQ(ChosenComputerTemperament, 0) << "only the computer dummy's";
  EXPECT_EQ(ScreenFlow.gameState, GameState::TrainingMenu);
}

TEST_F(TrainingMenus, ContinueReturnsToTheFightAndExitToThePick) {
  ScreenFlow.trainingMode = true;
  ScreenFlow.gameState = GameState::TrainingMenu;
  ClickAt(400, 126);  // CONTINUE
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
  EXPECT_EQ(log, (std::vector<std::string>{"fight music play", "music fade"}));

  log.clear();
  ScreenFlow.gameState = GameState::TrainingMenu;
  ClickAt(400, 376);  // EXIT
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  EXPECT_EQ(log, (std::vector<std::string>{"end fight in state 2", "click"}));
}

}  // namespace
