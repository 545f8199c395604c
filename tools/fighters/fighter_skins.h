#pragma once

#include "common/canvas.h"
#include "fighters/characters.h"

// Paints a character's 256 × 256 skin: face, hair, clothes and hands, each body part on its own
// rectangle of the layout (skin_layout.h).
Canvas PaintSkin(int characterIndex, const Character& character);
