#pragma once

#include <cstdint>

enum GameMode : int {
  QuickFight = 0,
  Career = 1,
  TwoPlayers = 2,
};

// The match-wide fight state. Lives for the whole run; the round fields are set by StartFight, the
// round logic and EndFight, the selections (mode, difficulty, arena, characters) by the screens.
struct MatchRecord {
  int gameMode = QuickFight;
  int difficulty = 2;      // 1 EASY .. 5 NIGHTMARE
  int arena = 1;           // 1..7 for fights; 8 only marks a finished career
  int character[2] = {0, 1};  // roster rows of fighter one and two; character[1] is the career's opponent
  std::uint32_t seed = 1;  // the running fight's seed (StartFight): its track and every decision follow from it
  float distance = 0.0f;   // between the bodies in the x-z plane
  float RoundClock = 0.0f; // intro and knock-out clock, seconds
  bool introActive = true;
  bool knockoutActive = false;
  bool roundOver = false;  // set at the knock-out: nobody acts until the next round
  bool fightLive = false;  // set by the intro when the fighters may act
  bool matchOver = false;
  int roundNumber = 0;     // 1..3 during a fight
  int winnerCharacter = 0; // roster row of the last round's winner
  bool attackSignal = false;  // fighter one started a connecting attack; the computer reads and clears it
  std::uint32_t randomState = 1;  // the fight's own generator, seeded by StartFight
};

extern MatchRecord MatchState;

// A career fight's first RoundClock: the fight monologue plays for eight seconds before the count-in.
constexpr float kCareerFirstIntro = -8.0f;

// The career's progress between fights and runs. Zero at program start.
struct CareerRecord {
  int careerProgress = 0;       // matches won, 0..7
  int pendingSave[3] = {0, 0, 0};  // progress, opponent, difficulty to write at exit; opponent 0 = nothing
  int fileSave[3] = {0, 0, 0};     // the values last read from fight.inf
};

extern CareerRecord CareerState;
