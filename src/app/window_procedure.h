#pragma once

#include "platform/platform.h"

// The game window's message handling: it only records. Keys go into KeyState, activation switches
// the display mode and pauses or resumes the music, close posts the quit message, and left clicks
// and every other message reach the screen state machine while the GameState is not Fight.
void WindowProcedure(const WindowMessage& message);
