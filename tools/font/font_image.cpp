#include "font/font_image.h"

#include <algorithm>

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
// A letter ends where the large printer's step of 18 of 34 units ends.
constexpr int kLetterRightEdge = 17;

// Where in its cell a letter may have ink, shadow included.
struct InkBox {
  int x0, y0, x1, y1;
  bool empty() const { return x1 < x0; }
};
constexpr InkBox kAllowedInk = {kGlyphMargin, kGlyphMargin, kLetterRightEdge,
                                kGlyphCell - 1 - kGlyphMargin};

// A letter is painted on a scratch square with this much room around its cell, so that what a
// wide letter would spill over the cell's edge can be measured and moved back in.
constexpr int kScratchRoom = kGlyphCell / 2;

Canvas PaintLetter(const FontFace& face, float baseline, char code) {
  Canvas scratch(kGlyphCell + 2 * kScratchRoom, kGlyphCell + 2 * kScratchRoom, {1, 1, 1, 0});
  const float x = kScratchRoom + kLetterCentreX, y = kScratchRoom + baseline;
  // A dark edge one pixel down and right keeps the letters readable on bright pictures.
  face.DrawCentredGlyph(scratch, x + 1, y + 1, code, {0, 0, 0, 0.7f});
  face.DrawCentredGlyph(scratch, x, y, code, {1, 1, 1, 1});
  return scratch;
}

// The ink of a scratch square, in the coordinates of the cell.
InkBox InkOf(const Canvas& scratch) {
  InkBox ink = {scratch.Width(), scratch.Height(), -1, -1};
  for (int y = 0; y < scratch.Height(); ++y)
    for (int x = 0; x < scratch.Width(); ++x)
      if (scratch.Get(x, y).a > 0) {
        ink.x0 = std::min(ink.x0, x); ink.x1 = std::max(ink.x1, x);
        ink.y0 = std::min(ink.y0, y); ink.y1 = std::max(ink.y1, y);
      }
  return {ink.x0 - kScratchRoom, ink.y0 - kScratchRoom, ink.x1 - kScratchRoom,
          ink.y1 - kScratchRoom};
}

// How far [low, high] must move to lie inside [from, to]; it is never wider.
int ShiftInto(int low, int high, int from, int to) {
  if (low < from) return from - low;
  if (high > to) return to - high;
  return 0;
}

// Keeps the letter clear of the cell's margin and inside its step: a letter wider than the
// allowed box is narrowed just enough, one that pokes out of it moves just enough, and every
// other letter stays where the face puts it.
void PaintCell(Canvas& image, const GlyphSet& set, const FontFace& face, float baseline,
               char code) {
  Canvas letter = PaintLetter(face, baseline, code);
  InkBox ink = InkOf(letter);
  if (ink.empty()) return;
  const int allowedWidth = kAllowedInk.x1 - kAllowedInk.x0;
  for (float scale = set.widthScale * 0.97f; ink.x1 - ink.x0 > allowedWidth; scale *= 0.97f) {
    letter = PaintLetter(FontFace(set.fontFile, set.pixelHeight, scale), baseline, code);
    ink = InkOf(letter);
  }
  const int dx = ShiftInto(ink.x0, ink.x1, kAllowedInk.x0, kAllowedInk.x1);
  const int dy = ShiftInto(ink.y0, ink.y1, kAllowedInk.y0, kAllowedInk.y1);
  const int cell = set.firstCell + code - 32;
  image.Draw(letter, (cell % 16) * kGlyphCell - kScratchRoom + dx,
             (cell / 16) * kGlyphCell - kScratchRoom + dy);
}

void PaintSet(Canvas& image, const GlyphSet& set) {
  const FontFace face(set.fontFile, set.pixelHeight, set.widthScale);
  const float baseline = set.capCentreY + face.CapHeight() / 2.0f;
  for (int code = 32; code < 127; ++code)
    PaintCell(image, set, face, baseline, static_cast<char>(code));
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
