#include "screens/screen_rules.h"
#include "screens/screens.h"

void ApplyMatchOutcome(const MatchOutcome& outcome) {
  if (!outcome.finished) return;
  if (ScreenFlow.careerMode) {
    ScreenFlow.gameState = GameState::PreFight;  // next opponent, or the same one again
    // A completed career shows the closing story of arena 8.
    if (outcome.winner == 0 && WinCareerMatch()) ScreenFlow.gameState = GameState::CareerStory;
  } else if (ScreenFlow.twoPlayerMode) {
    ScreenFlow.gameState = GameState::TwoPlayerSetup;
    ScreenFlow.twoPlayerMode = false;
    MatchState.character[0] = 0;
    MatchState.character[1] = 1;
  } else {
    ScreenFlow.gameState = GameState::MainMenu;
    MatchState.arena = 1;
  }
  CloseFinishedMatch();
}
