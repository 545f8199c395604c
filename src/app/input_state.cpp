#include "app/input_state.h"

std::uint8_t KeyState[256] = {};
bool WindowActive = true;
