#pragma once

#include "common/canvas.h"
#include "fighters/characters.h"

// Paints a character's 256 × 256 skin: face, hair, clothes and hands, each body part on its own
// rectangle of the layout (skin_layout.h).
Canvas PaintSkin(int characterIndex, const Character& character);

// What the head's picture shows at (u, v) of the head part, for the painter and for checks that
// the face reads on screen. Mask: the cloth over the face of a masked character.
enum class FaceFeature { None, Eye, Brow, Mouth, Mask };
FaceFeature FaceFeatureAt(int characterIndex, double u, double v);
