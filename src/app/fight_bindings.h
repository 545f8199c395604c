#pragma once

#include <cstdint>

#include "fight/fighter_command.h"
#include "platform/pad_codes.h"

// Which fighter a lone pad plays in a two-player match (fighter one then keeps the keyboard too).
enum class SinglePad : int { PlaysFighterTwo = 0, PlaysFighterOne = 1 };

// Which key acts for each fight action of each fighter: a Windows virtual-key code, 0 for none;
// and which button of the fighter's pad. A d-pad direction is also the left stick's.
struct FightBindings {
  int key[2][kFightInputCount] = {};
  PadButton pad[2][kFightInputCount] = {};
  SinglePad singlePad = SinglePad::PlaysFighterTwo;
};

// B, V, Space, Z, X, C for fighter one; Left, Right, L, I, O, P for fighter two. On both pads the
// d-pad steps toward the opponent on screen (right for fighter one, left for fighter two), X, A and B
// strike at the head, the body and with the leg, and the right shoulder blocks.
FightBindings DefaultFightBindings();

// The bindings the fight frame reads. Program start: the defaults.
extern FightBindings ActiveFightBindings;

// Both fighters' commands from the keys that are down. Against the computer (`twoHumans` false)
// fighter two's command stays empty and fighter one also steps with fighter two's movement keys,
// mirrored: they point at the opponent on screen, so fighter two's Back (Right) walks fighter one
// forward.
void BuildFighterCommands(const std::uint8_t (&keys)[256], bool twoHumans, const FightBindings& bindings,
                          FighterCommand (&commands)[2]);
