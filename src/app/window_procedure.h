#pragma once

#include "platform/platform.h"

// The game window's message handling: it only records. Keys go into KeyState, activation switches
// the display mode and pauses or resumes the music, close posts the quit message, and left clicks
// and every other message reach the screen state machine while the GameState is not Fight.
// Pad messages keep the pad records; in the menus keys and pad presses move the focus.
void WindowProcedure(const WindowMessage& message);

// Set when a pad that plays a fighter is pulled out during a fight; the main loop pauses the fight
// as soon as Escape could (after the intro) and clears it.
extern bool PadPulledOutOfFight;
