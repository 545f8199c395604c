// Buttons, arrows, pointer, marks and bar fills.
#include <algorithm>
#include <cmath>

#include "pictures/pictures.h"
#include "pictures/style.h"

namespace {

using namespace palette;

// Fills a shape painted as white coverage with the warm gold gradient of the widgets and a dark
// outline, so arrows and buttons share one material.
void GoldShape(Canvas& layer, const std::vector<Point>& outline, float border) {
  Canvas shape(layer.Width(), layer.Height(), {0, 0, 0, 0});
  shape.FillPolygon(outline, {1, 1, 1, 1});
  Canvas inner(layer.Width(), layer.Height(), {0, 0, 0, 0});
  inner.FillPolygon(outline, {1, 1, 1, 1});
  // Shrink the inner shape by eroding it with a blur threshold.
  inner.Blur(border * 1.6f);
  for (int y = 0; y < layer.Height(); ++y)
    for (int x = 0; x < layer.Width(); ++x) {
      const float cover = shape.Get(x, y).a;
      if (cover <= 0) continue;
      const float core = std::clamp((inner.Get(x, y).a - 0.75f) * 6, 0.0f, 1.0f);
      const float t = static_cast<float>(y) / layer.Height();
      const Rgba metal = Mix(Hex(0xffd77a), Hex(0xb8561a), t);
      layer.Paint(x, y, Mix(Hex(0x1a0f08), metal, core), cover);
    }
}

}  // namespace

Canvas ButtonLayer() {
  Canvas layer(240, 64, {0, 0, 0, 0});
  PaintPlate(layer, 2, 2, 238, 62, 10, Hex(0x3c2a22), Hex(0x100b09), Hex(0xa8662a));
  // A thin warm line under the top edge and rivets at both ends.
  layer.FillRect(14, 8, 226, 9.5f, WithAlpha(kAmber, 0.35f));
  for (float x : {16.0f, 224.0f}) {
    layer.FillEllipse({x, 32}, 4, 4, Hex(0x1a100a));
    layer.FillEllipse({x - 1, 31}, 2.5f, 2.5f, Hex(0xc89048));
  }
  return layer;
}

Canvas SideArrowLayer(bool next) {
  Canvas layer(160, 64, {0, 0, 0, 0});
  GoldShape(layer, {{8, 22}, {92, 22}, {92, 6}, {152, 32}, {92, 58}, {92, 42}, {8, 42}}, 4);
  return next ? layer : layer.FlippedHorizontally();
}

Canvas ArenaArrowLayer(bool up) {
  Canvas layer(240, 64, {0, 0, 0, 0});
  // A wide chevron: the quad is squeezed 2:1 on screen, so draw it wide.
  const std::vector<Point> chevron = up
      ? std::vector<Point>{{30, 56}, {120, 8}, {210, 56}, {170, 56}, {120, 30}, {70, 56}}
      : std::vector<Point>{{30, 8}, {120, 56}, {210, 8}, {170, 8}, {120, 34}, {70, 8}};
  GoldShape(layer, chevron, 4);
  return layer;
}

Canvas PointerPicture() {
  // Only the triangle (0.5, 1), (0, 0), (1, 0) of the texture shows; in canvas rows (top first)
  // its tip is the top middle. The rest is outline colour so mipmaps do not bleed light in.
  Canvas c(64, 64, Hex(0x140a04));
  Canvas inside(64, 64, {0, 0, 0, 0});
  inside.FillPolygon({{32, 10}, {56, 57}, {8, 57}}, {1, 1, 1, 1});
  Canvas shade(64, 64);
  shade.LinearGradient({10, 60}, {40, 10}, Hex(0xb85a18), Hex(0xfff2c8));
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) c.Paint(x, y, shade.Get(x, y), inside.Get(x, y).a);
  return c;
}

Canvas MarkPicture() {
  Canvas c(64, 64, Hex(0x1a0a08));
  PaintPlate(c, 2, 2, 62, 62, 8, Hex(0x8a1a14), Hex(0x3a0806), Hex(0xe0a040));
  std::vector<Point> star;
  for (int i = 0; i < 10; ++i) {
    const float a = -1.5708f + i * 3.14159f / 5, r = (i % 2) ? 11 : 24;
    star.push_back({32 + std::cos(a) * r, 33 + std::sin(a) * r});
  }
  Canvas layer(64, 64, {0, 0, 0, 0});
  GoldShape(layer, star, 2);
  c.Draw(layer, 0, 0);
  return c;
}

namespace {

// A bar fill: a gradient along the length, a glossy top, darker bottom, faint diagonal grooves.
Canvas BarFill(int w, int h, Rgba left, Rgba right) {
  Canvas c(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const float t = static_cast<float>(x) / (w - 1), v = (y + 0.5f) / h;
      Rgba col = Mix(left, right, t);
      const float gloss = v < 0.45f ? 1.25f - v * 0.4f : 1.0f - (v - 0.45f) * 0.9f;
      const float groove = (static_cast<int>(x + y) % 12 < 2) ? 0.82f : 1.0f;
      col = Scale(col, gloss * groove);
      c.Set(x, y, col);
    }
  c.FillRect(0, 0, w, 1.5f, WithAlpha(Hex(0xfff0d0), 0.5f), BlendMode::Add);
  return c;
}

}  // namespace

Canvas LifeBarFill() { return BarFill(520, 36, Hex(0x8a0a0e), Hex(0xf0b02a)); }

Canvas TirednessBarFill() { return BarFill(320, 24, Hex(0xe8d070), Hex(0xd0501a)); }

Canvas StatBarPattern() {
  // Four blocks per repeat; the texture repeats along the bar, so both ends meet seamlessly.
  Canvas c(256, 16, Hex(0x120a06));
  for (int i = 0; i < 4; ++i) {
    const float x0 = i * 64 + 3, x1 = i * 64 + 59;
    for (int y = 2; y < 14; ++y) {
      const float v = (y - 2) / 12.0f;
      c.FillRect(x0, y, x1, y + 1, Mix(Hex(0xffe08a), Hex(0xb8561a), v));
    }
    c.FillRect(x0, 2, x1, 3, WithAlpha(Hex(0xfff6e0), 0.6f), BlendMode::Add);
  }
  return c;
}
