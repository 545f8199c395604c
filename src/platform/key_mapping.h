#pragma once

#include <SDL.h>

// SDL key events to Windows virtual-key codes.

// The virtual-key code of a key, following the keyboard layout (the key labelled Z gives 'Z');
// letters fall back on their physical position for layouts without Latin letters. 0: no code.
int VirtualKeyFor(SDL_Keycode keycode, SDL_Scancode scancode);

// Keys that the desktop delivers as system keys: Alt itself, F10, and any key pressed while Alt is
// held. A release is a system key only for Alt and F10, so a key let go after Alt was pressed
// does not stay down in the game.
bool IsSystemKey(int virtualKey, Uint16 modifiers, bool pressed);
