#pragma once

// The fight: what the frame loop, the screens, the HUD, the camera and the drawing may call.
// Records: fighter.h (Fighter, FighterStatus), match_state.h (MatchState, CareerState), roster.h.
// Side effects in other subsystems go through FightHooks (fight_hooks.h).

#include <cstdint>

#include "fight/fight_hooks.h"
#include "fight/fighter.h"
#include "fight/fighter_command.h"
#include "fight/match_state.h"
#include "fight/roster.h"

// --- Fight set-up and the frame ---

// The frame the fight is running: its step in hundredths of a second and whether the fighters and
// bodies advance (a frame of 5 or more only runs the round clocks, at 0.1). Set by FightTick.
struct FightTickClock {
  float step = 0.0f;
  bool simulate = false;
};
extern FightTickClock FightFrame;

// How a match ended, for the screens to turn into the next screen, the story and the save.
struct MatchOutcome {
  bool finished = false;  // the knock-out sequence of the deciding round has run out
  int winner = -1;        // 0 or 1 once finished
};

// What the HUD and the announcements draw: the fight as it stood after this frame's simulation and
// before its round clocks ran, so the overlays show the same state the old frame order showed.
struct FightOverlayState {
  FighterStatus status[2];
  MatchRecord match;
  bool introShown = false;     // the round banner and count-in are drawn
  bool knockoutShown = false;  // the winner banner and the fade to black are drawn
};
extern FightOverlayState ShownFight;

// One frame of the fight, the only call that advances it: with `simulate`, fighter one's
// controller, fighter two's (its command or the computer) and the physics step; then in every frame
// the combo titles' clocks, the intro clock and the knock-out sequence. The game's fight frame, the
// headless match runner, replays and online play all call this.
MatchOutcome FightTick(const FighterCommand (&commands)[2], float step, bool simulate);

// Fighter one's start position (-3, 0, 0) and the common view direction (1, 0, 0): what the
// versus screen's NEXT sets before StartFight.
void PrepareFightStart();
// Loads the arena, seeds the fight's generator with `seed`, resets the round and the opponent, builds
// the bodies, starts a track drawn from the generator and the first round's intro.
void StartFight(int arena, std::uint32_t seed);
// Everything a new round starts from (life, clocks, pain, tiredness); keeps `blocking` and a running combo.
void ResetRound();
// One simulation frame (FightTick's first part): fighter one's controls, fighter two's (its command
// or the computer), the physics step.
void FightUpdate(const FighterCommand (&commands)[2]);
// Destroys the bodies, the arena meshes and the fight music and puts the match back to rest;
// `toMenus` asks for the menu music (leaving for a menu rather than staying in a fight).
void EndFight(bool toMenus);
// After a finished match has been turned into the next screen: EndFight, every fight sound
// stopped, the menu click, the menu transition.
void CloseFinishedMatch();
// Moves a fighter's body to `position` and starts "LEGS_STAND" on all eight models.
void PlaceFighter(int fighter, const FightVector& position);
// Reads both bodies into their bodyPosition and recomputes MatchState.distance (the controllers do
// this every frame). Does nothing while no fight world exists.
void RefreshBodyPositions();

// --- Controllers (run by FightUpdate; public for tests) ---
// A human's fighter: walks, blocks and strikes as `command` holds. A strike acts once per press:
// a held strike acts as soon as the fighter is free, then not again until it is released.
void RunPlayerController(int fighter, FighterCommand command);
// Frees the strikes that `command` no longer holds (every frame, before the controllers).
void ReleaseStrikeLatch(int fighter, FighterCommand command);
void RunComputerController(int gameMode);
// Training's choice of the career computer's temperament (how long it rests between attacks,
// 1 calmest to 7 fiercest); 0, as at program start and in every match, leaves the opponent's own.
extern int ChosenComputerTemperament;
void OrientFighter(int fighter);
void ResetOpponent();

// --- Combat rules shared by all controllers ---
// Training's one exception to the rules: while set, life may fall below 0 without a knock-out
// (the training controller refills it). False at program start; every match leaves it false.
extern bool KnockoutsSuspended;

// One strike's timing and reach as the rules run it, for the training's frame data.
struct StrikeTiming {
  float seconds = 0.0f;       // the whole strike: the character's strikeTime times the kind's factor
  float hitAtSeconds = 0.0f;  // the blow lands at half the character's strikeTime, whatever the kind
  float nearest = 0.0f;       // connects when nearest < distance < reach
  float reach = 0.0f;
};
// Zero for a character outside the roster or a kind that is not HandToHead..LegToBody.
StrikeTiming StrikeTimingOf(int character, int kind);
void StartAttack(int fighter, int kind);  // the keyboard's attack start
void RunPainClock(int fighter);
void ResolvePendingHit(int fighter);
void RunFighterClocks(int fighter);       // attack clock, tiredness, knock-out check, win check
void RunComboClock(int fighter);
void DriveFighterBody(int fighter);       // the physics drive, last step of every controller frame

// --- Rounds and match end (run by FightTick) ---
// The intro overlay is drawn (and RunIntroClock run) in frames without a knock-out sequence
// while the intro runs or 0 < RoundClock < 10 (5 in the career).
bool IntroOverlayShown();
void RunIntroClock();
// Every frame while MatchState.knockoutActive is set; starts the next round 9 s after the blow, or
// reports the finished match.
MatchOutcome RunKnockoutSequence();

// The combo title shows while its clock (set to 2.0 by a combo) runs down to 0.5: 1.5 s.
constexpr float kComboTitleEnd = 0.5f;
void RunComboShowClock(bool& comboShown, float& comboShowTime, float step);

// --- Career ---
void NewCareer();
// LOAD GAME. True when a saved career was resumed (the screens then show its story); false
// when there is none, and the caller plays no click and stays.
bool LoadCareer();
// Fighter one won a career match: the next opponent and arena, their story pictures and monologue,
// the progress to save. True when that completed the career (the closing story follows).
bool WinCareerMatch();
void LeaveCareerFight();
void SaveCareerAtExit();
