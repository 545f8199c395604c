// The game's icon for the desktop: a "B" in the title lettering, gold with a blood-red glow, on a
// night brick wall under one sodium lamp. Painted at each hicolor size rather than scaled down, so
// the small ones stay sharp; bricks are left out where they would only be noise.
#include <filesystem>
#include <string>

#include "common/content_registry.h"
#include "common/image_files.h"
#include "common/text.h"
#include "icons/icons.h"
#include "pictures/style.h"

namespace {

Canvas PaintIcon(int size) {
  const float s = static_cast<float>(size);
  Canvas wall(size, size, palette::kNight);
  if (size >= 32) {
    PaintBrickWall(wall, 0, 0, s, s, s / 7.0f, palette::kBrick, palette::kSoot, 41);
  } else {
    wall.Fill(Scale(palette::kBrick, 0.8f));
  }
  LightFrom(wall, {s * 0.5f, s * 0.05f}, s * 1.1f, 0.25f, palette::kAmber);
  wall.Glow({s * 0.5f, s * 0.05f}, s * 0.6f, WithAlpha(palette::kAmber, 0.35f));

  const FontFace face(kDisplayFontFile, s * 1.05f);
  TitleStyle style;
  style.fill = palette::kGold;
  style.glow = WithAlpha(palette::kBlood, 0.9f);
  style.glowBlur = s * 0.06f;
  style.shadowBlur = s * 0.02f;
  style.shadowOffset = s * 0.015f;
  DrawTitle(wall, face, "B", s * 0.5f, s * 0.54f, style);
  if (size >= 32) FinishPicture(wall, 43, 0.015f, 0.45f);

  // The wall is cut to a rounded square, so the icon sits on any panel.
  Canvas icon(size, size, {0, 0, 0, 0});
  Canvas shape(size, size, {0, 0, 0, 0});
  const float radius = s * 0.16f;
  shape.FillRoundRect(0, 0, s, s, radius, {1, 1, 1, 1});
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) icon.Paint(x, y, wall.Get(x, y), shape.Get(x, y).a);
  return icon;
}

}  // namespace

void WriteIcons(const std::filesystem::path& iconsDir) {
  for (int size : kIconSizes) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    WritePng(iconsDir / "hicolor" / folder / "apps" / (std::string(kIconName) + ".png"), PaintIcon(size),
             PngChannels::Rgba);
  }
}

REGISTER_CONTENT_KIND(icons, WriteIcons);
