#include "arenas/arena_textures.h"

#include <cmath>
#include <functional>
#include <map>
#include <stdexcept>

#include "common/text.h"

namespace {

constexpr int Size = 256;

// Noise that repeats every `period` cells, so tiled pictures have no seams.
float TileNoise(std::uint32_t seed, float x, float y, int period) {
  const int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  const float fx = x - x0, fy = y - y0;
  auto h = [&](int i, int j) {
    return Hash01(seed, ((i % period) + period) % period, ((j % period) + period) % period);
  };
  const float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  const float a = h(x0, y0) + (h(x0 + 1, y0) - h(x0, y0)) * sx;
  const float b = h(x0, y0 + 1) + (h(x0 + 1, y0 + 1) - h(x0, y0 + 1)) * sx;
  return a + (b - a) * sy;
}

// Octaves of seamless noise over the whole picture; `cells` is the coarsest grid.
float Fractal(std::uint32_t seed, int x, int y, int cells, int octaves = 4) {
  float sum = 0, weight = 0, amp = 1;
  for (int o = 0; o < octaves; ++o) {
    const int period = cells << o;
    sum += amp * TileNoise(seed + o, x * period / static_cast<float>(Size),
                           y * period / static_cast<float>(Size), period);
    weight += amp;
    amp *= 0.5f;
  }
  return sum / weight;
}

// Every pixel from a function of its position.
Canvas PerPixel(const std::function<Rgba(int x, int y)>& f) {
  Canvas c(Size, Size);
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) c.Set(x, y, f(x, y));
  return c;
}

Rgba Noisy(Rgba base, std::uint32_t seed, int x, int y, int cells, float amount) {
  return Scale(base, 1 + amount * (Fractal(seed, x, y, cells) - 0.5f) * 2);
}

Canvas Concrete(Rgba base, std::uint32_t seed) {
  return PerPixel([=](int x, int y) {
    Rgba c = Noisy(base, seed, x, y, 4, 0.18f);
    if (Hash01(seed + 9, x, y) > 0.97f) c = Scale(c, 0.85f);
    return c;
  });
}

Canvas Bricks(Rgba brick, Rgba mortar, std::uint32_t seed) {
  return PerPixel([=](int x, int y) {
    const int row = y / 32, offset = (row % 2) * 32;
    const int bx = (x + offset) % 64, by = y % 32;
    if (bx < 3 || by < 3) return Noisy(mortar, seed, x, y, 8, 0.2f);
    const float tone = 0.85f + 0.3f * Hash01(seed, (x + offset) / 64, row);
    return Noisy(Scale(brick, tone), seed + 1, x, y, 16, 0.15f);
  });
}

Canvas Tiles(Rgba a, Rgba b, Rgba grout, int count, std::uint32_t seed) {
  const int cell = Size / count;
  return PerPixel([=](int x, int y) {
    if (x % cell < 2 || y % cell < 2) return grout;
    const bool odd = ((x / cell) + (y / cell)) % 2 == 1;
    return Noisy(odd ? b : a, seed, x, y, 8, 0.1f);
  });
}

Canvas Planks(Rgba wood, std::uint32_t seed) {
  return PerPixel([=](int x, int y) {
    const int plank = x / 32;
    if (x % 32 < 2) return Scale(wood, 0.45f);
    const int joint = (plank * 97) % 256;
    if (std::abs(y - joint) < 2) return Scale(wood, 0.5f);
    const float grain = std::sin((x + 13 * plank) * 0.9f + 6 * Fractal(seed + plank, x, y, 2));
    Rgba c = Scale(wood, 0.85f + 0.25f * Hash01(seed, plank, 0) + 0.06f * grain);
    return Noisy(c, seed + 3, x, y, 8, 0.08f);
  });
}

// Skies after dark: one even colour with a few stars, so the sky walls and the lid meet without a
// seam, and the HUD's white lettering stays readable against them.
Canvas NightSky(Rgba night = Hex(0x0C1424)) {
  return PerPixel([=](int x, int y) {
    return Hash01(91, x, y) > 0.998f ? Mix(night, Hex(0xD8DCE8), 0.4f + 0.6f * Hash01(92, x, y)) : night;
  });
}
// The gas station's dusk and the crosswalk's city glow: the horizon colours of their pictures, dimmed.
const Rgba kDuskSky = Hex(0x1C1226);
const Rgba kCitySky = Hex(0x160E16);

// Distant city after dark: the night sky above, building blocks with lit and dark windows below.
Canvas NightSkyline() {
  Canvas c = NightSky();
  int x = 0, k = 0;
  while (x < Size) {
    const int w = 20 + static_cast<int>(Hash01(5, k, 0) * 30);
    const int h = 60 + static_cast<int>(Hash01(5, k, 1) * 120);
    const Rgba wall = Scale(Hex(0x1C2230), 0.7f + 0.5f * Hash01(5, k, 2));
    for (int yy = Size - h; yy < Size; ++yy)
      for (int xx = x; xx < std::min(Size, x + w); ++xx) {
        Rgba p = wall;
        if ((xx - x) % 7 > 2 && (yy - (Size - h)) % 9 > 3 && xx - x > 2 && xx < x + w - 2)
          p = Hash01(6, xx / 7, yy / 9) > 0.7f ? Hex(0xE8C070) : Hex(0x101420);
        c.Set(xx, yy, p);
      }
    x += w + static_cast<int>(Hash01(5, k, 3) * 6);
    ++k;
  }
  return c;
}

// The park at night: far towers with a few lit windows over the sky's colour, then the black
// crowns of the trees in front of them.
Canvas NightTreeline() {
  Canvas c = NightSky();
  int x = 0, k = 0;
  while (x < Size) {
    const int w = 14 + static_cast<int>(Hash01(33, k, 0) * 22), h = 30 + static_cast<int>(Hash01(33, k, 1) * 60);
    const int top = 150 - h;
    for (int yy = top; yy < Size; ++yy)
      for (int xx = x; xx < std::min(Size, x + w); ++xx) {
        const bool window = (xx - x) % 5 > 2 && (yy - top) % 7 > 4 && xx - x > 1 && xx < x + w - 1;
        c.Set(xx, yy, window && Hash01(34, xx / 5, yy / 7) > 0.72f ? Hex(0xC89850) : Hex(0x0D0F16));
      }
    x += w + static_cast<int>(Hash01(33, k, 2) * 10);
    ++k;
  }
  for (int xx = 0; xx < Size; ++xx) {
    const float top = 120 + 50 * Fractal(31, xx, 0, 6, 3);
    for (int y = static_cast<int>(top); y < Size; ++y)
      c.Set(xx, y, Noisy(Mix(Hex(0x101A10), Hex(0x070907), (y - top) / (Size - top)), 32, xx, y, 16, 0.3f));
  }
  return c;
}

Canvas NightChainFence() {
  Canvas c = NightSkyline();
  for (int y = 0; y < Size; ++y)
    for (int x = 0; x < Size; ++x) {
      const int a = (x + y) % 32, b = (x - y + 4 * Size) % 32;
      if (a < 2 || b < 2) c.Set(x, y, Hex(0x9A9EA4));
    }
  return c;
}

Canvas Grass() {
  return PerPixel([](int x, int y) {
    Rgba c = Mix(Hex(0x2E5020), Hex(0x40602A), Fractal(41, x, y, 4));  // lawn at night
    if (Hash01(42, x, y) > 0.8f) c = Scale(c, 1.2f);
    if (Hash01(43, x, y) > 0.9f) c = Scale(c, 0.75f);
    return c;
  });
}

Canvas Leaves() {
  return PerPixel([](int x, int y) {
    Rgba c = Mix(Hex(0x142A12), Hex(0x2A4A1E), Fractal(51, x, y, 8, 3));  // crowns at night
    if (Hash01(52, x / 3, y / 3) > 0.85f) c = Scale(c, 1.3f);
    return c;
  });
}

Canvas Bark() {
  return PerPixel([](int x, int y) {
    const float ridge = std::sin(x * 0.3f + 4 * Fractal(61, x, y, 4));
    return Noisy(Scale(Hex(0x5A4030), 0.85f + 0.15f * ridge), 62, x, y, 8, 0.15f);
  });
}

Canvas Pavement() {
  return PerPixel([](int x, int y) {
    if (x % 128 < 3 || y % 128 < 3) return Hex(0x6A6A6A);
    return Noisy(Hex(0x7E7C78), 71, x, y, 8, 0.12f);
  });
}

Canvas Asphalt() {
  return PerPixel([](int x, int y) {
    Rgba c = Noisy(Hex(0x45474B), 81, x, y, 8, 0.15f);
    if (Hash01(82, x, y) > 0.93f) c = Scale(c, 1.35f);
    return c;
  });
}

Canvas Stripes(Rgba a, Rgba b, int count, bool vertical) {
  return PerPixel([=](int x, int y) {
    const int p = vertical ? x : y;
    return Noisy((p * count / Size) % 2 == 0 ? a : b, 91, x, y, 8, 0.06f);
  });
}

Canvas Flat(Rgba colour, std::uint32_t seed, float amount = 0.08f) {
  return PerPixel([=](int x, int y) { return Noisy(colour, seed, x, y, 4, amount); });
}

// Building fronts after dark: a storey of shop windows below, rows of windows above; the walls sink into the night, a few upper windows and every shop
// window stay lit, so the facade's own light shows where the street's lamps do not reach.
Canvas NightFacade(Rgba wall, Rgba awning, std::uint32_t seed) {
  Canvas c = Bricks(Scale(wall, 0.3f), Scale(wall, 0.2f), seed);
  for (int wx = 0; wx < 4; ++wx) {
    const float x0 = 16 + wx * 64.f;
    const bool lit = Hash01(seed, wx, 2) > 0.45f;
    c.FillRect(x0, 24, x0 + 44, 100, Hex(0x0A0C10));
    c.FillRect(x0 + 4, 28, x0 + 40, 96, lit ? Mix(Hex(0xB07830), Hex(0xC89050), Hash01(seed, wx, 3)) : Hex(0x141A24));
    c.FillRect(x0 + 20, 28, x0 + 24, 96, Hex(0x0A0C10));
  }
  c.FillRect(0, 140, Size, 156, Scale(awning, 0.45f));
  for (int i = 0; i < 16; ++i) c.FillRect(i * 16.f, 140, i * 16.f + 8, 156, Scale(awning, 0.3f));
  c.FillRect(10, 160, 246, 250, Hex(0x0A0C10));
  c.FillRect(14, 164, 242, 250, Hex(0x8A6434));
  for (int i = 0; i < 12; ++i)  // goods on the lit shelves
    c.FillRect(20 + i * 19.f, 200, 32 + i * 19.f, 230, Mix(Hex(0x803020), Hex(0x305070), Hash01(seed, i, 4)));
  return c;
}

void Lettering(Canvas& c, const std::string& text, float height, Rgba colour, float baselineFrac) {
  FontFace face(kDisplayFontFile, height);
  const float w = face.Measure(text, 2);
  face.Draw(c, (Size - w) / 2, Size * baselineFrac, text, colour, 2);
}

Canvas Sign(const std::string& text, Rgba background, Rgba letters) {
  Canvas c(Size, Size, background);
  c.StrokeRect(6, 6, Size - 6, Size - 6, 8, letters);
  Lettering(c, text, 150, letters, 0.74f);
  return c;
}

Canvas Poster(Rgba a, Rgba b, const std::string& text) {
  Canvas c(Size, Size);
  c.LinearGradient({0, 0}, {0, Size}, a, b);
  c.FillEllipse({128, 100}, 70, 70, WithAlpha(Hex(0xFFFFFF), 0.35f));
  Lettering(c, text, 70, Hex(0xFFFFFF), 0.9f);
  return c;
}

Canvas PumpFront() {
  Canvas c(Size, Size, Hex(0xD8D8D0));
  c.FillRect(0, 0, Size, 70, Hex(0xC81E1E));
  Lettering(c, "FUEL", 60, Hex(0xFFFFFF), 0.24f);
  c.FillRoundRect(40, 90, 216, 150, 8, Hex(0x1A1A1A));
  c.FillRect(52, 100, 204, 140, Hex(0x3AC060));
  for (int i = 0; i < 3; ++i) c.FillRoundRect(50 + i * 56.f, 175, 94 + i * 56.f, 215, 6, Hex(0x404040));
  return c;
}

Canvas ShopFront() {
  Canvas c(Size, Size, Hex(0xE0DDD4));
  c.FillRect(0, 0, Size, 60, Hex(0x1E5AA8));
  Lettering(c, "24H SHOP", 52, Hex(0xFFFFFF), 0.2f);
  c.FillRect(10, 72, 246, 250, Hex(0x2A2E34));
  c.FillRect(14, 76, 242, 250, Hex(0x8AA6BE));
  for (int s = 0; s < 3; ++s) {  // shelves with goods behind the glass
    const float y = 110 + s * 45.f;
    c.FillRect(14, y, 242, y + 4, Hex(0x5A5A5A));
    for (int i = 0; i < 20; ++i)
      c.FillRect(18 + i * 11.f, y - 20, 26 + i * 11.f, y, Mix(Hex(0xD04040), Hex(0x40A0D0), Hash01(9, i, s)));
  }
  c.FillRect(118, 76, 122, 250, Hex(0x2A2E34));
  return c;
}

Canvas Shelves() {
  Canvas c(Size, Size, Hex(0x3A2418));
  for (int s = 0; s < 4; ++s) {
    const float y = 60 + s * 60.f;
    c.FillRect(0, y, Size, y + 6, Hex(0x6A4428));
    for (int i = 0; i < 14; ++i) {
      const float x = 8 + i * 18.f;
      const Rgba glass = Mix(Hex(0x2A6A2A), Hex(0xA06A20), Hash01(11, i, s));
      c.FillRoundRect(x, y - 40, x + 12, y, 4, glass);
      c.FillRect(x + 4, y - 50, x + 8, y - 38, Scale(glass, 0.8f));
      c.FillRect(x + 1, y - 28, x + 11, y - 16, Hex(0xE8E0C8));
    }
  }
  return c;
}

Canvas Dartboard() {
  Canvas c(Size, Size, Hex(0x2A1A10));
  const Rgba rings[] = {Hex(0x101010), Hex(0xE0D0A0), Hex(0x101010), Hex(0x207030), Hex(0xE0D0A0), Hex(0xC02020)};
  for (int i = 0; i < 6; ++i) {
    const float r = 120 - i * 20.f;
    c.FillEllipse({128, 128}, r, r, rings[i]);
  }
  for (int k = 0; k < 20; ++k) {
    const float a = k * 3.14159265f / 10;
    c.StrokeLine({128, 128}, {128 + 100 * std::cos(a), 128 + 100 * std::sin(a)}, 2, Hex(0xB0B0B0));
  }
  return c;
}

Canvas Window(bool barred) {
  Canvas c(Size, Size);
  c.LinearGradient({0, 0}, {0, Size}, Hex(0xB8D4F0), Hex(0xE8F0F8));
  if (barred)
    for (int i = 1; i < 6; ++i) c.FillRect(i * 42.f - 6, 0, i * 42.f + 6, Size, Hex(0x3A3A3E));
  c.StrokeRect(0, 0, Size, Size, 24, Hex(0x5A5A5E));
  return c;
}

Canvas Graffiti(Rgba wall) {
  Canvas c = Flat(wall, 121, 0.1f);
  for (int g = 0; g < 4; ++g)  // tally marks of the days
    for (int i = 0; i < 4; ++i)
      c.StrokeLine({40 + g * 44.f + i * 7, 90}, {40 + g * 44.f + i * 7, 150}, 3, Hex(0x303030));
  for (int g = 0; g < 4; ++g) c.StrokeLine({34 + g * 44.f, 140}, {66 + g * 44.f, 100}, 3, Hex(0x303030));
  return c;
}

using PainterMap = std::map<std::string, std::function<Canvas()>>;

const PainterMap& Painters() {
  static const PainterMap painters = {
      {"concrete.bmp", [] { return Concrete(Hex(0x8A8A86), 1); }},
      {"darkconcrete.bmp", [] { return Concrete(Hex(0x5E605E), 2); }},
      {"paint_green.bmp", [] { return Concrete(Hex(0x4F7360), 3); }},
      {"paint_white.bmp", [] { return Concrete(Hex(0xCFCBBE), 4); }},
      {"tally.bmp", [] { return Graffiti(Hex(0xCFCBBE)); }},
      {"cellfloor.bmp", [] { return Tiles(Hex(0x6E6A64), Hex(0x625E58), Hex(0x3A3834), 4, 5); }},
      {"metal.bmp", [] { return Flat(Hex(0x6A6E74), 6, 0.15f); }},
      {"darkmetal.bmp", [] { return Flat(Hex(0x303236), 7, 0.12f); }},
      {"mattress.bmp", [] { return Stripes(Hex(0xD8D4C8), Hex(0x8A98B0), 16, true); }},
      {"blanket.bmp", [] { return Flat(Hex(0x5A5E52), 8, 0.25f); }},
      {"porcelain.bmp", [] { return Flat(Hex(0xE8E8E4), 9, 0.04f); }},
      {"brick.bmp", [] { return Bricks(Hex(0x8A3E2A), Hex(0xA8A298), 10); }},
      {"greybrick.bmp", [] { return Bricks(Hex(0x7A7670), Hex(0x9A968E), 11); }},
      {"asphalt.bmp", Asphalt},
      {"nightsky.bmp", [] { return NightSky(); }},
      {"nighttrees.bmp", NightTreeline},
      {"dusksky.bmp", [] { return NightSky(kDuskSky); }},
      {"citysky.bmp", [] { return NightSky(kCitySky); }},
      {"nightbrick.bmp", [] { return Bricks(Hex(0x2A2826), Hex(0x363430), 11); }},
      {"canopy.bmp", [] { return Flat(Hex(0x505258), 25, 0.06f); }},
      {"panel.bmp", [] { return Flat(Hex(0xFFE2A8), 26, 0.02f); }},
      {"nightfence.bmp", NightChainFence},
      {"wood.bmp", [] { return Planks(Hex(0x8A5A32), 12); }},
      {"darkwood.bmp", [] { return Planks(Hex(0x4A2C18), 13); }},
      {"felt.bmp", [] { return Flat(Hex(0x1E7A3A), 14, 0.1f); }},
      {"wallpaper.bmp", [] {
         Canvas c = Flat(Hex(0x6A1E22), 15, 0.08f);
         for (int y = 0; y < 4; ++y)
           for (int x = 0; x < 4; ++x)
             c.FillEllipse({x * 64.f + 32, y * 64.f + 32}, 10, 18, Hex(0x7E2A2E));
         return c;
       }},
      {"grass.bmp", Grass},
      {"leaves.bmp", Leaves},
      {"hedge.bmp", [] {
         Canvas c = Leaves();
         c.LinearGradient({0, 0}, {0, Size}, WithAlpha(Hex(0x000000), 0.0f), WithAlpha(Hex(0x000000), 0.3f));
         return c;
       }},
      {"bark.bmp", Bark},
      {"gravel.bmp", [] {
         return PerPixel([](int x, int y) { return Noisy(Hex(0x7A7262), 131, x, y, 32, 0.35f); });
       }},
      {"pavement.bmp", Pavement},
      {"kerb.bmp", [] { return Concrete(Hex(0xB4B2AC), 16); }},
      {"white.bmp", [] { return Flat(Hex(0xF0F0EC), 17, 0.05f); }},
      {"roadpaint.bmp", [] { return Flat(Hex(0x8E8C84), 27, 0.12f); }},  // worn, so it does not glare under the lamps
      {"yellow.bmp", [] { return Flat(Hex(0xE8C020), 18, 0.05f); }},
      {"red.bmp", [] { return Flat(Hex(0xB82020), 19, 0.06f); }},
      {"nightfacade1.bmp", [] { return NightFacade(Hex(0x9A5A3A), Hex(0x2A7A4A), 20); }},
      {"nightfacade2.bmp", [] { return NightFacade(Hex(0xB0A890), Hex(0xB02828), 21); }},
      {"pump.bmp", PumpFront},
      {"shop.bmp", ShopFront},
      {"glass.bmp", [] {
         Canvas c(Size, Size);
         c.LinearGradient({0, 0}, {Size, Size}, Hex(0x2A3A48), Hex(0x5A6E7E));
         return c;
       }},
      {"busstop.bmp", [] { return Sign("BUS", Hex(0x1E5AA8), Hex(0xFFFFFF)); }},
      {"gas.bmp", [] { return Sign("GAS", Hex(0xC81E1E), Hex(0xFFFFFF)); }},
      {"pool.bmp", [] { return Sign("POOL", Hex(0x101010), Hex(0x40E060)); }},
      {"poster1.bmp", [] { return Poster(Hex(0xE0602A), Hex(0x7A1E5A), "FIGHT"); }},
      {"poster2.bmp", [] { return Poster(Hex(0x2A8AE0), Hex(0x1E2A7A), "COLA"); }},
      {"shelves.bmp", Shelves},
      {"dartboard.bmp", Dartboard},
      {"window.bmp", [] { return Window(false); }},
      {"barwindow.bmp", [] { return Window(true); }},
      {"bulb.bmp", [] { return Flat(Hex(0xFFF4D0), 22, 0.02f); }},
      {"lampshade.bmp", [] { return Flat(Hex(0x2A4A3A), 24, 0.12f); }},
      {"lampgreen.bmp", [] { return Flat(Hex(0x1E5A2A), 23, 0.1f); }},
      {"traffic.bmp", [] {
         Canvas c(Size, Size, Hex(0x202020));
         c.FillEllipse({128, 48}, 36, 36, Hex(0xE02020));
         c.FillEllipse({128, 128}, 36, 36, Hex(0x503A10));
         c.FillEllipse({128, 208}, 36, 36, Hex(0x1A3A1A));
         return c;
       }},
  };
  return painters;
}

}  // namespace

Canvas PaintArenaTexture(const std::string& fileName) { return Painters().at(fileName)(); }
