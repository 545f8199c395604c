#include "app/online_fight_start.h"

#include "fight/fight.h"

void StartOnlineFightRecords(int arena, const int (&characters)[2], std::uint32_t seed) {
  Fighters[0] = Fighters[1] = Fighter{};
  FighterStatuses[0] = FighterStatuses[1] = FighterStatus{};
  MatchState = MatchRecord{};
  MatchState.gameMode = TwoPlayers;
  MatchState.arena = arena;
  MatchState.character[0] = characters[0];
  MatchState.character[1] = characters[1];
  PrepareFightStart();
  StartFight(arena, seed);
}
