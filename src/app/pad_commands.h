#pragma once

#include "app/fight_bindings.h"
#include "app/pad_state.h"

// Which pad slot plays each fighter (-1: none). The first pad plays fighter one and the second
// fighter two; a lone pad in a two-player match plays the fighter the bindings choose; against the
// computer only fighter one is played.
void PadsOfFighters(const PadSet& pads, bool twoHumans, const FightBindings& bindings, int (&slotOf)[2]);

// Adds to both commands what the fighters' pads hold, through each fighter's pad bindings.
void AddPadCommands(const PadSet& pads, bool twoHumans, const FightBindings& bindings, FighterCommand (&commands)[2]);

// Whether a pad holds a bound button (a d-pad direction is also the stick's).
bool PadHoldsBinding(const PadRecord& pad, PadButton bound);
