#include "screens/menu_buttons.h"

#include "screens/controls_rules.h"

namespace {
constexpr GameState kMain = GameState::MainMenu;
constexpr GameState kTwo = GameState::TwoPlayerSetup;
constexpr GameState kQuit = GameState::QuitConfirm;
constexpr GameState kCareer = GameState::CareerMenu;
constexpr GameState kLevel = GameState::DifficultySelect;
constexpr GameState kStory = GameState::CareerStory;
constexpr GameState kVersus = GameState::PreFight;
constexpr GameState kPause = GameState::Pause;
constexpr GameState kOptions = GameState::Options;
constexpr GameState kMore = GameState::MoreOptions;
constexpr GameState kOnline = GameState::OnlineMenu;
constexpr GameState kJoin = GameState::OnlineJoin;
constexpr GameState kWaiting = GameState::OnlineWaiting;
constexpr GameState kSetup = GameState::OnlineSetup;
constexpr GameState kControls = GameState::Controls;

// A binding row of the controls screen: the whole line of one fighter's action.
constexpr PointerRect BindingRect(int fighter, int input) {
  const int baselineFromTop = 600 - (kFirstBindingBaseline - kBindingSpacing * input);
  const int left = fighter == 0 ? kBindingColumnOne : kBindingColumnTwo;
  return PointerRect{left - 5, left + 365, baselineFromTop - 20, baselineFromTop + 5};
}
constexpr GameState kTraining = GameState::TrainingMenu;
}  // namespace

// In the order HandleClick tests them. Some rectangles differ a little from the drawn buttons; they
// are kept as they are because that is where players have always clicked.
const MenuButtonRow MenuButtons[kMenuButtonRows] = {
    {1, kMain, {29, 141, 417, 465}, 0},     // " CAREER"
    {2, kMain, {155, 267, 417, 465}, 1},    // "  FIGHT"
    {3, kMain, {281, 393, 417, 465}, 2},    // "2 PLAYERS"
    {4, kMain, {407, 519, 417, 465}, 3},    // "  OPTIONS"
    {5, kMain, {533, 645, 417, 465}, 4},    // "   EXIT"
    {6, kTwo, {0, 115, 542, 590}, 0},       // "  BACK"
    {7, kTwo, {679, 800, 542, 590}, 1},     // "  FIGHT"
    {8, kTwo, {0, 80, 392, 440}, 2},        // fighter one: previous character
    {9, kTwo, {152, 232, 392, 440}, 3},     // fighter one: next character
    {10, kTwo, {567, 647, 392, 440}, 4},    // fighter two: previous character
    {11, kTwo, {720, 800, 392, 440}, 5},    // fighter two: next character
    {12, kTwo, {340, 460, 372, 420}, 6},    // upper arena arrow: next arena
    {13, kTwo, {340, 460, 422, 470}, 7},    // lower arena arrow: previous arena
    {14, kQuit, {342, 457, 352, 400}, 3},   // "No"
    {15, kQuit, {342, 457, 402, 450}, 4},   // "Yes"
    {16, kCareer, {342, 457, 252, 300}, 0}, // "  NEW GAME"
    {17, kCareer, {342, 457, 302, 350}, 1}, // " LOAD GAME"
    {18, kCareer, {342, 457, 352, 400}, 2}, // "  BACK"
    {19, kLevel, {0, 115, 542, 590}, 0},    // "  BACK"
    {20, kLevel, {679, 800, 542, 590}, 1},  // "  NEXT"
    {21, kLevel, {342, 457, 152, 200}, 2},  // "  EASY"
    {22, kLevel, {342, 457, 202, 250}, 3},  // "  NORMAL"
    {23, kLevel, {342, 457, 252, 300}, 4},  // "   HARD"
    {24, kLevel, {342, 457, 302, 350}, 5},  // "  RISKILY"
    {25, kLevel, {342, 457, 352, 400}, 6},  // "NIGHTMARE"
    {26, kStory, {679, 800, 542, 590}, 0},  // skip
    {27, kVersus, {0, 115, 542, 590}, 0},   // "  BACK"
    {28, kVersus, {679, 800, 542, 590}, 1}, // " NEXT"
    {29, kPause, {342, 457, 252, 300}, 0},  // "CONTINUE"
    {30, kPause, {342, 457, 302, 350}, 1},  // " RESTART"
    {31, kPause, {342, 457, 352, 400}, 3},  // "  EXIT"
    {32, kOptions, {0, 115, 542, 590}, 0},  // "  BACK"
    {33, kOptions, {202, 317, 542, 590}, 1},// "  APPLY"
    {34, kOptions, {275, 375, 110, 135}, -1},  // resolution value
    {35, kOptions, {275, 375, 145, 170}, -1},  // colour depth value
    {36, kOptions, {275, 375, 180, 205}, -1},  // depth buffer value
    {37, kOptions, {546, 646, 110, 135}, -1},  // sound value
    {38, kOptions, {546, 646, 145, 170}, -1},  // music value
    {39, kOptions, {404, 519, 542, 590}, 2},// "  MORE"
    {40, kMore, {0, 115, 542, 590}, 0},     // "  BACK"
    {41, kMain, {407, 519, 467, 515}, 7},   // "  REPLAY", the second row
    {45, kOptions, {606, 721, 542, 590}, 3},// " CONTROLS"
    {46, kControls, {0, 115, 542, 590}, 0}, // "  BACK"
    {47, kControls, {202, 317, 542, 590}, 1},// " DEFAULTS"
    {48, kControls, {510, 700, 360, 385}, -1},  // which fighter a lone pad plays
    {49, kControls, BindingRect(0, 0), -1},
    {50, kControls, BindingRect(0, 1), -1},
    {51, kControls, BindingRect(0, 2), -1},
    {52, kControls, BindingRect(0, 3), -1},
    {53, kControls, BindingRect(0, 4), -1},
    {54, kControls, BindingRect(0, 5), -1},
    {55, kControls, BindingRect(1, 0), -1},
    {56, kControls, BindingRect(1, 1), -1},
    {57, kControls, BindingRect(1, 2), -1},
    {58, kControls, BindingRect(1, 3), -1},
    {59, kControls, BindingRect(1, 4), -1},
    {60, kControls, BindingRect(1, 5), -1},
    {75, kMain, {281, 393, 467, 515}, 6},   // "  ONLINE", the second row
    {76, kOnline, {342, 457, 252, 300}, 0}, // "   HOST"
    {77, kOnline, {342, 457, 302, 350}, 1}, // "   JOIN"
    {78, kOnline, {342, 457, 352, 400}, 2}, // "  BACK"
    {79, kJoin, {0, 115, 542, 590}, 0},     // "  BACK"
    {80, kJoin, {679, 800, 542, 590}, 1},   // " CONNECT"
    {81, kWaiting, {0, 115, 542, 590}, 0},  // "  BACK": stops waiting, closes the connection
    {82, kSetup, {0, 115, 542, 590}, 0},    // "  BACK": leaves, the other player is told
    {83, kSetup, {679, 800, 542, 590}, 1},  // "  FIGHT": this player is ready
    {84, kSetup, {0, 80, 392, 440}, 2},     // fighter one (the host's): previous character
    {85, kSetup, {152, 232, 392, 440}, 3},  // fighter one: next character
    {86, kSetup, {567, 647, 392, 440}, 4},  // fighter two (the joiner's): previous character
    {87, kSetup, {720, 800, 392, 440}, 5},  // fighter two: next character
    {88, kSetup, {340, 460, 372, 420}, 6},  // the host's arena: next
    {89, kSetup, {340, 460, 422, 470}, 7},  // the host's arena: previous
    {95, kMain, {155, 267, 467, 515}, 5},   // "  TRAINING", the second row
    {96, kTraining, {342, 457, 102, 150}, 0},  // "CONTINUE"
    {97, kTraining, {342, 457, 152, 200}, 1},  // "  DUMMY": the next mode
    {98, kTraining, {342, 457, 202, 250}, 2},  // "  LEVEL": the computer dummy's next level
    {101, kTraining, {342, 457, 252, 300}, 5}, // " TEMPER": the computer dummy's next temperament
    {99, kTraining, {342, 457, 302, 350}, 3},  // "  RESET"
    {100, kTraining, {342, 457, 352, 400}, 4}, // "  EXIT"
};

const MenuButtonRow* ButtonUnderPointer(GameState state, int x, int y) {
  for (const MenuButtonRow& b : MenuButtons) {
    if (b.state == state && PointerInside(b.rect, x, y)) return &b;
  }
  return nullptr;
}
