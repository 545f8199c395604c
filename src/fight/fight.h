#pragma once

// The fight: what the frame loop, the screens, the HUD, the camera and the drawing may call.
// Records: fighter.h (Fighter, FighterStatus), match_state.h (MatchState, CareerState), roster.h.
// Side effects in other subsystems go through FightHooks (fight_hooks.h).

#include "fight/fight_hooks.h"
#include "fight/fighter.h"
#include "fight/match_state.h"
#include "fight/roster.h"

// --- Fight set-up and the frame ---

// Fighter one's start position (-3, 0, 0) and the common view direction (1, 0, 0): what the
// versus screen's NEXT sets before StartFight.
void PrepareFightStart();
// Loads the arena, resets the round and the opponent, builds the bodies, starts the music and the
// first round's intro. Called with GameState already Fight.
void StartFight(int arena);
// Everything a new round starts from (life, clocks, pain, tiredness); keeps `blocking` and a running combo.
void ResetRound();
// One simulation frame: fighter one's controls, fighter two's (keyboard or computer), the physics step.
// Only in frames whose step is below 5.
void FightUpdate();
// Destroys the bodies, the arena meshes and the fight music and puts the match back to rest.
void EndFight();
// Moves a fighter's body to `position` and starts "LEGS_STAND" on all eight models.
void PlaceFighter(int fighter, const FightVector& position);
// Reads both bodies into their bodyPosition and recomputes MatchState.distance (the controllers do
// this every frame; the camera calls it too). Does nothing while no fight world exists.
void RefreshBodyPositions();

// --- Controllers (run by FightUpdate; public for tests) ---
void RunKeyboardController(int fighter);
void RunComputerController(int gameMode);
void OrientFighter(int fighter);
void ResetOpponent();

// --- Combat rules shared by all controllers ---
void StartAttack(int fighter, int kind);  // the keyboard's attack start
void RunPainClock(int fighter);
void ResolvePendingHit(int fighter);
void RunFighterClocks(int fighter);       // attack clock, tiredness, knock-out check, win check
void RunComboClock(int fighter);
void DriveFighterBody(int fighter);       // the physics drive, last step of every controller frame

// --- Rounds and match end, driven by the fight overlays ---
// The intro overlay is drawn (and RunIntroClock called) in frames without a knock-out sequence
// while the intro runs or 0 < RoundClock < 10 (5 in the career).
bool IntroOverlayShown();
void RunIntroClock();
// Every frame while MatchState.knockoutActive is set; ends the round or the match 9 s after the blow.
void RunKnockoutSequence();

// --- Career ---
void NewCareer();
// LOAD GAME. True when a saved career was resumed (the screen then changes to the story); false
// when there is none, and the caller plays no click and stays.
bool LoadCareer();
void LeaveCareerFight();
void SaveCareerAtExit();
