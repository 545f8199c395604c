#pragma once

// Helpers shared by the fight's own files; not part of the face.

#include "fight/fight.h"

class PhysicsWorld;

// The physics world of the running fight; null between fights.
PhysicsWorld* FightWorld();
void BuildFightWorld();
// The world built again from the fighters' body states, at the start of every simulated frame and
// after a restore. Does nothing while no fight world exists.
void RenewFightWorld();
// The same whether or not a world exists (a restored fight whose world was destroyed).
void BuildFightWorldFromBodies();
void DestroyFightWorld();
// Pins both bodies to z = 0 and advances the world by 0.028 × step in int(2 × step) + 3 substeps.
void StepFightWorld();

// An impulse along the fight axis on a fighter's body.
void PushFighter(int fighter, float impulseX);

inline int OpponentOf(int fighter) { return 1 - fighter; }

// Walking speed of every controller: the force that drives a walking body along the fight axis.
constexpr float kWalkSpeed = 10.5f;
// A comboTime this high closes a combo at its next combo clock (a block or a hit taken does this).
constexpr float kComboClosingTime = 1.6f;


// Fighters act (read controls, decide, take hits) only while the round is live.
inline bool RoundLive() { return MatchState.fightLive && !MatchState.roundOver; }

// Fighter two is steered by the computer outside the two-player mode.
inline bool ComputerSteers(int fighter) { return fighter == 1 && MatchState.gameMode != TwoPlayers; }

// The roster row of a fighter's character, clamped so that a stray value never reads past the table.
const CharacterStats& StatsOf(int fighter);

// The start of every controller frame: body positions, distance, listener and view direction.
void BeginControllerFrame(int fighter);

// Whether an attack of `kind` started now at MatchState.distance connects (both bounds strict).
bool AttackReaches(int kind);
// The action of the next swing of `kind` (left or right by the fighter's alternation flag, which flips).
int NextSwingAction(Fighter& fighter, int kind);

// "LEGS_STAND" on all eight models.
void StandAllModels();

// A uniform integer from 0 to n - 1 from the fight's own generator (MatchState.randomState).
int RandomBelow(int n);
void SeedFightRandom(std::uint32_t seed);
