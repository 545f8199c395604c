#pragma once

#include <SDL.h>

#include "platform/platform.h"

// A controller event as a pad message (opening a pad that was plugged in, closing one pulled out);
// false for events the game has no message for.
bool TranslateControllerEvent(const SDL_Event& event, WindowMessage& message);
