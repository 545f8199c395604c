#pragma once

// The integer that selects the current screen. The values are fixed: other parts of the game test them.
enum class GameState : int {
  Fight = 0,
  MainMenu = 1,
  TwoPlayerSetup = 2,
  Pause = 4,
  Options = 5,
  MoreOptions = 6,  // the options beyond menu.inf
  Controls = 7,     // the key and pad bindings
  CareerMenu = 20,
  DifficultySelect = 21,
  PreFight = 44,  // the versus screen before every fight
  CareerStory = 77,
  QuitConfirm = 90,
  OnlineMenu = 100,     // HOST / JOIN
  OnlineJoin = 101,     // the address typed by keyboard
  OnlineWaiting = 102,  // waiting for a player or the host, and why a connection ended
  OnlineSetup = 103,    // each player picks their own fighter, the host the arena
  TrainingMenu = 110,  // the training's pause-style menu: the dummy's mode, its level, reset
};

// The screen flow record. Lives for the whole run; start values as below.
struct ScreenFlowState {
  GameState gameState = GameState::Fight;  // set to MainMenu by SetInitialScreen during renderer start-up
  bool careerMode = false;
  bool twoPlayerMode = false;
  bool trainingMode = false;  // the two-player screen picks a training fight
  bool hover[8] = {};  // one per button slot of the current screen
  int PointerX = 0;    // pointer in menu units (800 × 600), x from the left
  int PointerY = 0;    // y from the TOP
  bool settingsChanged = false;  // APPLY was pressed during this run
  bool QuitRequested = false;    // "Yes" in the quit dialog; ends the main loop
  // The keyboard and pad focus: a button row (menu_buttons.h) or a focus target of menu_focus.h;
  // shown instead of the pointer's hover while focusByKeys (the last device used was not the mouse).
  int focusTarget = 0;
  bool focusByKeys = false;
  int focusHeard = 0;  // the target whose hover sound was played last, for targets without a hover slot
  unsigned nextFightSeed = 1;    // the seed the versus screen's NEXT starts the fight with
};

extern ScreenFlowState ScreenFlow;
