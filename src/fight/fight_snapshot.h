#pragma once

#include <cstdint>
#include <type_traits>
#include <vector>

#include "fight/fighter.h"
#include "fight/match_state.h"

// Everything a running fight carries from one frame to the next: both fighters' records (their
// bodies included), the match record with the fight's generator, and whether a fight world
// exists. A plain, trivially copyable value: copied whole, it can be kept, sent or written out.
struct FightSnapshot {
  Fighter fighters[2];
  FighterStatus statuses[2];
  MatchRecord match;
  bool worldBuilt = false;
};
static_assert(std::is_trivially_copyable_v<FightSnapshot>);

void SaveFightState(FightSnapshot& snapshot);
// Puts the fight back as saved, its world built again from the saved bodies.
void RestoreFightState(const FightSnapshot& snapshot);

// Every field in a fixed order (no padding), and back; false for bytes of another length, a bool
// that is neither 0 nor 1, a number that is not finite, or a value the rules could not index with.
std::vector<std::uint8_t> FightSnapshotBytes(const FightSnapshot& snapshot);
bool FightSnapshotFromBytes(const std::uint8_t* bytes, std::size_t size, FightSnapshot& snapshot);

// A hash of those bytes, equal for equal states.
std::uint64_t FightStateHash();
std::uint64_t FightSnapshotHash(const FightSnapshot& snapshot);
