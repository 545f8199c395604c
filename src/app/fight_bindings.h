#pragma once

#include <cstdint>

#include "fight/fighter_command.h"

// Which key acts for each fight action of each fighter: a Windows virtual-key code, 0 for none.
struct FightBindings {
  int key[2][kFightInputCount] = {};
};

// B, V, Space, Z, X, C for fighter one; Left, Right, L, I, O, P for fighter two.
FightBindings DefaultFightBindings();

// The bindings the fight frame reads. Program start: the defaults.
extern FightBindings ActiveFightBindings;

// Both fighters' commands from the keys that are down. Against the computer (`twoHumans` false)
// fighter two's command stays empty and fighter one also steps with fighter two's movement keys,
// mirrored: they point at the opponent on screen, so fighter two's Back (Right) walks fighter one
// forward.
void BuildFighterCommands(const std::uint8_t (&keys)[256], bool twoHumans, const FightBindings& bindings,
                          FighterCommand (&commands)[2]);
