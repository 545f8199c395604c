#pragma once

#include <cstdint>

// Starts an online match's fight from records both games hold alike: what fights this game played
// before left in them (the computer's clocks, a career's level) is dropped; only the set-up's
// picks and the host's seed count. The caller keeps the menus' own selections it wants back.
void StartOnlineFightRecords(int arena, const int (&characters)[2], std::uint32_t seed);
