// Composes the menu screens and the fight HUD from the generated pictures the way the game draws
// them (masks, faces, additive banners, the bitmap font's cells and steps) and writes them to
// contact_sheets/preview_*.png, so the art can be judged with its labels before the game runs.
#include <gtest/gtest.h>

#include <cmath>

#include "common/image_files.h"
#include "picture_files.h"

namespace {

namespace fs = std::filesystem;
const fs::path kBase = "base";

Canvas Bank(int entry) {
  std::string why;
  auto p = ReadBmp24(kBase / BankName(entry), &why);
  EXPECT_TRUE(p) << why;
  return p ? p->pixels : Canvas(1, 1);
}

Canvas Tga(const std::string& name) {
  std::string why;
  auto p = ReadTga(kBase / name, &why);
  EXPECT_TRUE(p) << why;
  return p ? p->pixels : Canvas(1, 1);
}

// The 800 x 600 menu space, y from the bottom, as the orthographic projection has it.
class Screen {
 public:
  Screen() : canvas_(800, 600, {0, 0, 0, 1}), font_(Tga("textures/text.tga")) {}

  enum class Blend { Opaque, Masked, Additive, Alpha };

  // A textured quad from (x, y) to (x + w, y + h), texture coordinates 0..s across.
  void Quad(const Canvas& texture, float x, float y, float w, float h, Blend blend, float s = 1,
            float alpha = 1) {
    const int x0 = std::max(0, static_cast<int>(std::floor(x)));
    const int x1 = std::min(800, static_cast<int>(std::ceil(x + w)));
    const int y0 = std::max(0, static_cast<int>(std::floor(600 - y - h)));
    const int y1 = std::min(600, static_cast<int>(std::ceil(600 - y)));
    for (int py = y0; py < y1; ++py)
      for (int px = x0; px < x1; ++px) {
        float u = (px + 0.5f - x) / w * s;
        u -= std::floor(u);
        const float v = (py + 0.5f - (600 - y - h)) / h;
        const Rgba t = texture.Sample(u * texture.Width(), v * texture.Height());
        Rgba d = canvas_.Get(px, py);
        switch (blend) {
          case Blend::Opaque: d = {t.r, t.g, t.b, 1}; break;
          case Blend::Masked: d = {d.r * t.r, d.g * t.g, d.b * t.b, 1}; break;
          case Blend::Additive:
            d = {d.r + t.r * alpha, d.g + t.g * alpha, d.b + t.b * alpha, 1};
            break;
          case Blend::Alpha: {
            const float a = t.a * alpha;
            d = {d.r * (1 - a) + t.r * a, d.g * (1 - a) + t.g * a, d.b * (1 - a) + t.b * a, 1};
            break;
          }
        }
        canvas_.Set(px, py, d);
      }
  }
  void FullScreen(int entry) { Quad(Bank(entry), 0, 0, 800, 600, Blend::Opaque); }
  void Masked(int mask, int face, float x, float y, float w, float h) {
    Quad(Bank(mask), x, y, w, h, Blend::Masked);
    Quad(Bank(face), x, y, w, h, Blend::Additive);
  }
  void Button(float x, float y, const std::string& label) {
    Masked(17, 18, x, y, 120, 32);
    Print(x + (label.empty() ? 0 : 9), y + 8, 1, label, false);
  }
  // The bitmap printers: a cell of 21 x 16 (small) or 34 x 24 (large) every 10 or 18 units.
  void Print(float x, float y, int set, const std::string& text, bool large, float alpha = 1) {
    const float w = large ? 34 : 21, h = large ? 24 : 16, step = large ? 18 : 10;
    for (unsigned char c : text) {
      const int cell = c - 32 + 128 * std::min(set, 1);
      if (cell >= 0 && cell < 256) {
        Canvas glyph(32, 32);
        for (int gy = 0; gy < 32; ++gy)
          for (int gx = 0; gx < 32; ++gx)
            glyph.Set(gx, gy, font_.Get(cell % 16 * 32 + gx, cell / 16 * 32 + gy));
        Quad(glyph, x, y, w, h, Blend::Alpha, 1, alpha);
      }
      x += step;
    }
  }
  void Write(const std::string& name) { WritePng(fs::path("contact_sheets") / name, canvas_); }

 private:
  Canvas canvas_;
  Canvas font_;
};

TEST(MenuPreviewTest, MainMenu) {
  Screen s;
  s.Masked(1, 15, 0, 0, 800, 600);
  const float xs[] = {29, 155, 281, 407, 533};
  const float labelXs[] = {38, 154, 284, 409, 532};
  const char* labels[] = {" CAREER", "  FIGHT", "2 PLAYERS", "  OPTIONS", "   EXIT"};
  for (int i = 0; i < 5; ++i) {
    s.Masked(17, 18, xs[i], 135, 120, 32);
    s.Print(labelXs[i], 143, 1, labels[i], false);
  }
  s.Quad(Bank(14), 430, 380, 15, 20, Screen::Blend::Opaque);
  s.Write("preview_main_menu.png");
}

TEST(MenuPreviewTest, DifficultyAndOptions) {
  Screen s;
  s.FullScreen(22);
  s.Print(250, 520, 1, "DIFFICULTY SELECTION", true);
  const char* labels[] = {"  EASY", "  NORMAL", "   HARD", "  RISKILY", "NIGHTMARE"};
  for (int i = 0; i < 5; ++i) {
    s.Masked(17, 18, 342, 400 - 50 * i, 120, 32);
    s.Print(346, 408 - 50 * i, 1, labels[i], false);
  }
  s.Quad(Bank(64), 490, 353, 25, 25, Screen::Blend::Opaque);
  s.Quad(Bank(64), 285, 353, 25, 25, Screen::Blend::Opaque);
  s.Button(0, 10, "  BACK");
  s.Button(679, 10, "  NEXT");
  s.Write("preview_difficulty.png");

  Screen o;
  o.Masked(7, 22, 0, 0, 800, 600);
  o.Print(305, 520, 1, "OPTIONS", true);
  o.Print(60, 470, 1, "Display resolution", false);
  o.Print(285, 470, 1, "800x600", false);
  o.Print(60, 437, 1, "Color Depth", false);
  o.Print(290, 437, 1, "32 bit", false);
  o.Print(480, 470, 1, "Sound", false);
  o.Print(575, 470, 1, "YES", false);
  o.Print(305, 300, 1, "Controls", true);
  o.Print(20, 260, 1, "First fighter ", false);
  o.Print(20, 234, 1, "  - hand impact to head", false);
  o.Print(20, 234, 1, "Z", false);
  o.Print(490, 174, 1, "LEFT ARROW - step forward", false);
  o.Button(0, 10, "  BACK");
  o.Button(202, 10, "  APPLY");
  o.Write("preview_options.png");
}

TEST(MenuPreviewTest, TwoPlayerAndVersus) {
  Screen s;
  s.FullScreen(21);
  s.Quad(Bank(46), 200, 240, 400, 215, Screen::Blend::Opaque);
  s.Button(0, 10, "  BACK");
  s.Button(679, 10, "  FIGHT");
  s.Masked(26, 27, 0, 160, 80, 32);
  s.Masked(12, 13, 152, 160, 80, 32);
  s.Masked(26, 27, 567, 160, 80, 32);
  s.Masked(12, 13, 720, 160, 80, 32);
  s.Masked(28, 29, 340, 180, 120, 32);
  s.Masked(53, 54, 340, 130, 120, 32);
  s.Print(305, 520, 1, "2 PLAYERS", true);
  s.Print(200, 215, 1, "FIGHT IN THE PRISON CELL", true);
  for (float x : {10.0f, 575.0f}) {
    s.Quad(Bank(65), x, 135, 300 * 0.4f, 8, Screen::Blend::Opaque, 1.65f * 0.4f);
    s.Print(x, 123, 1, "power", false);
    s.Quad(Bank(65), x, 110, 300 * 0.52f, 8, Screen::Blend::Opaque, 1.65f * 0.52f);
    s.Print(x, 98, 1, "speed", false);
    s.Quad(Bank(65), x, 85, 300 * 0.3f, 8, Screen::Blend::Opaque, 1.65f * 0.3f);
    s.Print(x, 73, 1, "endurance", false);
  }
  s.Print(53, 200, 1, "Boxer", true);
  s.Print(601, 200, 1, "Kingpin", true);
  s.Write("preview_two_players.png");

  Screen v;
  v.FullScreen(22);
  v.Quad(Bank(48), 100, 137.5f, 600, 325, Screen::Blend::Opaque);
  v.Print(195, 500, 1, "FIGHT AT THE GAS STATION", true);
  v.Button(0, 10, "  BACK");
  v.Button(679, 10, " NEXT");
  v.Print(340, 90, 1, "  VS", true);
  v.Write("preview_versus.png");
}

TEST(MenuPreviewTest, FightHudAndStory) {
  Screen s;
  s.Quad(Bank(50), 0, 0, 800, 600, Screen::Blend::Opaque);  // stands in for the 3D arena
  const Canvas frame = Tga("textures/tex06.tga");
  auto bar = [&](float x, float y, float value, float length, float height, int fill) {
    s.Quad(Bank(fill), x, y, value * length / 100, height, Screen::Blend::Opaque, value * 0.01f);
    s.Quad(frame, x, y, length, height, Screen::Blend::Alpha);
  };
  s.Print(335, 570, 1, "Round 2", true);
  bar(520, 550, 64, 260, 18, 66);
  s.Print(520, 570, 1, "LIFE", false);
  s.Print(515, 525, 1, "Kingpin", true);
  bar(20, 550, 100, 260, 18, 66);
  s.Print(20, 570, 1, "LIFE", false);
  s.Print(15, 525, 1, "Boxer", true);
  bar(560, 60, 70, 160, 12, 2);
  s.Print(560, 45, 1, "tiredness", false);
  s.Print(560, 80, 1, "TIRED", true);
  bar(20, 60, 20, 160, 12, 2);
  s.Print(20, 45, 1, "tiredness", false);
  s.Quad(Bank(64), 22, 440, 30, 30, Screen::Blend::Opaque);
  s.Print(20, 160, 1, "SUPER COMBO", true);
  s.Print(20, 150, 1, "+40 pts", false, 0.7f);
  s.Quad(Bank(57), 272, 340, 256, 128, Screen::Blend::Additive);
  s.Quad(Bank(62), 200, 280, 450, 60, Screen::Blend::Additive);
  s.Write("preview_hud.png");

  Screen story;
  story.Quad(Tga("scene/l2s1.tga"), 0, 0, 800, 600, Screen::Blend::Additive);
  story.Masked(17, 18, 675, 10, 120, 32);
  story.Print(690, 18, 0, "SKIP >", false);
  story.Write("preview_story.png");

  Screen loading;
  loading.FullScreen(55);
  loading.Print(350, 5, 1, "Loading...", false);
  loading.Write("preview_loading.png");
  EXPECT_TRUE(fs::exists("contact_sheets/preview_loading.png"));
}

}  // namespace
