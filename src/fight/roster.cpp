#include "fight/roster.h"

#include "fight/fight_hooks.h"

CharacterStats Roster[kCharacterCount] = {};

namespace {

struct CharacterEntry {
  const char* name;
  const char* modelFolder;
  CharacterStats stats;
};

// The literals are single precision on purpose: 0.2857 and 0.3333 are not 2/7 and 1/3.
constexpr CharacterEntry kCharacters[kCharacterCount] = {
    {"Boxer", "1", {0.9f, 0.25f, 0.8f, 10.0f}},
    {"Kingpin", "2", {0.7f, 0.2857f, 1.0f, 10.0f}},
    {"Cop", "3", {1.0f, 0.3333f, 0.6f, 10.0f}},
    {"Truck driver", "4", {0.9f, 0.2857f, 0.7f, 10.0f}},
    {"Biker", "5", {1.0f, 0.4f, 1.0f, 10.0f}},
    {"Hooker", "6", {0.7f, 0.2857f, 0.7f, 10.0f}},
    {"Inspector", "7", {0.8f, 0.3333f, 0.8f, 10.0f}},
    {"Bandit", "8", {0.7f, 0.25f, 0.8f, 10.0f}},
};

bool IsCharacter(int character) { return character >= 0 && character < kCharacterCount; }

}  // namespace

const char* CharacterName(int character) { return IsCharacter(character) ? kCharacters[character].name : ""; }

const char* CharacterModelFolder(int character) {
  return IsCharacter(character) ? kCharacters[character].modelFolder : "";
}

void LoadRoster() {
  for (int c = 0; c < kCharacterCount; ++c) {
    Hooks().LoadFighterModel(c, kCharacters[c].modelFolder);
    Hooks().SetAnimation(c, "LEGS_STAND");
  }
  for (int c = 0; c < kCharacterCount; ++c) Roster[c] = kCharacters[c].stats;
}
