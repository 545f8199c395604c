// Arena pictures, story pictures and the quiet textures the game loads but never shows.
#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "common/text.h"
#include "pictures/figures.h"
#include "pictures/pictures.h"
#include "pictures/places.h"
#include "pictures/style.h"

namespace {

using namespace palette;

constexpr int kStoryWidth = 640, kStoryHeight = 480;

struct Figure {
  int character;  // roster index; 8 = the title holder in the ring
  float u;        // feet position across the picture
  float height;   // fraction of the picture height
  float facing;
  Pose pose;
  float feet = 0;  // feet height as a fraction of the picture; 0 = on the place's floor
};

struct Shot {
  int place;
  PlaceMood mood;
  std::vector<Figure> figures;
};

const Rgba kFigureBody = Hex(0x050404);

// The career in pictures: arena 1 has five, every other arena three, arena 8 is the ending.
Shot StoryShot(int arena, int k) {
  using P = Pose;
  if (arena == 1) {
    switch (k) {
      case 0: return {1, PlaceMood::Calm, {{0, 0.45f, 0.62f, -1, P::Standing}}};
      case 1: return {1, PlaceMood::Alarm, {{0, 0.3f, 0.6f, 1, P::Guard}}};
      case 2: return {1, PlaceMood::Alarm, {{1, 0.55f, 0.82f, -1, P::ArmsCrossed}}};
      case 3: return {1, PlaceMood::Calm, {{0, 0.45f, 1.55f, 1, P::Guard, 1.62f}}};
      default: return {1, PlaceMood::Dawn, {{0, 0.62f, 0.66f, 1, P::Standing}}};
    }
  }
  if (arena == 8) {
    switch (k) {
      case 0: return {5, PlaceMood::Dawn, {{0, 0.5f, 0.55f, 1, P::Standing}}};
      case 1: return {8, PlaceMood::Calm, {{0, 0.36f, 0.5f, 1, P::Guard}, {8, 0.64f, 0.52f, -1, P::Guard}}};
      default: return {8, PlaceMood::Dawn, {{0, 0.5f, 0.62f, 1, P::Victory}}};
    }
  }
  switch (k) {
    case 0: return {arena, PlaceMood::Calm, {{0, 0.2f, 0.5f, 1, P::Standing}}};
    case 1: return {arena, arena == 2 ? PlaceMood::Alarm : PlaceMood::Calm,
                    {{arena - 1, 0.66f, 0.75f, -1, CharacterLook(arena - 1).pose}}};
    default: return {arena, PlaceMood::Calm,
                     {{0, 0.36f, 0.6f, 1, P::Punch}, {arena - 1, 0.7f, 0.62f, -1, P::Guard}}};
  }
}

const char* PlaceName(int arena) {
  static const char* const names[] = {"THE PRISON CELL", "THE PRISON YARD", "THE GAS STATION",
                                      "THE PARK", "THE CROSSWALK", "THE BUS STOP",
                                      "THE POOLROOM", "THE TITLE"};
  return names[std::clamp(arena, 1, 8) - 1];
}

}  // namespace

Canvas ArenaPicture(int arena) {
  Canvas c(600, 325);
  PaintPlace(c, arena, PlaceMood::Calm);
  FinishPicture(c, 400 + static_cast<std::uint32_t>(arena), 0.02f, 0.45f);
  // A thin warm frame so the picture reads as a card on the versus screen.
  c.StrokeRect(0, 0, 600, 325, 3, WithAlpha(kGold, 0.85f));
  c.StrokeRect(3, 3, 597, 322, 2, WithAlpha(kNight, 0.9f));
  return c;
}

Canvas StoryPicture(int arena, int k, const std::string& caption) {
  const Shot shot = StoryShot(arena, k);
  Canvas c(kStoryWidth, kStoryHeight);
  PaintPlace(c, shot.place, shot.mood);
  const float floorY = FloorLine(shot.place) * kStoryHeight;
  const Rgba rim = shot.mood == PlaceMood::Alarm ? kEmber : kAmber;
  for (const Figure& f : shot.figures) {
    FigureLook look = CharacterLook(f.character == 8 ? 1 : f.character);
    if (f.character == 8) look.gloves = true;
    look.pose = f.pose;
    DrawFigure(c, {f.u * kStoryWidth, f.feet > 0 ? f.feet * kStoryHeight : floorY}, f.height * kStoryHeight, f.facing, look,
               kFigureBody, WithAlpha(rim, 0.9f), f.u < 0.5f ? 1.0f : -1.0f);
  }
  FinishPicture(c, 500 + static_cast<std::uint32_t>(arena * 10 + k), 0.03f, 0.55f);
  // Letterbox bars: the place above, the caption below.
  c.FillRect(0, 0, kStoryWidth, 44, kNight);
  c.FillRect(0, kStoryHeight - 70, kStoryWidth, kStoryHeight, kNight);
  c.FillRect(0, 44, kStoryWidth, 45.5f, WithAlpha(kAmber, 0.4f), BlendMode::Add);
  c.FillRect(0, kStoryHeight - 71.5f, kStoryWidth, kStoryHeight - 70, WithAlpha(kAmber, 0.4f),
             BlendMode::Add);
  const FontFace small(kDisplayFontFile, 24);
  small.Draw(c, 24, 31, PlaceName(arena), kGold, 4);
  const FontFace big(kDisplayFontFile, 52);
  TitleStyle style;
  style.fill = kBone;
  style.glow = WithAlpha(kEmber, 0.55f);
  style.glowBlur = 10;
  style.tracking = 5;
  DrawTitle(c, big, caption, kStoryWidth / 2.0f, kStoryHeight - 35, style);
  return c;
}

Canvas QuietTexture(int entry) {
  Canvas c(128, 128);
  const std::uint32_t seed = 600 + static_cast<std::uint32_t>(entry);
  switch (entry % 6) {
    case 0: PaintBrickWall(c, 0, 0, 128, 128, 16, kBrick, kSoot, seed); break;
    case 1: PaintConcrete(c, 0, 0, 128, 128, kConcrete, 24, seed); break;
    case 2: PaintConcrete(c, 0, 0, 128, 128, Hex(0x2a2624), 10, seed); break;
    case 3:  // rusted steel plate
      PaintConcrete(c, 0, 0, 128, 128, Hex(0x5a3a28), 18, seed);
      c.StrokeRect(0, 0, 128, 128, 3, Hex(0x2a1a12));
      for (float p : {12.0f, 116.0f})
        for (float q : {12.0f, 116.0f}) c.FillEllipse({p, q}, 4, 4, Hex(0x8a6a4a));
      break;
    case 4:  // floor boards
      for (int i = 0; i < 8; ++i) {
        PaintConcrete(c, 0, i * 16.0f, 128, i * 16.0f + 16, Scale(Hex(0x5a3a22), 0.8f + 0.3f * Hash01(seed, i, 0)), 40, seed + i);
        c.FillRect(0, i * 16.0f, 128, i * 16.0f + 1.5f, Hex(0x1a100a));
      }
      break;
    default:  // worn leather
      PaintConcrete(c, 0, 0, 128, 128, Hex(0x4a1c14), 6, seed);
      break;
  }
  c.Vignette(0.2f);
  return c;
}

Canvas SparkSprite() {
  Canvas c(64, 64, {0, 0, 0, 0});
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const float dx = (x + 0.5f - 32) / 30, dy = (y + 0.5f - 32) / 30;
      const float d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      const float core = std::pow(1 - d, 2.2f);
      // Four thin rays make it read as a spark, not a blob.
      const float ray = std::max(std::pow(std::max(0.0f, 1 - std::fabs(dx) * 14), 2.0f),
                                 std::pow(std::max(0.0f, 1 - std::fabs(dy) * 14), 2.0f)) * (1 - d);
      const float a = std::min(1.0f, core * 1.6f + ray * 0.8f);
      const Rgba colour = Mix(kEmber, Mix(kGold, {1, 1, 0.92f, 1}, std::min(1.0f, core * 2)), std::min(1.0f, core * 3 + ray));
      c.Set(x, y, WithAlpha(colour, a));
    }
  return c;
}

Canvas DustSprite(int variant) {
  Canvas c(64, 64, {0, 0, 0, 0});
  const std::uint32_t seed = 700 + static_cast<std::uint32_t>(variant);
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 64; ++x) {
      const float dx = (x + 0.5f - 32) / 30, dy = (y + 0.5f - 32) / 30;
      const float d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      const float n = FractalNoise(seed, x / 12.0f, y / 12.0f, 3);
      const float a = std::clamp((1 - d) * (1 - d) * (0.4f + n), 0.0f, 1.0f) * 0.8f;
      c.Set(x, y, WithAlpha(Mix(Hex(0x8a7a6a), kBone, n), a));
    }
  return c;
}

Canvas BarFrame() {
  Canvas c(256, 16, {1, 1, 1, 0});
  // Inside: clear, with a faint gloss on the upper half and quarter ticks.
  c.FillRect(0, 2, 256, 7, {1, 1, 1, 0.12f});
  for (float x : {64.0f, 128.0f, 192.0f}) c.FillRect(x - 0.5f, 9, x + 0.5f, 14, {0, 0, 0, 0.45f});
  // Border: dark outer line, gold inner line.
  c.StrokeRect(0, 0, 256, 16, 2, Hex(0x120804));
  c.StrokeRect(1, 1, 255, 15, 1, kGold);
  return c;
}
