// Announcements drawn with additive blending: bright lettering on pure black.
#include <algorithm>

#include "common/text.h"
#include "pictures/pictures.h"
#include "pictures/style.h"

namespace {

using namespace palette;

// Lettering filled top to bottom from `top` to `bottom`, with a hot glow; the edges stay black
// so nothing but the words lights up the fight.
Canvas Lettering(int w, int h, const std::string& text, float size, Rgba top, Rgba bottom,
                 Rgba glow, float tracking) {
  Canvas c(w, h, {0, 0, 0, 1});
  // Shrink the size until the words fit with room for the glow.
  float s = size;
  while (s > 8 && FontFace(kDisplayFontFile, s).Measure(text, tracking) > w * 0.9f) s *= 0.95f;
  const FontFace face(kDisplayFontFile, s);
  const int pad = static_cast<int>(h * 0.25f);
  Canvas letters = TextLayer(face, text, {1, 1, 1, 1}, tracking, pad);
  const float capTop = pad + face.Ascender() - face.CapHeight();
  for (int y = 0; y < letters.Height(); ++y) {
    const float t = std::clamp((y - capTop) / std::max(1.0f, face.CapHeight()), 0.0f, 1.0f);
    const Rgba fill = Mix(top, bottom, t);
    for (int x = 0; x < letters.Width(); ++x) {
      Rgba p = letters.Get(x, y);
      letters.Set(x, y, {fill.r, fill.g, fill.b, p.a});
    }
  }
  Canvas halo = TextLayer(face, text, glow, tracking, pad);
  halo.Blur(h * 0.09f);
  const float capMiddle = pad + face.Ascender() - face.CapHeight() / 2;
  const int x = static_cast<int>((w - letters.Width()) / 2);
  const int y = static_cast<int>(h / 2.0f - capMiddle);
  c.Draw(halo, x, y, BlendMode::Add, glow.a);
  c.Draw(letters, x, y, BlendMode::Over);
  // Keep the border black: the glow must not reach the quad's edges.
  for (int yy = 0; yy < h; ++yy)
    for (int xx = 0; xx < w; ++xx) {
      const float ex = std::min(xx, w - 1 - xx) / (w * 0.04f), ey = std::min(yy, h - 1 - yy) / (h * 0.08f);
      const float k = std::clamp(std::min(ex, ey), 0.0f, 1.0f);
      if (k < 1) c.Paint(xx, yy, {0, 0, 0, 1}, 1 - k);
    }
  return c;
}

}  // namespace

Canvas RoundBanner(int round) {
  return Lettering(256, 128, "ROUND " + std::to_string(round), 96, kBone, kGold,
                   WithAlpha(kEmber, 0.9f), 3);
}

Canvas CountInPicture(const std::string& word) {
  const bool last = word.find("FIGHT") != std::string::npos;
  return Lettering(256, 128, word, 104, last ? Hex(0xfff4d0) : kBone, last ? kEmber : kAmber,
                   WithAlpha(last ? kBlood : kEmber, 1.0f), 4);
}

Canvas WinnerBanner(const std::string& text) {
  return Lettering(480, 64, text, 56, kBone, kGold, WithAlpha(kEmber, 0.85f), 4);
}
