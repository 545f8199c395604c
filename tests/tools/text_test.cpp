#include "common/text.h"

#include <gtest/gtest.h>

namespace {

// Bounding box of the ink (red above 0.5) in a canvas.
struct Ink {
  int x0 = 1 << 20, y0 = 1 << 20, x1 = -1, y1 = -1;
};
Ink FindInk(const Canvas& c) {
  Ink ink;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Get(x, y).r > 0.5f) {
        ink.x0 = std::min(ink.x0, x); ink.x1 = std::max(ink.x1, x);
        ink.y0 = std::min(ink.y0, y); ink.y1 = std::max(ink.y1, y);
      }
  return ink;
}

TEST(TextTest, CapitalsSitOnTheBaselineAtTheirHeight) {
  const FontFace face(kBoldFontFile, 40);
  Canvas c(200, 80, {0, 0, 0, 1});
  const float end = face.Draw(c, 10, 60, "HI", {1, 1, 1, 1});
  const Ink ink = FindInk(c);
  EXPECT_NEAR(ink.y1, 59, 1);                       // bottom of the capitals on the baseline
  EXPECT_NEAR(60 - ink.y0, face.CapHeight(), 1.5);  // top at the cap height
  EXPECT_GE(ink.x0, 10);
  EXPECT_NEAR(end - 10, face.Measure("HI"), 0.01);
  EXPECT_GT(face.Measure("HI"), 30);
}

TEST(TextTest, WidthScaleNarrowsTheLetters) {
  const FontFace wide(kBoldFontFile, 40);
  const FontFace narrow(kBoldFontFile, 40, 0.5f);
  EXPECT_NEAR(narrow.Measure("MOW"), wide.Measure("MOW") / 2, 1.5);
  EXPECT_GT(wide.Measure("MOW", 5), wide.Measure("MOW") + 9);
}

TEST(TextTest, UnprintableBytesDrawNothing) {
  const FontFace face(kDisplayFontFile, 30);
  Canvas c(50, 50, {0, 0, 0, 1});
  face.Draw(c, 5, 40, "\t\x7f\xe9", {1, 1, 1, 1});
  EXPECT_EQ(FindInk(c).x1, -1);
  EXPECT_EQ(face.Measure("\n"), 0);
}

TEST(TextTest, MissingFontFileThrows) {
  EXPECT_THROW(FontFace("/nonexistent/font.ttf", 12), std::runtime_error);
}

TEST(TextTest, TitleIsCentredOnThePoint) {
  const FontFace face(kDisplayFontFile, 60);
  Canvas c(400, 120, {0, 0, 0, 1});
  TitleStyle style;
  style.fill = {1, 0, 0, 1};
  style.shadow = {0, 0, 0, 0};
  DrawTitle(c, face, "ROUND", 200, 60, style);
  const Ink ink = FindInk(c);
  EXPECT_NEAR((ink.x0 + ink.x1) / 2.0, 200, 3);
  EXPECT_NEAR((ink.y0 + ink.y1) / 2.0, 60, 3);
}

}  // namespace
