#pragma once

#include <string>

#include "app/fight_bindings.h"

// The bindings as "key=value" lines in controls.cfg in the config folder:
//   one.forward.key=B        one.forward.pad=DpadRight   ...   single-pad=fighter-two
// Fighters "one" and "two"; actions forward, back, block, head, body, leg; key names as in
// key_names.h. A line the game cannot use, or one that binds a key or button another entry holds,
// leaves that entry at its default and is named on standard error.
constexpr const char* kBindingsFileName = "controls.cfg";

std::string BindingsText(const FightBindings& bindings);
FightBindings BindingsFromText(const std::string& text, std::string* problems);

// Reads ActiveFightBindings from the file (the defaults when there is none) and writes them.
void ReadBindingsFrom(const std::string& path);
bool WriteBindingsTo(const std::string& path);
void ReadBindings();
void WriteBindings();

// The entry of fighter `fighter` (0, 1) and `input` that holds the key or button, or false.
bool KeyBoundElsewhere(const FightBindings& b, int key, int fighter, int input, int& otherFighter, int& otherInput);
bool PadBoundElsewhere(const FightBindings& b, PadButton button, int fighter, int input, int& otherInput);

// Keys and pad buttons that can be bound: Escape, Alt and F10 are the game's and the desktop's;
// Start pauses, Back cancels a choice on the controls screen, Guide belongs to the system.
bool BindableKey(int key);
bool BindableButton(PadButton button);

// The action names of the file and of the controls screen.
const char* FightInputFileName(int input);
const char* FightInputLabel(int input);
