#pragma once

#include <cstdint>

// Keys and pad presses in the menus: the controls screen's wait for a binding first, then the
// focus navigation (arrows, Tab and Shift+Tab, Enter and Space, Escape; d-pad and left stick,
// A, B, Start).
// An auto-repeated key moves the focus again but is never taken as a binding.
void MenuKeyPressed(int virtualKey, bool repeat);
// The buttons (bits of PadButton) that one pad message made held.
void MenuPadPressed(std::uint32_t pressed);
