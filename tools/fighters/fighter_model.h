#pragma once

#include <vector>

#include "fighters/animation_table_file.h"
#include "fighters/bhm_file.h"
#include "fighters/characters.h"
#include "fighters/fighter_animations.h"

// Bakes a character's clips into the vertex frames of a model file: one mesh per bone, named
// after it ("head", "chest", "hand_r", ...), the clips one after another, and a "tag_torso"
// that follows the chest.
BhmModel BakeFighterModel(const Character& character, const std::vector<Clip>& clips);

// The animation table of the baked model: each clip's frame range and speed.
std::vector<AnimationLine> AnimationLinesOf(const std::vector<Clip>& clips);

const char* BoneName(Bone bone);
