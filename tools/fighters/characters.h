#pragma once

#include <string>
#include <vector>

#include "fighters/body_parts.h"
#include "fighters/skeleton.h"

// The eight characters as built figures: skeleton lengths, body parts and how they stand.
// Index 0..7 in roster order: Boxer, Kingpin, Cop, Truck driver, Biker, Hooker, Inspector, Bandit.

constexpr int CharacterCount = 8;

struct Character {
  std::string name;
  float strikeTime = 0.25f;  // the roster's base strike time, seconds
  BodyMeasures body;
  std::vector<BodyPart> parts;
  double guardHeight = 0;    // fists higher (+) or lower (-) than the common guard
  double stanceWidth = 1.0;  // feet apart, relative to the common stance
  double crouch = 0;         // extra bend of the knees in the guard
};

Character BuildCharacter(int index);
