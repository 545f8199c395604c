#pragma once

#include "fight/fight.h"

// The state machine's shared steps, for the click handler, the story and the tests.

// "click": the menu click, if sound is on.
void PlayMenuClick();

// The initial screen and default selections (SetInitialScreen without connecting the effects).
void EnterInitialScreen();

// The quick fight's draw, seeded with the given time: a random arena 1 to 7 and two different
// random characters.
void DrawQuickFight(unsigned seed);

// What a click on a button row does (menu_buttons.h), and a click on a MORE OPTIONS value; for
// the click handler and the keyboard and pad focus.
void ActOnButton(int row);
void ChooseMoreOption(int index);

// A finished match turned into the next screen: the career's next opponent and story, the
// two-player set-up or the main menu; then the fight is closed. Does nothing while not finished.
void ApplyMatchOutcome(const MatchOutcome& outcome);
