#include "font/font_image.h"

#include "common/content_registry.h"
#include "common/image_files.h"
#include "common/text.h"

namespace {

// The printers stretch a cell to 21 x 16 (small) or 34 x 24 (large) units and step 10 or 18
// units per letter, so a letter gets the left half of its cell and is shown about 1.3 times
// wider than drawn: the main face is narrowed by that much to keep its proportions and to stay
// inside its step. Capitals are centred on the cell's middle line, which is the middle of a
// button when a label is printed 8 units above it.
struct GlyphSet {
  const char* fontFile;
  float pixelHeight;
  float widthScale;
  // Middle of the capitals, from the top of the cell: a little above the cell's middle so that
  // descenders still fit.
  float capCentreY;
  int firstCell;
};

constexpr float kLetterCentreX = 8.0f;  // middle of the first 10/21 of the cell

void PaintSet(Canvas& image, const GlyphSet& set) {
  const FontFace face(set.fontFile, set.pixelHeight, set.widthScale);
  const float baseline = set.capCentreY + face.CapHeight() / 2.0f;
  Canvas shadow(image.Width(), image.Height(), {0, 0, 0, 0});
  Canvas letters(image.Width(), image.Height(), {1, 1, 1, 0});
  for (int code = 32; code < 127; ++code) {
    const int cell = set.firstCell + code - 32;
    const float x = (cell % 16) * kGlyphCell + kLetterCentreX;
    const float y = (cell / 16) * kGlyphCell + baseline;
    face.DrawCentredGlyph(letters, x, y, static_cast<char>(code), {1, 1, 1, 1});
    // A dark edge one pixel down and right keeps the letters readable on bright pictures.
    face.DrawCentredGlyph(shadow, x + 1, y + 1, static_cast<char>(code), {0, 0, 0, 0.7f});
  }
  image.Draw(shadow, 0, 0);
  image.Draw(letters, 0, 0);
}

}  // namespace

Canvas PaintFontImage() {
  Canvas image(kFontImageSize, kFontImageSize, {1, 1, 1, 0});
  PaintSet(image, {kDisplayFontFile, 27, 1.0f, 15.5f, 0});
  PaintSet(image, {kBoldFontFile, 24, 0.68f, 15.0f, 128});
  return image;
}

namespace {

void WriteFont(const std::filesystem::path& baseDir) {
  WriteTga(baseDir / "textures" / "text.tga", PaintFontImage(), TgaDepth::Rgba32);
}

}  // namespace

REGISTER_CONTENT_KIND(font, WriteFont);
