#pragma once

#include <memory>
#include <string>

#include "common/canvas.h"

// Text rasterised through FreeType from the Debian font packages the install script brings in.
// Lettering on pictures and the game's font image both go through here, so every letter of the
// game comes from the same two faces.

// Tall condensed capitals (fonts-bebas-neue): titles, banners, the display glyph set.
extern const char* const kDisplayFontFile;
// Heavy sans (fonts-dejavu-core): the main lettering and small print.
extern const char* const kBoldFontFile;

class FontFace {
 public:
  // pixelHeight is the em size in pixels; widthScale narrows (< 1) or widens the letters.
  // Throws std::runtime_error when the font file is missing.
  FontFace(const std::string& file, float pixelHeight, float widthScale = 1);
  ~FontFace();
  FontFace(const FontFace&) = delete;
  FontFace& operator=(const FontFace&) = delete;

  // Distances from the baseline, in pixels, at this size.
  float Ascender() const;
  float Descender() const;  // negative: below the baseline
  // Height of a capital letter (the "H") above the baseline.
  float CapHeight() const;

  // Width of the text when drawn with the given extra spacing between letters.
  float Measure(const std::string& text, float tracking = 0) const;
  // Draws the text with its baseline at `baseline` starting at pen position x; returns the pen
  // position after the last letter. Only the bytes 32..126 are drawn; others advance nothing.
  float Draw(Canvas& canvas, float x, float baseline, const std::string& text, Rgba colour,
             float tracking = 0, BlendMode mode = BlendMode::Over) const;
  // Draws one character so that its ink box is centred on (cx, cy); used for glyph cells.
  void DrawCentredGlyph(Canvas& canvas, float cx, float baseline, char c, Rgba colour) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// A transparent layer holding the text in the colour, with `padding` pixels of room on every side
// for glows and shadows. Text is laid out on one line, baseline at padding + ascender.
Canvas TextLayer(const FontFace& face, const std::string& text, Rgba colour, float tracking = 0,
                 int padding = 0);

// Draws a text layer centred on (cx, cy) with a blurred dark shadow under it and an optional glow
// of light around it: the look of every title and banner of the game.
struct TitleStyle {
  Rgba fill = {1, 1, 1, 1};
  Rgba shadow = {0, 0, 0, 0.85f};
  float shadowBlur = 6;
  float shadowOffset = 3;
  Rgba glow = {0, 0, 0, 0};  // alpha 0: no glow
  float glowBlur = 12;
  float tracking = 0;
};
void DrawTitle(Canvas& canvas, const FontFace& face, const std::string& text, float cx, float cy,
               const TitleStyle& style);
