#pragma once

#include <string>
#include <vector>

// Bitmap text from the 16 × 16 glyph grid of "text.tga", on the virtual 800 × 600 screen.

// Alpha of the small font's text; the screens set it for fading and pulsing text. Initially 1.
extern float TextAlpha;

// Builds the small then the large font as display lists (needs FontImage loaded).
void BuildFonts();
void DeleteFonts();

// Print with the lower-left corner at (x, y), origin bottom left. `set` 0 is the first glyph set,
// 1 and above the second. Both leave blending off with the function one/one and opaque white.
void PrintSmall(float x, float y, int set, const char* format, ...) __attribute__((format(printf, 4, 5)));
void PrintLarge(float x, float y, int set, const char* format, ...) __attribute__((format(printf, 4, 5)));

// The glyph cells a text draws with a glyph set; bytes that address no cell of the font are
// skipped. Texts are cut to 255 characters.
std::vector<int> GlyphCells(const std::string& text, int set);
constexpr int MaxTextLength = 255;
