#pragma once

#include "common/canvas.h"

// The game's font image: a 16 x 16 grid of glyph cells, white letters with alpha.
// Cells 0..95 hold the display face (glyph set 0) and cells 128..223 the main lettering
// (glyph set 1), both for the characters 32..126 (127 is no letter and stays empty). Row 0 of
// the grid is the top of the picture.
constexpr int kFontImageSize = 512;
constexpr int kGlyphCell = kFontImageSize / 16;
// Empty texels on every side of every cell. A letter's quad covers its whole cell, so linear
// filtering at the quad's edge reads across into the neighbouring cell, and one mipmap level down
// each texel averages two of them: with this margin neither level shows a neighbour's letter.
constexpr int kGlyphMargin = 2;

Canvas PaintFontImage();
