#pragma once

#include "screens/menu_buttons.h"

// The rows of the MORE OPTIONS page: each a label and a value that changes when clicked, in the
// look of the Options screen's values. A feature with an option adds one row to the table in
// more_option_rows.cpp.
struct MoreOptionRow {
  const char* label;
  const char* (*valueText)();
  void (*choose)();  // the next value
};

int MoreOptionRowCount();
const MoreOptionRow& MoreOptionAt(int index);

// Row `index` prints at this height (menu units, y up); its value is clicked in this rectangle.
float MoreOptionRowY(int index);
PointerRect MoreOptionValueRect(int index);
constexpr float kMoreOptionLabelX = 160;
constexpr float kMoreOptionValueX = 520;

// The index of the row whose value is under the pointer (pointer units), or -1.
int MoreOptionIndexUnderPointer(int x, int y);
