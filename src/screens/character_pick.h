#pragma once

// The arrows of the two-player screen step a fighter's character through the roster, skipping the
// other fighter's, so the two fighters never share a character.
constexpr int kHighestRosterIndex = 7;
constexpr int kHighestSelectableArena = 7;

int PickPrevious(int self, int other);
int PickNext(int self, int other);
