#pragma once

#include <vector>

#include "screens/menu_buttons.h"

// The menus by keyboard and pad: a focus moves between the current screen's buttons and values and
// stands in for the pointer (the hover pulse and sound show it).

enum class MenuKey { Up, Down, Left, Right, Next, Previous, Activate, Back };

// Focus targets beyond the button rows: the MORE OPTIONS values are kFirstMoreOptionTarget + index.
constexpr int kFirstMoreOptionTarget = 1000;

struct FocusTarget {
  int id;  // a button row, or kFirstMoreOptionTarget + a MORE OPTIONS row
  PointerRect rect;
};

// The current screen's targets, buttons first in the order of the click table.
std::vector<FocusTarget> FocusTargets(GameState state);

// The target the screen focuses first, and the row Escape or pad B acts on (0: none).
int BackRow(GameState state);

// A key or pad press in a menu. Moves the focus (the first press on a screen only shows it),
// activates the focused target, or acts on the screen's BACK.
void HandleMenuKey(MenuKey key);

// The mouse moved or clicked: its hover shows again instead of the focus.
void PointerUsed();

// Whether a target is focused and the focus is showing (for the drawing of values without a hover slot).
bool ShowsFocus(int target);
