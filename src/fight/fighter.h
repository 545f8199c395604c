#pragma once

#include <cstdint>

#include "fight/fight_vector.h"
#include "physics/physics.h"

// What a fighter is doing now; each value has its own animation.
enum FighterAction : int {
  Stand = 0,
  StepForward = 1,
  StepBack = 2,
  HeadLeft = 3,
  HeadRight = 4,
  TorsoLeft = 5,
  TorsoRight = 6,
  KickLeft = 7,
  KickRight = 8,
  Pain = 9,
  Death = 10,
  Block = 11,
  Win = 12,
};

// The three attacks; kNoAttackKind marks "no kind" where a last kind is remembered.
enum AttackKind : int {
  HandToHead = 1,
  HandToBody = 2,
  LegToBody = 3,
};
constexpr int kNoAttackKind = 15;

// One fighter's body and motion, and (fighter two only) the computer's decision state.
// Lives for the whole run; the bodies are rebuilt at every StartFight.
struct Fighter {
  FightVector position;     // copy of the body's centre, refreshed by the fighter's controller
  FightVector viewDir;      // (1, 0, 0) for both fighters
  FightVector forwardDir;   // viewDir without y: the walking axis
  FightVector walkVelocity; // what the legs aim for: ±10.5 × forwardDir or zero
  FightVector velocity;     // copy of the body's linear velocity
  FightVector drive;        // the force handed to the body this frame
  PhysicsBody body = kNoPhysicsBody;
  PhysicsBodyState bodyState;  // the body between frames: each frame's world is built from it
  int shownAction = Stand;  // the action whose animation was last started (drawing code)
  int action = Stand;
  bool nextLeftHead = false;   // never reset: alternation carries over rounds and fights
  bool nextLeftTorso = false;
  bool nextLeftKick = false;
  bool walking = false;        // switches the footstep loop
  float speed = 0.0f;          // length of velocity
  std::uint8_t strikeLatch = 0;  // FighterCommand bits of strikes acted on; cleared when released

  // Computer opponent (fighter two). Modes and nextAttackKind are set by ResetOpponent, canBlock by
  // ResetRound; everything else keeps its value from fight to fight.
  bool waitMode = false;
  bool retreatMode = false;
  bool pressMode = false;
  float retreatTime = 0.0f;
  float waitTime = 0.0f;
  float pressTime = 0.0f;
  float attackCooldown = 0.0f;
  float blockCooldown = 0.0f;
  int burstCount = 0;
  bool attackReady = false;
  int canBlock = 0;
  float blockRecovery = 0.0f;
  int nextAttackKind = HandToHead;
  int temperament = 0;
  int burstLength = 0;
  float blockTime = 0.0f;
};

// One fighter's combat state. Most of it is reset by ResetRound; roundsLost by EndFight; the combo
// display by EndFight; `blocking` and a running combo survive ResetRound.
struct FighterStatus {
  bool hitPending = false;  // the opponent's attack connected and lands at its mid-swing
  bool attacking = false;
  bool inPain = false;
  float attackTime = 0.0f;
  bool blocking = false;
  float life = 100.0f;      // knocked out below 0
  float painTime = 0.0f;
  FightVector bodyPosition; // read at the start of every controller frame and by the camera
  int roundsLost = 0;
  bool winPending = false;  // the opponent is down; Win starts 0.35 s into the knock-out
  bool wonRound = false;    // read by the announcements
  bool tired = false;       // no attacks until tiredness falls below 50
  float tiredness = 0.0f;
  int attackKind = kNoAttackKind;
  float comboTime = 0.0f;
  bool comboActive = false;
  int comboHits = 0;
  int comboLevel = 1;       // 1 none, 2 COMBO, 3 SUPER COMBO, 4 ULTRA COMBO
  bool comboShown = false;  // the HUD shows the title while set
  float comboShowTime = 0.0f;
  int lastComboKind = kNoAttackKind;
};

extern Fighter Fighters[2];             // index 0 fighter one (left, keyboard), 1 fighter two
extern FighterStatus FighterStatuses[2];
