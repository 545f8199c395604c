#pragma once

#include "platform/platform.h"

// The game window's message handling: it only records. Keys go into KeyState, activation switches
// the display mode and pauses or resumes the music, close posts the quit message, pad messages keep
// the pad records. While the GameState is not Fight, left clicks (at their own place), key and pad
// presses (the focus) and every other message (the hover) reach the screen state machine.
void WindowProcedure(const WindowMessage& message);

// Set when a pad that plays a fighter is pulled out during a fight; the main loop pauses the fight
// as soon as Escape could (after the intro) and clears it.
extern bool PadPulledOutOfFight;
