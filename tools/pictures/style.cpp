#include "pictures/style.h"

#include <algorithm>
#include <cmath>

void FinishPicture(Canvas& canvas, std::uint32_t seed, float grain, float vignette) {
  canvas.Vignette(vignette);
  canvas.AddGrain(seed, grain);
}

void PaintBrickWall(Canvas& canvas, float x0, float y0, float x1, float y1, float brickHeight,
                    Rgba brick, Rgba mortar, std::uint32_t seed) {
  canvas.FillRect(x0, y0, x1, y1, mortar);
  const float brickWidth = brickHeight * 2.3f;
  const float joint = std::max(1.0f, brickHeight * 0.12f);
  int row = 0;
  for (float y = y0; y < y1; y += brickHeight, ++row) {
    const float shift = (row % 2) ? brickWidth / 2 : 0;
    int col = 0;
    for (float x = x0 - shift; x < x1; x += brickWidth, ++col) {
      const float tone = 0.75f + 0.5f * Hash01(seed, col, row);
      const Rgba c = Scale(brick, tone);
      canvas.FillRect(std::max(x0, x + joint / 2), y + joint / 2,
                      std::min(x1, x + brickWidth - joint / 2),
                      std::min(y1, y + brickHeight - joint / 2), c);
    }
  }
  // Soot and wear over the whole wall.
  const int ix0 = static_cast<int>(x0), ix1 = static_cast<int>(x1);
  const int iy0 = static_cast<int>(y0), iy1 = static_cast<int>(y1);
  for (int y = iy0; y < iy1; ++y)
    for (int x = ix0; x < ix1; ++x) {
      const float n = FractalNoise(seed + 11, x / 40.0f, y / 40.0f, 4);
      const float grit = Hash01(seed + 5, x, y);
      canvas.Paint(x, y, {0, 0, 0, 1}, std::clamp((n - 0.35f) * 1.2f, 0.0f, 0.7f) + grit * 0.08f);
    }
}

void PaintConcrete(Canvas& canvas, float x0, float y0, float x1, float y1, Rgba base,
                   float scale, std::uint32_t seed) {
  const int ix0 = std::max(0, static_cast<int>(x0)), ix1 = std::min(canvas.Width(), static_cast<int>(x1));
  const int iy0 = std::max(0, static_cast<int>(y0)), iy1 = std::min(canvas.Height(), static_cast<int>(y1));
  for (int y = iy0; y < iy1; ++y)
    for (int x = ix0; x < ix1; ++x) {
      const float n = FractalNoise(seed, x / scale, y / scale, 5);
      const float speck = Hash01(seed + 3, x, y);
      canvas.Set(x, y, WithAlpha(Scale(base, 0.55f + 0.8f * n + 0.12f * speck), 1));
    }
}

void LightFrom(Canvas& canvas, Point lamp, float radius, float ambient, Rgba tint) {
  for (int y = 0; y < canvas.Height(); ++y)
    for (int x = 0; x < canvas.Width(); ++x) {
      const float dx = (x + 0.5f - lamp.x) / radius, dy = (y + 0.5f - lamp.y) / radius;
      const float f = std::max(0.0f, 1 - std::sqrt(dx * dx + dy * dy));
      const float lit = (1 - ambient) * f * f;
      canvas.Paint(x, y, {ambient + lit * tint.r, ambient + lit * tint.g, ambient + lit * tint.b, 1},
                   1, BlendMode::Multiply);
    }
}

void PaintPlate(Canvas& canvas, float x0, float y0, float x1, float y1, float radius, Rgba top,
                Rgba bottom, Rgba rim) {
  const float h = y1 - y0;
  // Rim: the plate's edge catching the light.
  canvas.FillRoundRect(x0, y0, x1, y1, radius, rim);
  const float inset = std::max(1.5f, h * 0.07f);
  Canvas body(canvas.Width(), canvas.Height(), {0, 0, 0, 0});
  body.FillRoundRect(x0 + inset, y0 + inset, x1 - inset, y1 - inset, std::max(1.0f, radius - inset),
                     {1, 1, 1, 1});
  for (int y = static_cast<int>(y0); y < static_cast<int>(std::ceil(y1)); ++y)
    for (int x = static_cast<int>(x0); x < static_cast<int>(std::ceil(x1)); ++x) {
      const float a = body.Get(x, y).a;
      if (a <= 0) continue;
      const float t = (y + 0.5f - y0) / h;
      Rgba c = Mix(top, bottom, t);
      // Brushed metal: faint horizontal streaks.
      const float streak = ValueNoise(17, x / 30.0f, y * 1.7f) - 0.5f;
      c = Scale(c, 1 + streak * 0.18f);
      canvas.Paint(x, y, c, a);
    }
}
