// The font image text.tga as the bitmap text printers use it.
#include <gtest/gtest.h>

#include <algorithm>

#include "picture_files.h"

namespace {

constexpr int kCell = 32;

struct CellInk {
  int x0 = kCell, y0 = kCell, x1 = -1, y1 = -1;
  bool empty() const { return x1 < 0; }
};

CellInk InkOfCell(const Canvas& image, int cell) {
  CellInk ink;
  const int cx = (cell % 16) * kCell, cy = (cell / 16) * kCell;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x)
      if (image.Get(cx + x, cy + y).a > 0.5f) {
        ink.x0 = std::min(ink.x0, x); ink.x1 = std::max(ink.x1, x);
        ink.y0 = std::min(ink.y0, y); ink.y1 = std::max(ink.y1, y);
      }
  return ink;
}

class FontImageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string why;
    auto p = ReadTga("base/textures/text.tga", &why);
    ASSERT_TRUE(p) << why;
    font_ = *p;
  }
  PictureFile font_;
};

TEST_F(FontImageTest, IsA32BitGridOf32PixelCells) {
  EXPECT_EQ(font_.width, 512);
  EXPECT_EQ(font_.height, 512);
  EXPECT_EQ(font_.components, 4);
}

TEST_F(FontImageTest, BothSetsHoldEveryPrintableCharacterInsideItsStep) {
  for (int set : {0, 1}) {
    for (int code = 33; code < 127; ++code) {
      SCOPED_TRACE(std::to_string(set) + ":" + std::string(1, static_cast<char>(code)));
      const CellInk ink = InkOfCell(font_.pixels, set * 128 + code - 32);
      ASSERT_FALSE(ink.empty());
      // The printers step 10 of 21 (small) and 18 of 34 (large) units per letter: a letter must
      // fit in the left 17 pixels of its 32 or it runs into the next one.
      EXPECT_LE(ink.x1, 17);
      EXPECT_GE(ink.y0, 1);
      EXPECT_LE(ink.y1, kCell - 2);
    }
    EXPECT_TRUE(InkOfCell(font_.pixels, set * 128).empty());  // space
  }
}

TEST_F(FontImageTest, EveryCellKeepsAnEmptyMarginForFiltering) {
  // A letter's quad covers its whole cell. Linear filtering at the quad's edge reads the texel
  // across the boundary, and one mipmap level down each texel averages two: any ink, even a faint
  // shadow edge, in the outer two texels of a cell shows as a sliver beside the next letter.
  constexpr int kMargin = 2;
  for (int cell = 0; cell < 256; ++cell) {
    const int cx = (cell % 16) * kCell, cy = (cell / 16) * kCell;
    int inked = 0;
    for (int y = 0; y < kCell; ++y)
      for (int x = 0; x < kCell; ++x) {
        const bool inMargin = x < kMargin || y < kMargin || x >= kCell - kMargin ||
                              y >= kCell - kMargin;
        if (inMargin && font_.pixels.Get(cx + x, cy + y).a > 0) ++inked;
      }
    EXPECT_EQ(inked, 0) << "cell " << cell << " '" << static_cast<char>(32 + cell % 128) << "'";
  }
}

TEST_F(FontImageTest, WideLettersStayWideInsideTheMargin) {
  // Letters too wide for their cell are narrowed only as much as they must be.
  for (int set : {0, 1})
    for (char c : {'M', 'W', 'm', 'w'}) {
      const CellInk ink = InkOfCell(font_.pixels, set * 128 + c - 32);
      EXPECT_GE(ink.x1 - ink.x0, 12) << set << ":" << c;
    }
}

TEST_F(FontImageTest, CellsOutsideTheSetsAreEmpty) {
  for (int cell : {95, 96, 100, 127, 223, 224, 255}) {
    SCOPED_TRACE(cell);
    EXPECT_TRUE(InkOfCell(font_.pixels, cell).empty());
  }
}

TEST_F(FontImageTest, CapitalsSitOnTheCellsMiddleLine) {
  // Labels are printed 8 units above the bottom of a 32-unit button in a 16-unit-high cell, so a
  // capital centred in its cell is centred on the button.
  for (int set : {0, 1}) {
    const CellInk h = InkOfCell(font_.pixels, set * 128 + 'H' - 32);
    EXPECT_NEAR((h.y0 + h.y1) / 2.0, kCell / 2.0, 1.5) << set;
    EXPECT_GE(h.y1 - h.y0, 12) << set;  // big enough to read
  }
}

TEST_F(FontImageTest, LettersAreWhite) {
  const int cx = ('E' - 32 + 128) % 16 * kCell, cy = ('E' - 32 + 128) / 16 * kCell;
  int solid = 0;
  for (int y = 0; y < kCell; ++y)
    for (int x = 0; x < kCell; ++x) {
      const Rgba p = font_.pixels.Get(cx + x, cy + y);
      if (p.a > 0.99f) {
        ++solid;
        EXPECT_GT(p.r + p.g + p.b, 2.9f);
      }
    }
  EXPECT_GT(solid, 40);
}

}  // namespace
