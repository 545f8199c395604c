// Full-screen pictures of the menus and the loading screens.
#include <algorithm>
#include <cmath>

#include "common/text.h"
#include "pictures/figures.h"
#include "pictures/pictures.h"
#include "pictures/style.h"

namespace {

using namespace palette;
constexpr int kW = 800, kH = 600;

// Menu coordinates have y from the bottom; the canvas has it from the top.
float FromBottom(float y) { return kH - y; }

// The alley every screen stands in: a soot-dark brick wall, wet ground, one warm lamp.
Canvas Alley(std::uint32_t seed, Point lamp, float wallBottom, float brightness) {
  Canvas c(kW, kH, kNight);
  PaintBrickWall(c, 0, 0, kW, wallBottom, 26, Scale(kBrick, brightness), Scale(kSoot, brightness),
                 seed);
  PaintConcrete(c, 0, wallBottom, kW, kH, Scale(kAsh, brightness), 70, seed + 1);
  c.FillRect(0, wallBottom - 3, kW, wallBottom + 2, Hex(0x0c0a0a));
  LightFrom(c, lamp, 760, 0.16f, kAmber);
  c.Glow(lamp, 380, WithAlpha(kAmber, 0.22f), 2.2f);
  return c;
}

}  // namespace

Canvas MainMenuPicture() {
  Canvas c = Alley(301, {400, 60}, 420, 1.0f);
  // Two fighters squaring up under the lamp, rimmed by its light.
  DrawFigure(c, {270, 430}, 235, 1, CharacterLook(0), Hex(0x070606), WithAlpha(kAmber, 0.95f), 1);
  DrawFigure(c, {540, 430}, 245, -1, CharacterLook(7), Hex(0x070606), WithAlpha(kAmber, 0.95f), -1);
  c.EllipticGlow({400, 432}, 330, 26, WithAlpha(kAmber, 0.35f), 1.2f);
  // The title over them.
  const FontFace title(kDisplayFontFile, 150);
  TitleStyle style;
  style.fill = kBone;
  style.glow = WithAlpha(kEmber, 0.8f);
  style.glowBlur = 18;
  style.shadowBlur = 10;
  style.shadowOffset = 6;
  style.tracking = 6;
  DrawTitle(c, title, "BRELLOCH", 400, 92, style);
  const FontFace tag(kDisplayFontFile, 30);
  TitleStyle small;
  small.fill = kGold;
  small.tracking = 7;
  DrawTitle(c, tag, "NO RULES  /  NO REFEREE  /  NO WAY BACK", 400, 172, small);
  // A dark band under the five buttons (menu y 135..167) so their labels stand out.
  c.FillRect(0, FromBottom(195), kW, FromBottom(105), WithAlpha(kNight, 0.55f));
  c.FillRect(0, FromBottom(195), kW, FromBottom(193), WithAlpha(kAmber, 0.45f), BlendMode::Add);
  c.FillRect(0, FromBottom(107), kW, FromBottom(105), WithAlpha(kAmber, 0.3f), BlendMode::Add);
  FinishPicture(c, 302, 0.025f, 0.55f);
  return c;
}

Canvas PlainBackground() {
  Canvas c = Alley(311, {400, -40}, 470, 0.6f);
  // The name sprayed on the wall through a stencil, faded and worn: character for the screens
  // that print their buttons and text over this picture, too faint to fight with them.
  const FontFace stencil(kDisplayFontFile, 230);
  Canvas paint = TextLayer(stencil, "BRELLOCH", kBlood, 10, 8);
  for (int y = 0; y < paint.Height(); ++y)
    for (int x = 0; x < paint.Width(); ++x) {
      const float wear = FractalNoise(313, x / 18.0f, y / 18.0f, 4);
      paint.Paint(x, y, {0, 0, 0, 1}, std::clamp((0.62f - wear) * 3.0f, 0.0f, 1.0f), BlendMode::Erase);
    }
  c.Draw(paint, (kW - paint.Width()) / 2, 170, BlendMode::Over, 0.3f);
  c.EllipticGlow({400, 470}, 420, 40, WithAlpha(kAmber, 0.18f), 1.5f);
  // A lit strip where the screen titles stand (menu y 520).
  c.FillRect(0, FromBottom(555), kW, FromBottom(505), WithAlpha(kNight, 0.6f));
  c.FillRect(0, FromBottom(557), kW, FromBottom(555), WithAlpha(kAmber, 0.5f), BlendMode::Add);
  c.FillRect(0, FromBottom(505), kW, FromBottom(503), WithAlpha(kAmber, 0.35f), BlendMode::Add);
  FinishPicture(c, 312, 0.02f, 0.6f);
  return c;
}

Canvas TwoPlayerBackground() {
  Canvas c = Alley(321, {400, -60}, 470, 0.5f);
  // Spotlights where the two fighters turn, left and right.
  for (float x : {110.0f, 690.0f}) {
    c.FillPolygon({{x - 30, 0}, {x + 30, 0}, {x + 120, 470}, {x - 120, 470}}, WithAlpha(kAmber, 0.08f),
                  BlendMode::Add);
    c.EllipticGlow({x, 472}, 150, 24, WithAlpha(kAmber, 0.45f), 1.2f);
  }
  // The frame of the arena picture (menu 200..600 x 240..455).
  // It hugs the picture so the arena title printed under it (menu y 215) stays clear.
  c.FillRect(192, FromBottom(463), 608, FromBottom(236), Hex(0x0d0b0a));
  c.StrokeRect(194, FromBottom(461), 606, FromBottom(237), 3, WithAlpha(kGold, 0.8f));
  // Title strip as on the other screens.
  c.FillRect(0, FromBottom(555), kW, FromBottom(505), WithAlpha(kNight, 0.6f));
  c.FillRect(0, FromBottom(557), kW, FromBottom(555), WithAlpha(kAmber, 0.5f), BlendMode::Add);
  c.FillRect(0, FromBottom(505), kW, FromBottom(503), WithAlpha(kAmber, 0.35f), BlendMode::Add);
  const FontFace face(kDisplayFontFile, 30);
  TitleStyle style;
  style.fill = kGold;
  style.tracking = 4;
  DrawTitle(c, face, "PLAYER 1", 110, FromBottom(485), style);
  DrawTitle(c, face, "PLAYER 2", 690, FromBottom(485), style);
  FinishPicture(c, 322, 0.02f, 0.5f);
  return c;
}

Canvas FirstLoadingScreen() {
  Canvas c(kW, kH, kNight);
  PaintBrickWall(c, 0, 0, kW, kH, 30, Scale(kBrick, 0.8f), kSoot, 331);
  LightFrom(c, {400, 230}, 700, 0.08f, kAmber);
  c.Glow({400, 230}, 420, WithAlpha(kEmber, 0.3f), 2);
  // A gloved fist raised into the light.
  DrawFigure(c, {400, 760}, 700, 1, CharacterLook(0), Hex(0x060505), WithAlpha(kAmber, 0.9f), 1);
  const FontFace title(kDisplayFontFile, 190);
  TitleStyle style;
  style.fill = kBone;
  style.glow = WithAlpha(kEmber, 0.9f);
  style.glowBlur = 22;
  style.shadowOffset = 8;
  style.shadowBlur = 12;
  style.tracking = 8;
  DrawTitle(c, title, "BRELLOCH", 400, 300, style);
  const FontFace tag(kDisplayFontFile, 36);
  TitleStyle small;
  small.fill = kGold;
  small.tracking = 12;
  DrawTitle(c, tag, "STREET FIGHTING", 400, 410, small);
  FinishPicture(c, 332, 0.03f, 0.65f);
  return c;
}

Canvas SecondLoadingScreen() {
  Canvas c = Alley(341, {400, 120}, 450, 0.7f);
  DrawFigure(c, {250, 460}, 330, 1, CharacterLook(0), Hex(0x060505), WithAlpha(kAmber, 0.9f), 1);
  DrawFigure(c, {560, 460}, 350, -1, CharacterLook(1), Hex(0x060505), WithAlpha(kAmber, 0.9f), -1);
  c.EllipticGlow({400, 462}, 330, 24, WithAlpha(kAmber, 0.35f), 1.2f);
  const FontFace face(kDisplayFontFile, 120);
  TitleStyle style;
  style.fill = kBone;
  style.glow = WithAlpha(kBlood, 0.9f);
  style.tracking = 6;
  DrawTitle(c, face, "GET READY", 400, 110, style);
  // Dark strip at the bottom where "Loading..." is printed (menu y 5).
  c.LinearGradient({0, 520}, {0, 560}, {0, 0, 0, 0}, WithAlpha(kNight, 0.9f));
  FinishPicture(c, 342, 0.03f, 0.5f);
  return c;
}

Canvas NeutralDark() {
  Canvas c(256, 256, kSoot);
  c.LinearGradient({0, 0}, {0, 256}, Hex(0x221c1a), Hex(0x0c0a0a));
  FinishPicture(c, 351, 0.015f, 0.5f);
  return c;
}

Canvas FullCoverMask() { return Canvas(64, 64, {0, 0, 0, 1}); }
