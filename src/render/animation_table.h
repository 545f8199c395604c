#pragma once

#include <string_view>

#include "render/model_part.h"

// Largest number of animation lines taken from one table; further lines are ignored.
constexpr int AnimationTableSize = 15;

// Reads an animation table (the text of an "_animation.cfg" file) into the animation lists of the
// upper and lower parts, replacing them.
void ReadAnimationTable(std::string_view text, ModelPart& upper, ModelPart& lower);
