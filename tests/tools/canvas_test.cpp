#include "common/canvas.h"

#include <gtest/gtest.h>

namespace {

float MeanRed(const Canvas& c) {
  double sum = 0;
  for (const Rgba& p : c.Pixels()) sum += p.r;
  return static_cast<float>(sum / c.Pixels().size());
}

TEST(CanvasTest, OverOnTransparentGivesThePaintedColour) {
  Canvas c(2, 1, {0, 0, 0, 0});
  c.Paint(0, 0, {1, 0.5f, 0, 1});
  c.Paint(1, 0, {1, 0.5f, 0, 0.5f});
  EXPECT_FLOAT_EQ(c.Get(0, 0).g, 0.5f);
  EXPECT_FLOAT_EQ(c.Get(1, 0).r, 1);  // straight alpha: the colour is not darkened
  EXPECT_FLOAT_EQ(c.Get(1, 0).a, 0.5f);
}

TEST(CanvasTest, BlendModes) {
  Canvas c(4, 1, {0.5f, 0.5f, 0.5f, 1});
  c.Paint(0, 0, {0.25f, 0.25f, 0.25f, 1}, 1, BlendMode::Add);
  c.Paint(1, 0, {0.5f, 1, 0, 1}, 1, BlendMode::Multiply);
  c.Paint(2, 0, {0.5f, 0.5f, 0.5f, 1}, 1, BlendMode::Screen);
  c.Paint(3, 0, {0, 0, 0, 1}, 0.25f, BlendMode::Erase);
  EXPECT_FLOAT_EQ(c.Get(0, 0).r, 0.75f);
  EXPECT_FLOAT_EQ(c.Get(1, 0).r, 0.25f);
  EXPECT_FLOAT_EQ(c.Get(1, 0).g, 0.5f);
  EXPECT_FLOAT_EQ(c.Get(1, 0).b, 0);
  EXPECT_FLOAT_EQ(c.Get(2, 0).r, 0.75f);
  EXPECT_FLOAT_EQ(c.Get(3, 0).a, 0.75f);
  EXPECT_FLOAT_EQ(c.Get(3, 0).r, 0.5f);
}

TEST(CanvasTest, ShapesCoverTheirAreaWithSoftEdges) {
  Canvas c(10, 10, {0, 0, 0, 1});
  c.FillRect(2, 2, 4.5f, 6, {1, 0, 0, 1});
  EXPECT_FLOAT_EQ(c.Get(2, 2).r, 1);
  EXPECT_FLOAT_EQ(c.Get(4, 3).r, 0.5f);  // half of the pixel column is covered
  EXPECT_FLOAT_EQ(c.Get(1, 3).r, 0);
  EXPECT_FLOAT_EQ(c.Get(3, 6).r, 0);
  EXPECT_NEAR(MeanRed(c), 2.5f * 4 / 100, 1e-5);

  Canvas disc(40, 40, {0, 0, 0, 1});
  disc.FillEllipse({20, 20}, 10, 10, {1, 0, 0, 1});
  EXPECT_NEAR(MeanRed(disc) * 1600, 3.14159f * 100, 6);
  EXPECT_FLOAT_EQ(disc.Get(20, 20).r, 1);
  EXPECT_FLOAT_EQ(disc.Get(2, 2).r, 0);

  Canvas tri(20, 20, {0, 0, 0, 1});
  tri.FillPolygon({{0, 0}, {20, 0}, {0, 20}}, {1, 0, 0, 1});
  EXPECT_NEAR(MeanRed(tri), 0.5f, 0.01f);
  EXPECT_FLOAT_EQ(tri.Get(1, 1).r, 1);
  EXPECT_FLOAT_EQ(tri.Get(18, 18).r, 0);

  Canvas line(20, 20, {0, 0, 0, 1});
  line.StrokeLine({5, 10}, {15, 10}, 4, {1, 0, 0, 1});
  EXPECT_FLOAT_EQ(line.Get(10, 9).r, 1);
  EXPECT_FLOAT_EQ(line.Get(10, 14).r, 0);
  // Round ends: the area is a 10 x 4 box plus a disc of radius 2.
  EXPECT_NEAR(MeanRed(line) * 400, 40 + 3.14159f * 4, 1.5f);
}

TEST(CanvasTest, BlurKeepsTheTotalAndSpreadsIt) {
  Canvas c(31, 31, {0, 0, 0, 1});
  c.Set(15, 15, {1, 0, 0, 1});
  c.Blur(4);
  EXPECT_NEAR(MeanRed(c) * 31 * 31, 1, 1e-4);
  EXPECT_GT(c.Get(17, 15).r, 0);
  EXPECT_LT(c.Get(15, 15).r, 0.1f);
  EXPECT_NEAR(c.Get(13, 15).r, c.Get(17, 15).r, 1e-6);
}

TEST(CanvasTest, MaskIsWhiteWhereTheLayerIsTransparentAndFaceIsBlackThere) {
  Canvas layer(3, 1, {0, 0, 0, 0});
  layer.Set(0, 0, {1, 0.5f, 0.25f, 1});
  layer.Set(1, 0, {1, 1, 1, 0.25f});
  const Canvas mask = MaskFromLayer(layer);
  const Canvas face = FaceFromLayer(layer);
  EXPECT_FLOAT_EQ(mask.Get(0, 0).r, 0);
  EXPECT_FLOAT_EQ(mask.Get(1, 0).g, 0.75f);
  EXPECT_FLOAT_EQ(mask.Get(2, 0).b, 1);
  EXPECT_FLOAT_EQ(face.Get(0, 0).g, 0.5f);
  EXPECT_FLOAT_EQ(face.Get(1, 0).r, 0.25f);
  EXPECT_FLOAT_EQ(face.Get(2, 0).r, 0);
  // On screen: background x mask + face.
  const float screen = 0.8f;
  EXPECT_FLOAT_EQ(screen * mask.Get(2, 0).r + face.Get(2, 0).r, screen);
  EXPECT_FLOAT_EQ(screen * mask.Get(0, 0).r + face.Get(0, 0).r, 1);
}

TEST(CanvasTest, NoiseIsDeterministicAndInRange) {
  float lo = 1, hi = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 50; ++x) {
      const float v = FractalNoise(7, x * 0.37f, y * 0.37f, 4);
      lo = std::min(lo, v);
      hi = std::max(hi, v);
      EXPECT_EQ(v, FractalNoise(7, x * 0.37f, y * 0.37f, 4));
    }
  }
  EXPECT_GE(lo, 0);
  EXPECT_LE(hi, 1);
  EXPECT_GT(hi - lo, 0.3f);
  EXPECT_NE(Hash01(1, 2, 3), Hash01(2, 2, 3));
}

TEST(CanvasTest, DrawScaledAndFlipPlaceThePicture) {
  Canvas src(2, 1, {0, 0, 0, 1});
  src.Set(0, 0, {1, 0, 0, 1});
  const Canvas flipped = src.FlippedHorizontally();
  EXPECT_FLOAT_EQ(flipped.Get(1, 0).r, 1);
  EXPECT_FLOAT_EQ(flipped.Get(0, 0).r, 0);
  Canvas dst(8, 4, {0, 0, 1, 1});
  dst.DrawScaled(src, 0, 0, 8, 4);
  EXPECT_FLOAT_EQ(dst.Get(0, 0).r, 1);
  EXPECT_FLOAT_EQ(dst.Get(7, 3).r, 0);
  EXPECT_FLOAT_EQ(dst.Get(7, 3).b, 0);
}

}  // namespace
