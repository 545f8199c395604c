#include "pictures/places.h"

#include <algorithm>
#include <cmath>

#include "pictures/style.h"

namespace {

using namespace palette;

struct Frame {
  float w, h;
  float X(float u) const { return u * w; }
  float Y(float v) const { return v * h; }
  Point P(float u, float v) const { return {u * w, v * h}; }
  float S(float f) const { return f * std::min(w, h); }
};

void Sky(Canvas& c, const Frame& f, Rgba top, Rgba horizon, float horizonV) {
  c.LinearGradient({0, 0}, f.P(0, horizonV), top, horizon);
}

void Rain(Canvas& c, const Frame& f, std::uint32_t seed, int drops, Rgba colour) {
  for (int i = 0; i < drops; ++i) {
    const float x = Hash01(seed, i, 0) * f.w, y = Hash01(seed, i, 1) * f.h;
    const float len = f.S(0.03f + 0.04f * Hash01(seed, i, 2));
    c.StrokeLine({x, y}, {x - len * 0.2f, y + len}, std::max(1.0f, f.S(0.002f)), colour,
                 BlendMode::Add);
  }
}

void Smoke(Canvas& c, const Frame& f, std::uint32_t seed, Rgba colour, float amount) {
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) {
      const float n = FractalNoise(seed, x / f.S(0.25f), y / f.S(0.12f), 4);
      c.Paint(x, y, colour, std::max(0.0f, n - 0.45f) * amount, BlendMode::Screen);
    }
}

// Wet ground: a mirror of the lights above the floor line, darkened and smeared.
void WetReflection(Canvas& c, float floorY, float strength) {
  const Canvas above = c;
  for (int y = static_cast<int>(floorY); y < c.Height(); ++y) {
    const float depth = y - floorY;
    const float srcY = floorY - depth * 1.2f;
    if (srcY < 0) break;
    const float fade = strength * (1 - depth / (c.Height() - floorY + 1));
    for (int x = 0; x < c.Width(); ++x) {
      // Ripples smear the mirror image sideways and stretch it down.
      Rgba sum{0, 0, 0, 0};
      for (int i = 0; i < 4; ++i) {
        const Rgba s = above.Sample(x + 0.5f + (i - 1.5f) * 3, srcY - i * 2.0f);
        sum = {sum.r + s.r / 4, sum.g + s.g / 4, sum.b + s.b / 4, 1};
      }
      c.Paint(x, y, sum, fade * 0.5f, BlendMode::Screen);
    }
  }
}

void Bulb(Canvas& c, Point p, float size, Rgba colour) {
  c.Glow(p, size * 14, Scale(colour, 0.35f), 2.2f);
  c.Glow(p, size * 5, Scale(colour, 0.6f), 1.5f);
  c.FillEllipse(p, size, size, Mix(colour, {1, 1, 1, 1}, 0.7f));
}

void Cell(Canvas& c, const Frame& f, PlaceMood mood) {
  const Rgba wall = mood == PlaceMood::Alarm ? Hex(0x6a3a33) : Hex(0x6b645a);
  // Concrete block wall with a barred window high up.
  c.Fill(Hex(0x2a2624));
  const float floorV = 0.78f;
  for (float v = 0; v < floorV; v += 0.09f)
    for (float u = (static_cast<int>(v / 0.09f) % 2) * -0.09f; u < 1; u += 0.18f)
      c.FillRect(f.X(u) + 1.5f, f.Y(v) + 1.5f, f.X(u + 0.18f) - 1.5f, f.Y(v + 0.09f) - 1.5f,
                 Scale(wall, 0.8f + 0.3f * Hash01(21, static_cast<int>(u * 100), static_cast<int>(v * 100))));
  PaintConcrete(c, 0, f.Y(floorV), f.w, f.h, Hex(0x3a3532), f.S(0.08f), 22);
  const float wx0 = f.X(0.56f), wx1 = f.X(0.74f), wy0 = f.Y(0.14f), wy1 = f.Y(0.32f);
  c.FillRect(wx0, wy0, wx1, wy1, mood == PlaceMood::Dawn ? Hex(0x9fb4c8) : Hex(0x1c2a44));
  c.Glow({(wx0 + wx1) / 2, (wy0 + wy1) / 2}, f.S(0.2f), Scale(kMoon, 0.5f), 2);
  for (int i = 1; i < 5; ++i)
    c.FillRect(wx0 + (wx1 - wx0) * i / 5 - f.S(0.006f), wy0, wx0 + (wx1 - wx0) * i / 5 + f.S(0.006f), wy1, kNight);
  // Moonlight falling from the window onto the floor.
  c.FillPolygon({{wx0, wy1}, {wx1, wy1}, {f.X(0.6f), f.Y(0.98f)}, {f.X(0.3f), f.Y(0.98f)}},
                WithAlpha(kMoon, 0.12f), BlendMode::Add);
  // Bunk on the left.
  c.FillRect(f.X(0.04f), f.Y(0.5f), f.X(0.34f), f.Y(0.56f), Hex(0x3b3f45));
  c.FillRect(f.X(0.04f), f.Y(0.47f), f.X(0.34f), f.Y(0.5f), Hex(0x75604a));
  c.FillRect(f.X(0.05f), f.Y(0.56f), f.X(0.07f), f.Y(0.8f), Hex(0x26282c));
  c.FillRect(f.X(0.31f), f.Y(0.56f), f.X(0.33f), f.Y(0.8f), Hex(0x26282c));
  // A caged bulb: the warm light of the cell (red in a riot).
  const Rgba bulb = mood == PlaceMood::Alarm ? kBlood : kAmber;
  c.StrokeLine(f.P(0.45f, 0), f.P(0.45f, 0.08f), f.S(0.006f), kNight);
  LightFrom(c, f.P(0.45f, 0.12f), f.S(1.1f), mood == PlaceMood::Dawn ? 0.45f : 0.25f, bulb);
  Bulb(c, f.P(0.45f, 0.11f), f.S(0.018f), bulb);
  // Bars across the front of the cell.
  for (int i = 0; i < 9; ++i) {
    const float x = f.X(0.06f + i * 0.115f);
    c.FillRect(x - f.S(0.014f), 0, x + f.S(0.014f), f.h, Hex(0x141414));
    c.FillRect(x - f.S(0.014f), 0, x - f.S(0.006f), f.h, WithAlpha(bulb, 0.35f), BlendMode::Add);
  }
  c.FillRect(0, f.Y(0.2f), f.w, f.Y(0.235f), Hex(0x141414));
  c.FillRect(0, f.Y(0.2f), f.w, f.Y(0.208f), WithAlpha(bulb, 0.3f), BlendMode::Add);
  if (mood == PlaceMood::Alarm) Smoke(c, f, 31, Hex(0x803028), 0.9f);
}

void Yard(Canvas& c, const Frame& f, PlaceMood mood) {
  Sky(c, f, Hex(0x05070d), mood == PlaceMood::Dawn ? Hex(0x5a6680) : Hex(0x1b2333), 0.55f);
  const float ground = f.Y(0.62f);
  // Prison block and watchtower behind the fence.
  c.FillRect(0, f.Y(0.3f), f.X(0.55f), ground, Hex(0x17181c));
  for (int i = 0; i < 8; ++i)
    c.FillRect(f.X(0.04f + i * 0.065f), f.Y(0.38f), f.X(0.065f + i * 0.065f), f.Y(0.42f),
               i % 3 == 1 ? WithAlpha(kAmber, 0.9f) : Hex(0x22242a));
  c.FillRect(f.X(0.72f), f.Y(0.14f), f.X(0.76f), ground, Hex(0x101114));
  c.FillRect(f.X(0.68f), f.Y(0.1f), f.X(0.8f), f.Y(0.17f), Hex(0x15161a));
  c.FillPolygon({f.P(0.67f, 0.1f), f.P(0.81f, 0.1f), f.P(0.74f, 0.05f)}, Hex(0x0c0c0e));
  // Searchlight beam sweeping the yard.
  const Rgba beam = mood == PlaceMood::Alarm ? kBlood : Hex(0xfff0c8);
  c.FillPolygon({f.P(0.73f, 0.135f), f.P(0.75f, 0.135f), f.P(0.42f, 1.0f), f.P(0.12f, 1.0f)},
                WithAlpha(beam, 0.16f), BlendMode::Add);
  Bulb(c, f.P(0.74f, 0.135f), f.S(0.015f), beam);
  PaintConcrete(c, 0, ground, f.w, f.h, Hex(0x3d3a38), f.S(0.1f), 41);
  c.EllipticGlow(f.P(0.27f, 0.86f), f.S(0.35f), f.S(0.1f), WithAlpha(beam, 0.35f), 1.5f);
  // Floodlight on a pole: the warm light of the yard.
  LightFrom(c, f.P(0.15f, 0.25f), f.S(1.2f), 0.3f, kAmber);
  c.FillRect(f.X(0.145f), f.Y(0.24f), f.X(0.155f), ground, Hex(0x0e0e10));
  Bulb(c, f.P(0.15f, 0.24f), f.S(0.015f), kAmber);
  // Chain-link fence with razor wire on top.
  const float fenceTop = f.Y(0.36f), fenceBottom = f.Y(0.66f);
  const float mesh = f.S(0.03f);
  for (float x = -f.h; x < f.w + f.h; x += mesh) {
    c.StrokeLine({x, fenceTop}, {x + (fenceBottom - fenceTop), fenceBottom}, 1, WithAlpha(kSteel, 0.35f));
    c.StrokeLine({x, fenceTop}, {x - (fenceBottom - fenceTop), fenceBottom}, 1, WithAlpha(kSteel, 0.35f));
  }
  for (float u = 0; u <= 1.01f; u += 0.125f)
    c.FillRect(f.X(u) - f.S(0.006f), fenceTop - f.S(0.04f), f.X(u) + f.S(0.006f), fenceBottom, Hex(0x2a2c30));
  for (float x = 0; x < f.w; x += f.S(0.035f))
    c.FillEllipse({x, fenceTop - f.S(0.025f)}, f.S(0.022f), f.S(0.018f), WithAlpha(kSteel, 0.5f));
  for (float x = 0; x < f.w; x += f.S(0.035f))
    c.FillEllipse({x, fenceTop - f.S(0.025f)}, f.S(0.018f), f.S(0.014f), Hex(0x0d0f14));
  Rain(c, f, 43, mood == PlaceMood::Calm ? 120 : 260, WithAlpha(Hex(0x9aa6b8), 0.25f));
}

void GasStation(Canvas& c, const Frame& f, PlaceMood mood) {
  Sky(c, f, Hex(0x060812), mood == PlaceMood::Dawn ? Hex(0xc07a48) : Hex(0x3a2030), 0.6f);
  const float ground = f.Y(0.62f);
  PaintConcrete(c, 0, ground, f.w, f.h, Hex(0x302c2a), f.S(0.12f), 51);
  // Distant hills.
  c.FillPolygon({f.P(0, 0.62f), f.P(0, 0.52f), f.P(0.2f, 0.48f), f.P(0.45f, 0.55f), f.P(0.7f, 0.47f),
                 f.P(1, 0.53f), f.P(1, 0.62f)}, Hex(0x0b0a10));
  // Canopy with a lit edge and its light pouring down.
  const Rgba lamp = mood == PlaceMood::Alarm ? kBlood : Hex(0xffdca0);
  c.FillPolygon({f.P(0.18f, 0.78f), f.P(0.95f, 0.78f), f.P(0.92f, 0.3f), f.P(0.22f, 0.3f)},
                WithAlpha(lamp, 0.12f), BlendMode::Add);
  c.FillRect(f.X(0.15f), f.Y(0.2f), f.X(0.98f), f.Y(0.28f), Hex(0xd8d2c8));
  c.FillRect(f.X(0.15f), f.Y(0.2f), f.X(0.98f), f.Y(0.225f), kBlood);
  c.FillRect(f.X(0.15f), f.Y(0.28f), f.X(0.98f), f.Y(0.3f), WithAlpha(lamp, 0.9f));
  for (float u : {0.25f, 0.88f})
    c.FillRect(f.X(u), f.Y(0.3f), f.X(u + 0.025f), ground + f.Y(0.1f), Hex(0x8a8680));
  // Pumps.
  for (float u : {0.42f, 0.64f}) {
    c.FillRect(f.X(u), f.Y(0.5f), f.X(u + 0.07f), f.Y(0.74f), Hex(0xc8c0b4));
    c.FillRect(f.X(u), f.Y(0.5f), f.X(u + 0.07f), f.Y(0.56f), kBlood);
    c.FillRect(f.X(u + 0.012f), f.Y(0.58f), f.X(u + 0.058f), f.Y(0.63f), Hex(0x20302a));
    c.FillRect(f.X(u + 0.015f), f.Y(0.59f), f.X(u + 0.05f), f.Y(0.61f), WithAlpha(Hex(0x7dff9a), 0.8f));
  }
  LightFrom(c, f.P(0.58f, 0.3f), f.S(1.3f), 0.3f, lamp);
  c.EllipticGlow(f.P(0.58f, 0.85f), f.S(0.6f), f.S(0.12f), WithAlpha(lamp, 0.25f), 1.2f);
  // The price sign on its pole.
  c.FillRect(f.X(0.06f), f.Y(0.1f), f.X(0.075f), ground, Hex(0x16161a));
  c.FillRect(f.X(0.01f), f.Y(0.08f), f.X(0.13f), f.Y(0.2f), Hex(0x1c1a1a));
  c.FillRect(f.X(0.015f), f.Y(0.09f), f.X(0.125f), f.Y(0.12f), WithAlpha(kAmber, 0.9f));
  c.Glow(f.P(0.07f, 0.105f), f.S(0.1f), WithAlpha(kAmber, 0.4f), 2);
  for (int i = 0; i < 3; ++i)
    c.FillRect(f.X(0.025f + i * 0.035f), f.Y(0.14f), f.X(0.05f + i * 0.035f), f.Y(0.18f), WithAlpha(kEmber, 0.95f));
  WetReflection(c, ground + f.Y(0.1f), 0.4f);
}

void Tree(Canvas& c, const Frame& f, float u, float v, float size, std::uint32_t seed, Rgba colour) {
  c.StrokeTapered(f.P(u, v), f.P(u + 0.01f, v - size * 0.9f), f.S(0.035f) * size * 2,
                  f.S(0.012f) * size * 2, colour);
  for (int i = 0; i < 26; ++i) {
    const float a = Hash01(seed, i, 0) * 6.283f, r = Hash01(seed, i, 1) * size * 0.45f;
    c.FillEllipse({f.X(u) + std::cos(a) * f.S(r), f.Y(v - size) + std::sin(a) * f.S(r) * 0.7f},
                  f.S(size * (0.12f + 0.12f * Hash01(seed, i, 2))),
                  f.S(size * (0.1f + 0.1f * Hash01(seed, i, 3))), colour);
  }
}

void Park(Canvas& c, const Frame& f, PlaceMood mood) {
  Sky(c, f, Hex(0x05070e), mood == PlaceMood::Dawn ? Hex(0x6d6a80) : Hex(0x2c3448), 0.6f);
  c.Glow(f.P(0.45f, 0.14f), f.S(0.45f), WithAlpha(kMoon, 0.4f), 2);
  c.FillEllipse(f.P(0.45f, 0.14f), f.S(0.04f), f.S(0.04f), Hex(0xdfe6f0));
  // City towers far off.
  for (int i = 0; i < 14; ++i) {
    const float u = i / 14.0f, top = 0.3f + 0.2f * Hash01(61, i, 0);
    c.FillRect(f.X(u), f.Y(top), f.X(u + 0.06f), f.Y(0.62f), Hex(0x0d0f16));
    for (int w = 0; w < 6; ++w)
      if (Hash01(62, i, w) > 0.6f)
        c.FillRect(f.X(u + 0.01f + 0.015f * (w % 3)), f.Y(top + 0.04f + 0.05f * (w / 3)),
                   f.X(u + 0.018f + 0.015f * (w % 3)), f.Y(top + 0.06f + 0.05f * (w / 3)), WithAlpha(kAmber, 0.7f));
  }
  const float ground = f.Y(0.66f);
  c.FillRect(0, ground, f.w, f.h, Hex(0x101510));
  PaintConcrete(c, f.X(0.3f), ground, f.X(0.7f), f.h, Hex(0x34302a), f.S(0.1f), 63);
  // Trees frame the path on both sides and leave the sky open in the middle.
  const float treeUs[] = {0.02f, 0.17f, 0.86f, 1.0f};
  for (int i = 0; i < 4; ++i)
    Tree(c, f, treeUs[i], 0.7f, 0.42f + 0.08f * (i % 2), 64 + i, Hex(0x070907));
  // A park lamp and a burned bench under it.
  const Rgba lamp = mood == PlaceMood::Alarm ? kEmber : kAmber;
  LightFrom(c, f.P(0.62f, 0.4f), f.S(1.1f), 0.42f, lamp);
  c.FillRect(f.X(0.615f), f.Y(0.4f), f.X(0.627f), f.Y(0.8f), Hex(0x0d0d0d));
  Bulb(c, f.P(0.62f, 0.4f), f.S(0.018f), lamp);
  c.EllipticGlow(f.P(0.6f, 0.82f), f.S(0.4f), f.S(0.08f), WithAlpha(lamp, 0.4f), 1.3f);
  c.FillRect(f.X(0.7f), f.Y(0.74f), f.X(0.88f), f.Y(0.76f), Hex(0x1b1411));
  c.FillRect(f.X(0.7f), f.Y(0.7f), f.X(0.88f), f.Y(0.72f), Hex(0x1b1411));
  c.FillRect(f.X(0.71f), f.Y(0.76f), f.X(0.72f), f.Y(0.8f), Hex(0x0b0b0b));
  c.FillRect(f.X(0.86f), f.Y(0.76f), f.X(0.87f), f.Y(0.8f), Hex(0x0b0b0b));
  if (mood == PlaceMood::Alarm) {
    // A burning barrel.
    c.FillRect(f.X(0.16f), f.Y(0.72f), f.X(0.22f), f.Y(0.82f), Hex(0x1e1812));
    c.Glow(f.P(0.19f, 0.7f), f.S(0.25f), WithAlpha(kEmber, 0.7f), 2);
    c.Glow(f.P(0.19f, 0.71f), f.S(0.05f), WithAlpha(kGold, 0.9f), 1);
  }
  Smoke(c, f, 65, Hex(0x3a4048), 0.3f);
}

void Crosswalk(Canvas& c, const Frame& f, PlaceMood mood) {
  Sky(c, f, Hex(0x07060a), Hex(0x2a1a22), 0.5f);
  // Buildings with lit windows on both sides.
  for (int side = 0; side < 2; ++side)
    for (int i = 0; i < 4; ++i) {
      const float u0 = side ? 0.62f + i * 0.1f : i * 0.1f, top = 0.05f + 0.15f * Hash01(71, side, i);
      c.FillRect(f.X(u0), f.Y(top), f.X(u0 + 0.1f), f.Y(0.6f), Scale(Hex(0x15131a), 0.8f + 0.4f * Hash01(72, side, i)));
      for (int r = 0; r < 8; ++r)
        for (int k = 0; k < 3; ++k)
          if (Hash01(73 + side, i * 10 + r, k) > 0.55f)
            c.FillRect(f.X(u0 + 0.015f + k * 0.03f), f.Y(top + 0.04f + r * 0.06f), f.X(u0 + 0.03f + k * 0.03f),
                       f.Y(top + 0.07f + r * 0.06f), WithAlpha(Hash01(74, r, k) > 0.5f ? kAmber : kGold, 0.8f));
    }
  const float road = f.Y(0.6f);
  PaintConcrete(c, 0, road, f.w, f.h, Hex(0x26242a), f.S(0.1f), 75);
  // Zebra stripes in perspective toward the vanishing point.
  const Point vp = f.P(0.5f, 0.45f);
  for (int i = -5; i <= 5; ++i) {
    auto at = [&](float t, float x) { return Point{vp.x + (x - vp.x) * t, vp.y + (f.h - vp.y) * t}; };
    const float x0 = f.X(0.5f + i * 0.16f), x1 = f.X(0.5f + i * 0.16f + 0.09f);
    c.FillPolygon({at(0.62f, x0), at(0.62f, x1), at(1.0f, x1), at(1.0f, x0)}, WithAlpha(Hex(0xd8d4c8), 0.75f));
  }
  // Traffic light stuck on red.
  const Rgba red = mood == PlaceMood::Dawn ? kAmber : Hex(0xff2a20);
  c.FillRect(f.X(0.8f), f.Y(0.2f), f.X(0.812f), f.Y(0.72f), Hex(0x0c0c0e));
  c.FillRect(f.X(0.785f), f.Y(0.12f), f.X(0.827f), f.Y(0.3f), Hex(0x141416));
  c.Glow(f.P(0.806f, 0.15f), f.S(0.45f), WithAlpha(red, 0.6f), 2);
  c.Glow(f.P(0.806f, 0.15f), f.S(0.08f), WithAlpha(red, 0.9f), 1.2f);
  c.FillEllipse(f.P(0.806f, 0.15f), f.S(0.014f), f.S(0.014f), Mix(red, {1, 1, 1, 1}, 0.4f));
  for (float v : {0.2f, 0.25f}) c.FillEllipse(f.P(0.806f, v), f.S(0.012f), f.S(0.012f), Hex(0x202020));
  // Street lamp.
  LightFrom(c, f.P(0.3f, 0.2f), f.S(1.3f), 0.32f, kAmber);
  c.FillRect(f.X(0.29f), f.Y(0.2f), f.X(0.3f), f.Y(0.65f), Hex(0x0c0c0e));
  Bulb(c, f.P(0.3f, 0.2f), f.S(0.016f), kAmber);
  c.EllipticGlow(f.P(0.5f, 0.85f), f.S(0.55f), f.S(0.1f), WithAlpha(red, 0.2f), 1.2f);
  WetReflection(c, road, 0.55f);
}

void BusStop(Canvas& c, const Frame& f, PlaceMood mood) {
  Sky(c, f, Hex(0x05060a), Hex(0x1c2230), 0.6f);
  PaintBrickWall(c, 0, f.Y(0.1f), f.w, f.Y(0.64f), f.S(0.035f), Hex(0x3a1e16), Hex(0x1a1412), 81);
  const float kerb = f.Y(0.7f);
  PaintConcrete(c, 0, f.Y(0.64f), f.w, kerb, Hex(0x3c3834), f.S(0.06f), 82);
  PaintConcrete(c, 0, kerb, f.w, f.h, Hex(0x222026), f.S(0.1f), 83);
  c.FillRect(0, kerb - f.S(0.005f), f.w, kerb + f.S(0.008f), Hex(0x5a5650));
  // The shelter: roof, frame and glass with a poster.
  c.FillRect(f.X(0.22f), f.Y(0.18f), f.X(0.78f), f.Y(0.22f), Hex(0x1b1c20));
  for (float u : {0.23f, 0.5f, 0.76f}) c.FillRect(f.X(u), f.Y(0.22f), f.X(u + 0.012f), f.Y(0.68f), Hex(0x2a2c30));
  c.FillRect(f.X(0.242f), f.Y(0.24f), f.X(0.5f), f.Y(0.62f), WithAlpha(Hex(0x8fa3b8), 0.12f), BlendMode::Add);
  c.FillRect(f.X(0.52f), f.Y(0.26f), f.X(0.74f), f.Y(0.58f), Hex(0x2a1210));
  c.FillRect(f.X(0.53f), f.Y(0.28f), f.X(0.73f), f.Y(0.56f), WithAlpha(kEmber, 0.35f), BlendMode::Add);
  c.FillRect(f.X(0.3f), f.Y(0.5f), f.X(0.46f), f.Y(0.52f), Hex(0x1b1c20));
  // The round stop sign.
  c.FillRect(f.X(0.88f), f.Y(0.16f), f.X(0.89f), f.Y(0.72f), Hex(0x1a1a1c));
  c.FillEllipse(f.P(0.885f, 0.16f), f.S(0.05f), f.S(0.05f), Hex(0xc8c2b0));
  c.FillEllipse(f.P(0.885f, 0.16f), f.S(0.04f), f.S(0.04f), kBlood);
  c.FillRect(f.X(0.86f), f.Y(0.15f), f.X(0.91f), f.Y(0.17f), Hex(0xe8e2d0));
  // One flickering lamp; the rest is rain.
  const Rgba lamp = mood == PlaceMood::Dawn ? Hex(0xc0d0e0) : kAmber;
  LightFrom(c, f.P(0.45f, 0.2f), f.S(1.1f), 0.3f, lamp);
  c.FillRect(f.X(0.38f), f.Y(0.19f), f.X(0.52f), f.Y(0.205f), WithAlpha(lamp, 0.9f));
  c.Glow(f.P(0.45f, 0.2f), f.S(0.3f), WithAlpha(lamp, 0.4f), 2);
  WetReflection(c, kerb, 0.5f);
  Rain(c, f, 84, 320, WithAlpha(Hex(0xa8b4c8), 0.3f));
}

void Poolroom(Canvas& c, const Frame& f, PlaceMood mood) {
  PaintBrickWall(c, 0, 0, f.w, f.Y(0.6f), f.S(0.04f), Hex(0x3a1a12), Hex(0x160f0c), 91);
  c.FillRect(0, f.Y(0.45f), f.w, f.Y(0.6f), Hex(0x24140e));  // wood panelling
  for (float u = 0; u < 1; u += 0.08f) c.FillRect(f.X(u), f.Y(0.45f), f.X(u) + 1.5f, f.Y(0.6f), Hex(0x120a08));
  PaintConcrete(c, 0, f.Y(0.6f), f.w, f.h, Hex(0x2a1d16), f.S(0.1f), 92);
  // Cue rack and a neon beer sign.
  c.FillRect(f.X(0.05f), f.Y(0.15f), f.X(0.2f), f.Y(0.42f), Hex(0x2a1a10));
  for (int i = 0; i < 6; ++i)
    c.StrokeLine(f.P(0.065f + i * 0.024f, 0.17f), f.P(0.07f + i * 0.024f, 0.42f), f.S(0.006f), Hex(0xb08858));
  const Rgba neon = mood == PlaceMood::Alarm ? kBlood : Hex(0xff3a60);
  c.StrokeRect(f.X(0.72f), f.Y(0.12f), f.X(0.92f), f.Y(0.26f), f.S(0.007f), WithAlpha(neon, 0.9f), BlendMode::Add);
  c.Glow(f.P(0.82f, 0.19f), f.S(0.2f), WithAlpha(neon, 0.35f), 2);
  // The table in perspective under its hanging lamp.
  const std::vector<Point> rail = {f.P(0.24f, 0.58f), f.P(0.76f, 0.58f), f.P(0.9f, 0.86f), f.P(0.1f, 0.86f)};
  c.FillPolygon({f.P(0.14f, 0.86f), f.P(0.86f, 0.86f), f.P(0.84f, 0.95f), f.P(0.16f, 0.95f)}, Hex(0x1a0e08));
  c.FillPolygon(rail, Hex(0x4a2a16));
  c.FillPolygon({f.P(0.26f, 0.6f), f.P(0.74f, 0.6f), f.P(0.86f, 0.84f), f.P(0.14f, 0.84f)}, kFelt);
  const Rgba balls[] = {Hex(0xe8e0d0), kBlood, kGold, Hex(0x1a3a9a), Hex(0x101010), Hex(0xd06a10)};
  for (int i = 0; i < 6; ++i)
    c.FillEllipse(f.P(0.4f + 0.06f * i + 0.03f * (i % 2), 0.68f + 0.05f * (i % 3)), f.S(0.012f), f.S(0.011f), balls[i]);
  const Rgba lamp = mood == PlaceMood::Dawn ? Hex(0xd0e0d8) : Hex(0xffd890);
  c.FillPolygon({f.P(0.36f, 0.46f), f.P(0.64f, 0.46f), f.P(0.9f, 0.86f), f.P(0.1f, 0.86f)}, WithAlpha(lamp, 0.1f), BlendMode::Add);
  LightFrom(c, f.P(0.5f, 0.6f), f.S(0.9f), 0.22f, lamp);
  c.StrokeLine(f.P(0.5f, 0), f.P(0.5f, 0.4f), f.S(0.006f), kNight);
  c.FillPolygon({f.P(0.34f, 0.465f), f.P(0.66f, 0.465f), f.P(0.58f, 0.39f), f.P(0.42f, 0.39f)}, Hex(0x0e3a22));
  c.FillRect(f.X(0.34f), f.Y(0.458f), f.X(0.66f), f.Y(0.472f), WithAlpha(lamp, 0.9f));
  c.Glow(f.P(0.5f, 0.47f), f.S(0.25f), WithAlpha(lamp, 0.35f), 2);
  Smoke(c, f, 93, Hex(0x6a5a48), 0.8f);
}

void Ring(Canvas& c, const Frame& f, PlaceMood mood) {
  c.Fill(Hex(0x060506));
  // The crowd in the dark, heads against the glow behind them.
  c.EllipticGlow(f.P(0.5f, 0.45f), f.S(1.0f), f.S(0.25f), WithAlpha(kAmber, 0.3f), 1.5f);
  for (int row = 0; row < 3; ++row)
    for (int i = 0; i < 40; ++i) {
      const float u = (i + 0.5f * (row % 2)) / 40.0f, v = 0.42f + row * 0.06f;
      c.FillEllipse(f.P(u, v), f.S(0.02f), f.S(0.024f), Hex(0x0b0908));
      c.FillRect(f.X(u) - f.S(0.03f), f.Y(v + 0.015f), f.X(u) + f.S(0.03f), f.Y(v + 0.08f), Hex(0x0b0908));
    }
  // The ring: canvas floor, posts and three ropes.
  c.FillPolygon({f.P(0.12f, 0.62f), f.P(0.88f, 0.62f), f.P(1.05f, 0.9f), f.P(-0.05f, 0.9f)}, Hex(0xb8b0a0));
  c.FillPolygon({f.P(-0.05f, 0.9f), f.P(1.05f, 0.9f), f.P(1.05f, 1.0f), f.P(-0.05f, 1.0f)}, kBlood);
  for (float u : {0.12f, 0.88f}) c.FillRect(f.X(u) - f.S(0.01f), f.Y(0.38f), f.X(u) + f.S(0.01f), f.Y(0.64f), Hex(0x8a1a1a));
  for (int r = 0; r < 3; ++r)
    c.StrokeLine(f.P(0.12f, 0.42f + r * 0.07f), f.P(0.88f, 0.42f + r * 0.07f), f.S(0.008f), Hex(0xe8e0d0));
  const Rgba spot = mood == PlaceMood::Dawn ? Hex(0xfff8e8) : Hex(0xffe0a0);
  c.FillPolygon({f.P(0.44f, 0), f.P(0.56f, 0), f.P(0.75f, 0.8f), f.P(0.25f, 0.8f)}, WithAlpha(spot, 0.12f), BlendMode::Add);
  LightFrom(c, f.P(0.5f, 0.7f), f.S(0.95f), 0.3f, spot);
  c.EllipticGlow(f.P(0.5f, 0.76f), f.S(0.35f), f.S(0.08f), WithAlpha(spot, 0.5f), 1.2f);
  // Camera flashes in the crowd.
  for (int i = 0; i < 9; ++i)
    c.Glow(f.P(Hash01(101, i, 0), 0.4f + 0.15f * Hash01(101, i, 1)), f.S(0.03f), {1, 1, 1, 0.8f}, 2);
  Smoke(c, f, 102, Hex(0x4a4038), 0.5f);
}

}  // namespace

float FloorLine(int place) {
  switch (place) {
    case 1: return 0.9f;
    case 2: return 0.92f;
    case 3: return 0.9f;
    case 4: return 0.86f;
    case 5: return 0.9f;
    case 6: return 0.86f;
    case 7: return 0.97f;
    default: return 0.8f;
  }
}

void PaintPlace(Canvas& canvas, int place, PlaceMood mood) {
  const Frame f{static_cast<float>(canvas.Width()), static_cast<float>(canvas.Height())};
  switch (place) {
    case 1: Cell(canvas, f, mood); break;
    case 2: Yard(canvas, f, mood); break;
    case 3: GasStation(canvas, f, mood); break;
    case 4: Park(canvas, f, mood); break;
    case 5: Crosswalk(canvas, f, mood); break;
    case 6: BusStop(canvas, f, mood); break;
    case 7: Poolroom(canvas, f, mood); break;
    default: Ring(canvas, f, mood); break;
  }
}
