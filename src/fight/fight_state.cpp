#include <random>

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

FightTickClock FightFrame;
FightOverlayState ShownFight;

// The standard library's minimal standard generator: its whole state is one number, and every
// implementation produces the same sequence, so a recorded seed replays anywhere.
int RandomBelow(int n) {
  std::minstd_rand generator(MatchState.randomState);
  MatchState.randomState = static_cast<std::uint32_t>(generator());
  return static_cast<int>(MatchState.randomState % static_cast<std::uint32_t>(n));
}

void SeedFightRandom(std::uint32_t seed) {
  const std::uint32_t state = seed % static_cast<std::uint32_t>(std::minstd_rand::modulus);
  MatchState.randomState = state == 0 ? 1 : state;
}
