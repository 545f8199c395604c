#pragma once

#include <string>

#include "platform/pad_codes.h"

// The controls screen's rules: choosing a binding waits for the next key or pad button; a key or
// button another entry holds is swapped with it, and the screen says so. Escape (or the pad's Back)
// cancels the wait. The bindings changed are ActiveFightBindings (written at exit).

// Click rows (menu_buttons.cpp).
constexpr int kControlsButtonRow = 45;  // on the Options screen
constexpr int kControlsBackRow = 46;
constexpr int kControlsDefaultsRow = 47;
constexpr int kSinglePadRow = 48;
constexpr int kFirstBindingRow = 49;  // + 6 × fighter + action (FightInput order)
constexpr int kLastBindingRow = 60;

// Layout of the binding rows (menu units, y up): the columns of the two fighters, the baseline of
// the first action and the spacing of the rest.
constexpr int kBindingColumnOne = 15;
constexpr int kBindingColumnTwo = 415;
constexpr int kFirstBindingBaseline = 420;
constexpr int kBindingSpacing = 32;
constexpr int kSinglePadBaseline = 220;
constexpr int kControlsNoticeBaseline = 170;

// Reset when the screen is entered.
struct ControlsScreenState {
  int waitingRow = 0;  // the binding row waiting for a key or button; 0: none
  std::string notice;  // what the last choice did
};
extern ControlsScreenState ControlsScreen;

bool BindingOfRow(int row, int& fighter, int& input);

void EnterControlsScreen();
void ChooseBinding(int row);
void RestoreDefaultBindings();
void ToggleSinglePad();
bool ControlsWaiting();
// The next key or pad button while an entry waits.
void CaptureKey(int virtualKey);
void CapturePadButton(PadButton button);
