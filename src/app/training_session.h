#pragma once

#include <cstdint>
#include <vector>

#include "fight/fight_snapshot.h"
#include "fight/fighter_command.h"

// Training: fighter one against a dummy that does what the player chose, on the match's own rules.
// The dummy is fighter two of a two-player fight fed with a command made here, or the computer of
// a career fight at the chosen level. Knock-outs are suspended and life refilled here, so rounds
// never end. No GL, AL or SDL.

enum class DummyMode : int {
  Stand = 0,
  BlockAlways,
  BlockAfterFirstHit,  // blocks from a hit taken until a second passes without one
  WalkForward,
  WalkBack,
  Computer,            // the computer's fighter at Training.computerLevel and computerTemperament
  Record,              // the player's command drives the dummy and is recorded, up to 10 s of fight time
  PlayOnce,            // the recording, then standing
  PlayLoop,            // the recording again and again
};
constexpr int kDummyModeCount = 9;
const char* DummyModeName(DummyMode mode);  // as the training menu shows it

enum class LifeRefill : int {
  BelowZero = 0,   // the moment life falls below 0
  AfterCombo = 1,  // also a second after the last blow, once a combo is over
};

// A recording holds the dummy's command of every fight tick (simulated frame) it ran, each with the
// fight time the tick took. Its length is fight time: it ends once kRecordingSeconds have been
// fought, and it plays back by fight time, so it lasts as long in the fight whatever the frame rates
// it was made and is played at. Played at the step it was made at, it gives the very same ticks.
constexpr float kRecordingSeconds = 10.0f;
struct RecordedTick {
  FighterCommand command;
  float endSeconds = 0.0f;  // fight time from the recording's start to this tick's end
};

// Temperaments the computer dummy can be given; 0 leaves the dummy character's own.
constexpr int kComputerTemperaments = 7;

// What the frame-data overlay shows beside the rules' figures: fighter one's last blow on the dummy.
struct TrainingReadout {
  int lastStrikeKind = 0;  // HandToHead..LegToBody, 0 before the first blow
  float lastDamage = 0.0f;
  bool lastBlocked = false;
  int comboHits = 0;
  float comboDamage = 0.0f;
};

struct TrainingSetup {
  int characters[2] = {0, 1};
  int arena = 1;
  std::uint32_t seed = 1;
};

struct TrainingSession {
  bool active = false;
  DummyMode dummy = DummyMode::Stand;
  LifeRefill refill = LifeRefill::BelowZero;
  int computerLevel = 3;  // 1 EASY .. 5 NIGHTMARE
  int computerTemperament = 0;  // 0: the dummy character's own; 1 calmest .. 7 fiercest
  FightSnapshot resetPoint{};
  std::vector<RecordedTick> recording;
  float playSeconds = 0.0f;  // fight time played of the recording
  std::size_t playTick = 0;  // the recorded tick that fight time falls in
  float blockSeconds = 0.0f;    // BlockAfterFirstHit: how much longer the dummy keeps blocking
  float unhurtSeconds[2] = {};  // since each fighter last lost life
  TrainingReadout readout;
};
extern TrainingSession Training;

// Starts the fight (the screens have set GameState), skips the round's intro and keeps the start
// as the reset point.
void StartTraining(const TrainingSetup& setup);
// One frame: `player` is what fighter one's player holds (the dummy's own while recording).
void TrainingTick(FighterCommand player, float step, bool simulate);
// The dummy's command in a fight tick of `step` for the current mode; advances a recording being played.
FighterCommand DummyCommand(FighterCommand player, float step);
// The fight time the recording holds.
float RecordedSeconds();
void SetDummyMode(DummyMode mode);
// Both fighters back at the reset point at once: a restored state, not a new fight.
void ResetTraining();
void SaveTrainingResetPoint();
// Puts the rules back to a match's (knock-outs on) and ends the fight.
void EndTraining(bool toMenus);
