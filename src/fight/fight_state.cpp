#include <cstdlib>

#include "fight/fight_internal.h"

Fighter Fighters[2];
FighterStatus FighterStatuses[2];
MatchRecord MatchState;
CareerRecord CareerState;

const CharacterStats& StatsOf(int fighter) {
  int c = MatchState.character[fighter];
  if (c < 0 || c >= kCharacterCount) c = 0;
  return Roster[c];
}

void StandAllModels() {
  for (int c = 0; c < kCharacterCount; ++c) Hooks().SetAnimation(c, "LEGS_STAND");
}

int RandomBelow(int n) { return std::rand() % n; }
