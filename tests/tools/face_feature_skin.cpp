#include "face_feature_skin.h"

#include "fighters/characters.h"
#include "fighters/fighter_skins.h"
#include "fighters/skin_layout.h"

namespace {

// Saturated colours far apart, so that no rounding on the way to the screen mixes them up.
const Rgba kCodes[6] = {Hex(0x000000), Hex(0x0000FF), Hex(0xFF0000), Hex(0x00FF00), Hex(0xFFFF00), Hex(0xFF00FF)};

int Code(FaceFeature f) { return 1 + static_cast<int>(f) - static_cast<int>(FaceFeature::None); }

}  // namespace

Canvas FaceFeatureSkin(int characterIndex) {
  const Character character = BuildCharacter(characterIndex);
  Canvas skin(SkinSize, SkinSize, kCodes[0]);
  const std::vector<SkinRect> rects = LayoutSkin(character.parts);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    if (character.parts[i].name != "head") continue;
    const SkinRect& r = rects[i];
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x)
        skin.Set(x, y, kCodes[Code(FaceFeatureAt(characterIndex, (x + 0.5 - r.x) / r.w, (y + 0.5 - r.y) / r.h))]);
  }
  return skin;
}

int FaceFeatureCode(unsigned char r, unsigned char g, unsigned char b) {
  for (int code = 0; code < 6; ++code) {
    const Rgba c = kCodes[code];
    if ((r > 127) == (c.r > 0.5f) && (g > 127) == (c.g > 0.5f) && (b > 127) == (c.b > 0.5f)) return code;
  }
  return 0;
}
