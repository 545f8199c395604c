#pragma once

#include <array>
#include <vector>

#include "fighters/body_parts.h"

// Where each body part's picture lies on the character's 256 × 256 skin.

constexpr int SkinSize = 256;

struct SkinRect {
  int x = 0, y = 0, w = 0, h = 0;  // pixels, y from the top of the picture
};

// One rectangle per part, in the parts' order, with a gutter between them so that filtering
// does not bleed one part's colours into another. Throws std::runtime_error if they do not fit.
std::vector<SkinRect> LayoutSkin(const std::vector<BodyPart>& parts);

// The texture coordinate the model file stores for a point (u, v) of a part: s across the
// picture, t down from its top row (the game draws with -t on a texture uploaded bottom row first,
// which with repeating textures lands on the same row).
std::array<double, 2> SkinCoordinate(const SkinRect& rect, double u, double v);
