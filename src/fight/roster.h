#pragma once

// One character's fighting numbers.
struct CharacterStats {
  float power;       // scales the damage the character deals
  float strikeTime;  // seconds: base duration of its attacks
  float endurance;   // scales the damage it takes
  float fatigue;     // tiredness of one attack, times 1.5
};

constexpr int kCharacterCount = 8;

extern CharacterStats Roster[kCharacterCount];  // filled by LoadRoster

// Name and model folder of each roster row ("Boxer" / "1" .. "Bandit" / "8").
const char* CharacterName(int character);  // "" outside 0..7
const char* CharacterModelFolder(int character);

// Character 5 has the female pain and knock-out voices.
constexpr int kFemaleCharacter = 5;

// Loads the eight fighter models in roster order with "LEGS_STAND" started on each, and writes the
// roster values. Once, at the end of the loading phase.
void LoadRoster();
