#include <cstdlib>

#include "app/input_state.h"
#include "app/settings.h"
#include "app/training_session.h"
#include "fight/fight.h"
#include "screens/career_story_rules.h"
#include "screens/character_pick.h"
#include "screens/controls_rules.h"
#include "screens/menu_buttons.h"
#include "screens/more_option_rows.h"
#include "screens/online_screen_rules.h"
#include "screens/screen_effects.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

namespace {

void ClickAndReset() {
  PlayMenuClick();
  ResetMenuTransition();
}

void GoTo(GameState state) {
  ScreenFlow.gameState = state;
  ClickAndReset();
}

// The screen a fight was started from, for leaving the versus screen or the pause menu.
GameState HomeScreen() {
  if (ScreenFlow.careerMode) return GameState::CareerMenu;
  if (ScreenFlow.twoPlayerMode || ScreenFlow.trainingMode) return GameState::TwoPlayerSetup;
  return GameState::MainMenu;
}

void NextResolution() {
  GameSettings& s = Settings;
  switch (s.width) {
    case 640: s.width = 800, s.height = 600; break;
    case 800: s.width = 1024, s.height = 768; break;
    case 1024: s.width = 0, s.height = 0; break;  // the desktop's size
    case 0: s.width = 640, s.height = 480; break;
    default: break;  // a size from a hand-edited file stays until a listed one is chosen
  }
}

// Flips between the two listed values; any other value is left as it is.
void Toggle(int& value, int a, int b) {
  if (value == a) {
    value = b;
  } else if (value == b) {
    value = a;
  }
}

void PlayHoverForOption() {
  if (Settings.soundOn) RunEffect(ScreenEffects.menuHover);
}

void ToggleMusic() {
  if (Settings.musicOn) {
    Settings.musicOn = false;
    RunEffect(ScreenEffects.menuMusicRewind);
  } else {
    Settings.musicOn = true;
    RunEffect(ScreenEffects.menuMusicPlay);
    RunEffect(ScreenEffects.restartMusicFade);
  }
}

void ChooseDifficulty(int level) {
  MatchState.difficulty = level;
  PlayMenuClick();  // the marks move at once; the screen does not slide in again
}

void LoadGame() {
  // A career with no won match cannot be resumed: then nothing sounds and the screen stays.
  // Resuming loads the story of the saved opponent's arena and starts its monologue.
  if (!ScreenEffects.loadCareer || !ScreenEffects.loadCareer()) return;
  ScreenFlow.careerMode = true;
  GoTo(GameState::CareerStory);
}

void WatchLastReplay() {
  // Nothing recorded yet (or a replay that cannot be played): nothing sounds and the menu stays.
  if (!ScreenEffects.watchLastReplay || !ScreenEffects.watchLastReplay()) return;
  ClickAndReset();
}

void StartFightFromVersus() {
  ScreenFlow.gameState = GameState::Fight;
  ResetPreFightSlides();
  RunEffect(ScreenEffects.startFight, MatchState.arena);
  // The next fight (a restart, the next opponent) draws anew, from the menus' generator.
  ScreenFlow.nextFightSeed = static_cast<unsigned>(std::rand());
  ClickAndReset();
}

void ContinueFight() {
  ScreenFlow.gameState = GameState::Fight;
  if (Settings.musicOn) RunEffect(ScreenEffects.fightMusicPlay);
  RunEffect(ScreenEffects.restartMusicFade);
  ResetMenuTransition();
}

void RestartFight() {
  ScreenFlow.gameState = GameState::PreFight;
  RunEffect(ScreenEffects.endFight);
  MatchState.RoundClock = 0;
  if (ScreenFlow.twoPlayerMode) {
    MatchState.gameMode = GameMode::TwoPlayers;
  } else if (ScreenFlow.careerMode) {
    MatchState.gameMode = GameMode::Career;
  } else {
    MatchState.gameMode = GameMode::QuickFight;
  }
  ClickAndReset();
}

void ExitFight() {
  // The state changes before EndFight, which then asks for the menu music.
  ScreenFlow.gameState = HomeScreen();
  if (ScreenFlow.careerMode) RunEffect(ScreenEffects.leaveCareerFight);
  RunEffect(ScreenEffects.endFight);
  ClickAndReset();
}

void JoinTypedAddress() {
  if (OnlineScreen.address.empty()) return;  // nothing typed: nothing to join
  RunEffect(ScreenEffects.joinOnline, OnlineScreen.address);
  GoTo(GameState::OnlineWaiting);
}

// FIGHT on the online set-up, NEXT on its versus screen: the other player is told; the app moves
// on once both pressed.
void ReadyForOnlineFight() {
  if (OnlineScreen.localReady) return;
  OnlineScreen.localReady = true;
  RunEffect(ScreenEffects.onlineSetupChanged);
  ClickAndReset();
}

// A pick on the online set-up: only this player's own fighter, the arena only for the host,
// nothing once FIGHT was pressed.
void OnlinePick(int row) {
  OnlineScreenState& online = OnlineScreen;
  if (online.localReady) return;
  int* character = MatchState.character;
  const int fighter = row < 86 ? 0 : 1;
  if (row <= 87) {
    if (fighter != online.localSide) return;
    const bool previous = row == 84 || row == 86;
    character[fighter] = previous ? PickPrevious(character[fighter], character[1 - fighter])
                                  : PickNext(character[fighter], character[1 - fighter]);
  } else {
    if (online.localSide != 0) return;
    if (row == 88 && ++MatchState.arena > kHighestSelectableArena) MatchState.arena = 1;
    if (row == 89 && --MatchState.arena < 1) MatchState.arena = kHighestSelectableArena;
  }
  RunEffect(ScreenEffects.onlineSetupChanged);
  ClickAndReset();
}

void StartTrainingSetup() {
  ScreenFlow.trainingMode = true;
  ScreenFlow.twoPlayerMode = false;
  ScreenFlow.careerMode = false;
  MatchState.gameMode = GameMode::TwoPlayers;
  MatchState.character[0] = 0;
  MatchState.character[1] = 1;
  MatchState.arena = 1;
  GoTo(GameState::TwoPlayerSetup);
}

void NextDummyMode() {
  SetDummyMode(static_cast<DummyMode>((static_cast<int>(Training.dummy) + 1) % kDummyModeCount));
  ClickAndReset();
}

void NextComputerLevel() {
  Training.computerLevel = Training.computerLevel % 5 + 1;
  if (Training.dummy == DummyMode::Computer) SetDummyMode(DummyMode::Computer);
  ClickAndReset();
}

void NextComputerTemperament() {
  Training.computerTemperament = (Training.computerTemperament + 1) % (kComputerTemperaments + 1);
  if (Training.dummy == DummyMode::Computer) SetDummyMode(DummyMode::Computer);
  ClickAndReset();
}

void ResetAndContinue() {
  ResetTraining();
  PlayMenuClick();
  ContinueFight();
}

}  // namespace

void ActOnButton(int row) {
  int* character = MatchState.character;
  switch (row) {
    case 1:
      ScreenFlow.trainingMode = false;
      ScreenFlow.careerMode = true;
      MatchState.gameMode = GameMode::Career;
      return GoTo(GameState::CareerMenu);
    case 2:
      ScreenFlow.trainingMode = false;
      DrawQuickFight(ScreenEffects.clockSeconds());
      return GoTo(GameState::PreFight);
    case 3:
      ScreenFlow.trainingMode = false;
      ScreenFlow.twoPlayerMode = true;
      MatchState.gameMode = GameMode::TwoPlayers;
      character[0] = 0;
      character[1] = 1;
      MatchState.arena = 1;
      return GoTo(GameState::TwoPlayerSetup);
    case 4: return GoTo(GameState::Options);
    case 5: return GoTo(GameState::QuitConfirm);
    case 6:
      ScreenFlow.twoPlayerMode = false;
      ScreenFlow.trainingMode = false;
      return GoTo(GameState::MainMenu);
    case 7: return GoTo(GameState::PreFight);
    case 8: character[0] = PickPrevious(character[0], character[1]); return ClickAndReset();
    case 9: character[0] = PickNext(character[0], character[1]); return ClickAndReset();
    case 10: character[1] = PickPrevious(character[1], character[0]); return ClickAndReset();
    case 11: character[1] = PickNext(character[1], character[0]); return ClickAndReset();
    case 12:
      if (++MatchState.arena > kHighestSelectableArena) MatchState.arena = 1;
      return ClickAndReset();
    case 13:
      if (--MatchState.arena < 1) MatchState.arena = kHighestSelectableArena;
      return ClickAndReset();
    case 14: return GoTo(GameState::MainMenu);
    case 15:
      ScreenFlow.QuitRequested = true;
      return ClickAndReset();
    case 16:
      RunEffect(ScreenEffects.newCareer);  // difficulty NORMAL preselected
      ScreenFlow.careerMode = true;
      return GoTo(GameState::DifficultySelect);
    case 17: return LoadGame();
    case 18:
      ScreenFlow.careerMode = false;
      return GoTo(GameState::MainMenu);
    case 19: return GoTo(GameState::CareerMenu);
    case 20:
      ResetMenuTransition();
      ScreenFlow.careerMode = true;
      return GoTo(GameState::PreFight);
    case 21: return ChooseDifficulty(1);
    case 22: return ChooseDifficulty(2);
    case 23: return ChooseDifficulty(3);
    case 24: return ChooseDifficulty(4);
    case 25: return ChooseDifficulty(5);
    case 26:
      LeaveCareerStory(StoryExit::Skip);
      return ClickAndReset();
    case 27:
      ResetPreFightSlides();
      if (OnlineScreen.versus) {
        RunEffect(ScreenEffects.leaveOnline);
        return GoTo(GameState::OnlineMenu);
      }
      return GoTo(HomeScreen());
    case 28:
      if (OnlineScreen.versus) return ReadyForOnlineFight();
      return StartFightFromVersus();
    case 29: return ContinueFight();
    case 30: return RestartFight();
    case 31: return ExitFight();
    case 32: return GoTo(GameState::MainMenu);
    case 33:
      ScreenFlow.settingsChanged = true;
      return ClickAndReset();
    case 34:
      PlayHoverForOption();
      ResetMenuTransition();
      return NextResolution();
    case 35:
      PlayHoverForOption();
      ResetMenuTransition();
      return Toggle(Settings.colourBits, 16, 32);
    case 36:
      PlayHoverForOption();
      ResetMenuTransition();
      return Toggle(Settings.depthBits, 16, 24);
    case 37:
      ResetMenuTransition();
      Settings.soundOn = !Settings.soundOn;
      return;
    case 38:
      ResetMenuTransition();
      return ToggleMusic();
    case 39: return GoTo(GameState::MoreOptions);
    case 40: return GoTo(GameState::Options);
    case 41: return WatchLastReplay();
    case 75: return GoTo(GameState::OnlineMenu);
    case 76:
      RunEffect(ScreenEffects.hostOnline);
      return GoTo(GameState::OnlineWaiting);
    case 77: return GoTo(GameState::OnlineJoin);
    case 78: return GoTo(GameState::MainMenu);
    case 79: return GoTo(GameState::OnlineMenu);
    case 80: return JoinTypedAddress();
    case 81:
    case 82:
      RunEffect(ScreenEffects.leaveOnline);
      return GoTo(GameState::OnlineMenu);
    case 83: return ReadyForOnlineFight();
    case 84:
    case 85:
    case 86:
    case 87:
    case 88:
    case 89: return OnlinePick(row);
    case 95: return StartTrainingSetup();
    case 96: return ContinueFight();
    case 97: return NextDummyMode();
    case 98: return NextComputerLevel();
    case 99: return ResetAndContinue();
    case 100: return ExitFight();
    case 101: return NextComputerTemperament();
    case kControlsButtonRow:
      EnterControlsScreen();
      return GoTo(GameState::Controls);
    case kControlsBackRow: return GoTo(GameState::Options);
    case kControlsDefaultsRow: return RestoreDefaultBindings();
    case kSinglePadRow: return ToggleSinglePad();
    default:
      if (row >= kFirstBindingRow && row <= kLastBindingRow) ChooseBinding(row);
      return;
  }
}

void DrawQuickFight(unsigned seed) {
  std::srand(seed);
  ScreenFlow.nextFightSeed = seed;
  MatchState.arena = std::rand() % kHighestSelectableArena + 1;
  MatchState.gameMode = GameMode::QuickFight;
  int* character = MatchState.character;
  character[0] = character[1] = 0;
  while (character[0] == character[1]) {
    character[0] = std::rand() % (kHighestRosterIndex + 1);
    character[1] = std::rand() % (kHighestRosterIndex + 1);
  }
}

void HandleOnlineKey(int virtualKey, bool shift) {
  if (ScreenFlow.gameState != GameState::OnlineJoin) return;
  if (virtualKey == VirtualKey::Return) return JoinTypedAddress();
  if (TypeAddressKey(virtualKey, shift) && Settings.soundOn) RunEffect(ScreenEffects.menuHover);
}

void ChooseMoreOption(int index) {
  PlayHoverForOption();
  ResetMenuTransition();
  MoreOptionAt(index).choose();
}

void HandleClick() {
  if (ScreenFlow.gameState == GameState::MoreOptions) {
    if (const int index = MoreOptionIndexUnderPointer(ScreenFlow.PointerX, ScreenFlow.PointerY); index >= 0) {
      return ChooseMoreOption(index);
    }
  }
  const MenuButtonRow* button = ButtonUnderPointer(ScreenFlow.gameState, ScreenFlow.PointerX, ScreenFlow.PointerY);
  if (button) ActOnButton(button->row);
}
