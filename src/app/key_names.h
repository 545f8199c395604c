#pragma once

#include <optional>
#include <string>

#include "platform/pad_codes.h"

// Names of keys and pad buttons: the words of the bindings file and of driver scripts
// ("Z", "7", "F10", "Escape", "Space", "Left", ... case-insensitive), and the labels on screen
// ("Z", "SPACE", "LEFT ARROW", ...).

std::optional<int> VirtualKeyNamed(const std::string& name);
// The file name of a key, or "" for a code without one.
std::string KeyFileName(int virtualKey);
// What the screens print for a key; "?" for a code without a name.
std::string KeyLabel(int virtualKey);

std::optional<PadButton> PadButtonNamed(const std::string& name);
// "A", "B", "X", "Y", "Back", "Guide", "Start", "LeftStick", "RightStick", "LeftShoulder",
// "RightShoulder", "DpadUp", ..., "LeftTrigger", "RightTrigger", "StickUp", ...
const char* PadButtonFileName(PadButton button);
// "A", "B", ..., "LB", "RB", "LT", "RT", "D-PAD LEFT", "START", ...
const char* PadButtonLabel(PadButton button);
