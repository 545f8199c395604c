#pragma once

#include "screens/screen_flow.h"

// An open rectangle in pointer units (800 × 600, y from the top): a press exactly on a bound is
// outside.
struct PointerRect {
  int left, right, top, bottom;
};

inline bool PointerInside(const PointerRect& r, int x, int y) {
  return r.left < x && x < r.right && r.top < y && y < r.bottom;
}

// One clickable place of a menu screen. `row` numbers the rows in the order HandleClick tests them.
struct MenuButtonRow {
  int row;
  GameState state;
  PointerRect rect;
  int hoverSlot;  // -1: no hover feedback (the option values)
};

constexpr int kMenuButtonRows = 79;
extern const MenuButtonRow MenuButtons[kMenuButtonRows];

// The first row of the current screen under the pointer, or null.
const MenuButtonRow* ButtonUnderPointer(GameState state, int x, int y);
