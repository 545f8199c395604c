#include "fighters/fighter_skins.h"

#include <cmath>
#include <functional>
#include <string>

#include "fighters/skin_layout.h"

namespace {

using Painter = std::function<Rgba(double u, double v)>;

// u runs around a part with its front at 0.5 and the figure's left above 0.5; v runs down.
double FromFront(double u) { return u - 0.5; }

bool Near(double a, double b, double r) { return std::abs(a - b) < r; }

struct Palette {
  Rgba skin, hair, top, sleeve, trousers, shoes, accent;
};

Palette PaletteOf(int index) {
  switch (index) {
    case 0: return {Hex(0xB97F5A), Hex(0x1E1410), Hex(0xB97F5A), Hex(0xB97F5A), Hex(0xC01822), Hex(0xF2F2F2), Hex(0xD02020)};
    case 1: return {Hex(0xE2B596), Hex(0x2A2522), Hex(0x26262E), Hex(0x26262E), Hex(0x26262E), Hex(0x141414), Hex(0xA01818)};
    case 2: return {Hex(0xD7A27E), Hex(0x3A2A1E), Hex(0x7FA6D6), Hex(0x7FA6D6), Hex(0x1B2547), Hex(0x101010), Hex(0x1B2547)};
    case 3: return {Hex(0xD09872), Hex(0x6A4A2E), Hex(0xB02222), Hex(0xB02222), Hex(0x35507E), Hex(0x5A3A22), Hex(0xE8E8E8)};
    case 4: return {Hex(0xC58C66), Hex(0x3B2B20), Hex(0x18181A), Hex(0x18181A), Hex(0x2A3550), Hex(0x141414), Hex(0xB81E1E)};
    case 5: return {Hex(0xF0C4A6), Hex(0xF2D27A), Hex(0xD0206A), Hex(0xF0C4A6), Hex(0x141414), Hex(0x121212), Hex(0xC0103A)};
    case 6: return {Hex(0xDCA986), Hex(0x7A7670), Hex(0xA8875A), Hex(0xA8875A), Hex(0x4A4A50), Hex(0x3A2414), Hex(0x5A3A22)};
    default: return {Hex(0xA87350), Hex(0x141414), Hex(0x4E535C), Hex(0x4E535C), Hex(0x2C2E33), Hex(0xE0E0E0), Hex(0x0E0E10)};
  }
}

// Cloth: the colour with a soft weave of noise.
Rgba Cloth(Rgba c, double u, double v, std::uint32_t seed, float amount = 0.06f) {
  const float n = ValueNoise(seed, static_cast<float>(u * 40), static_cast<float>(v * 40)) - 0.5f;
  return Scale(c, 1.0f + amount * 2 * n);
}

Rgba Checked(Rgba base, double u, double v) {
  const bool a = static_cast<int>(std::floor(u * 14)) % 2 == 0;
  const bool b = static_cast<int>(std::floor(v * 9)) % 2 == 0;
  Rgba c = base;
  if (a && b) c = Scale(base, 0.25f);
  else if (a || b) c = Scale(base, 0.6f);
  if (Near(std::fmod(u * 14, 1.0), 0.5, 0.06) || Near(std::fmod(v * 9, 1.0), 0.5, 0.06))
    c = Mix(c, Hex(0xE8D8C0), 0.5f);
  return c;
}

// Where the face's features lie, in the head's (u, v). The fight camera sees a fighter from three
// quarters to full profile, so the eyes sit well round the sides (about 36° from the front) where
// a profile still shows them whole, the mouth's corners reach round as far, and everything is
// sized for a head some forty pixels tall on screen.
namespace face {
constexpr double EyeX = 0.1, EyeV = 0.49, EyeHalfX = 0.045, EyeHalfV = 0.036;
constexpr double IrisX = 0.092, IrisHalfX = 0.025, IrisHalfV = 0.032;  // a little ahead, at the opponent
constexpr double LidScale = 1.3;                                      // the dark upper lid round the eye
constexpr double MouthV = 0.675, MouthHalfX = 0.1, MouthHalfV = 0.025, CreaseX = 0.15;

// Where (ax, v) lies in an ellipse: 0 at its centre, 1 on its rim.
double Ellipse(double ax, double v, double x, double cv, double hx, double hv) {
  const double dx = (ax - x) / hx, dv = (v - cv) / hv;
  return dx * dx + dv * dv;
}
double EyeShape(double ax, double v) { return Ellipse(ax, v, EyeX, EyeV, EyeHalfX, EyeHalfV); }
bool Iris(double ax, double v) { return Ellipse(ax, v, IrisX, EyeV, IrisHalfX, IrisHalfV) <= 1; }
// Painted eyes (`lined`) have their lower lid drawn too.
bool Lid(double ax, double v, bool lined) {
  return (v < EyeV || lined) && Ellipse(ax, v, EyeX, EyeV, EyeHalfX * LidScale, EyeHalfV * LidScale) <= 1;
}
// Heavy brows, low over the nose and rising outward.
bool Brow(double ax, double v) {
  return ax > 0.035 && ax < 0.16 && Near(v, 0.418 - 0.2 * (ax - 0.035), 0.019);
}
// The lips, a little lower at the corners, then a thin crease on round the cheek.
bool Mouth(double ax, double v) {
  const double middle = MouthV + 0.25 * ax * ax / MouthHalfX;
  if (ax < MouthHalfX) return Near(v, middle, MouthHalfV * (1 - 0.35 * ax / MouthHalfX));
  const double along = (ax - MouthHalfX) / (CreaseX - MouthHalfX);
  return ax < CreaseX && Near(v, middle + 0.3 * (ax - MouthHalfX), 0.015 * (1 - 0.5 * along));
}
// The bandit's mask leaves the eyes free with a rim of skin round them.
bool EyeHole(double ax, double v) { return Ellipse(ax, v, EyeX - 0.004, EyeV - 0.006, 0.068, 0.06) <= 1; }
}  // namespace face

}  // namespace

FaceFeature FaceFeatureAt(int index, double u, double v) {
  const double ax = std::abs(FromFront(u));
  if (index == 7 && v > 0.36 && !face::EyeHole(ax, v)) return FaceFeature::Mask;
  if (face::Mouth(ax, v)) return FaceFeature::Mouth;
  if (face::Brow(ax, v)) return FaceFeature::Brow;
  if (face::EyeShape(ax, v) <= 1 || face::Lid(ax, v, index == 5)) return FaceFeature::Eye;
  return FaceFeature::None;
}

namespace {

Rgba Face(int index, const Palette& pal, double u, double v) {
  const double x = FromFront(u);  // -0.5..0.5, 0 = middle of the face
  const double ax = std::abs(x);
  Rgba c = Cloth(pal.skin, u, v, 11, 0.04f);
  // Cheeks a little warmer.
  if (ax < 0.14 && Near(v, 0.58, 0.05)) c = Mix(c, Hex(0xD06050), 0.1f);

  // Hairline: low at the back and sides, high over the forehead.
  const double hairline = 0.27 + 0.33 * std::pow(std::min(1.0, ax / 0.5), 1.5);
  bool hair = v < hairline && index != 2 && index != 3;
  if (index == 1 || index == 6) hair = v < hairline - 0.02;  // receding, combed back
  if (index == 4) hair = v < hairline + 0.05 && ax > 0.2;     // under the bandana at the back
  if (hair) c = Cloth(pal.hair, u * 3, v, 12, 0.15f);

  const FaceFeature feature = FaceFeatureAt(index, u, v);
  if (index == 5 && face::Lid(ax, v + 0.016, false) && feature == FaceFeature::None)
    c = Hex(0x7A4AA0);  // eye shadow above the lid
  switch (feature) {
    case FaceFeature::Eye:
      if (face::EyeShape(ax, v) > 1) c = Hex(0x1A0E08);  // the lid
      else if (face::Iris(ax, v)) c = index == 5 ? Hex(0x1E4A90) : Hex(0x2A1A10);
      else c = Hex(0xF6F2EC);
      break;
    case FaceFeature::Brow:
      c = index == 5 ? Scale(pal.hair, 0.36f) : Mix(Scale(pal.hair, 0.5f), Hex(0x120C08), 0.6f);
      break;
    case FaceFeature::Mouth:
      if (index == 5) c = Hex(0xB01030);
      else if (index == 4) c = Hex(0xA85448);  // lips in the beard
      else c = ax < face::MouthHalfX ? Hex(0x3A120E) : Scale(pal.skin, 0.42f);
      break;
    default:
      break;
  }

  switch (index) {
    case 1:  // heavy jowls: stubble shadow
      if (v > 0.72 && ax < 0.2) c = Scale(c, 0.92f);
      break;
    case 4:  // bandana over the top, full beard
      if (v < 0.3 + 0.04 * ax) {
        c = pal.accent;
        if (Hash01(7, static_cast<int>(u * 30), static_cast<int>(v * 30)) > 0.8) c = Hex(0xF0F0F0);
      }
      if (v > 0.57 && ax < 0.24 && feature != FaceFeature::Mouth) c = Cloth(pal.hair, u * 4, v * 2, 13, 0.2f);
      break;
    case 6:  // moustache
      if (ax < 0.075 && Near(v, 0.64 + 0.2 * ax, 0.014)) c = Scale(pal.hair, 0.7f);
      break;
    case 7:
      if (feature == FaceFeature::Mask) c = Cloth(pal.accent, u, v, 14, 0.1f);
      break;
    default:
      break;
  }
  return c;
}

Rgba Chest(int index, const Palette& pal, double u, double v) {
  const double x = FromFront(u);
  const double ax = std::abs(x);
  switch (index) {
    case 0: {  // bare torso: a line down the belly, the stomach muscles, nipples
      Rgba c = Cloth(pal.skin, u, v, 21, 0.04f);
      if (ax < 0.006 && v > 0.42 && v < 0.8) c = Scale(c, 0.88f);
      if (ax < 0.1 && v > 0.5 && v < 0.82 && Near(std::fmod(v * 14, 1.0), 0.5, 0.06)) c = Scale(c, 0.92f);
      if (Near(ax, 0.075, 0.012) && Near(v, 0.37, 0.012)) c = Hex(0x7A4A38);
      return c;
    }
    case 1: {  // suit: white shirt and red tie in the jacket's V, lapels, buttons
      Rgba c = Cloth(pal.top, u, v, 22, 0.05f);
      if (Near(std::fmod(u * 40, 1.0), 0.5, 0.04)) c = Scale(c, 1.35f);  // pinstripes
      const double vOpen = 0.12 + 0.6 * (1 - ax / 0.12);
      if (ax < 0.12 && v < vOpen) c = Hex(0xEDEDED);
      if (ax < 0.018 + 0.01 * v && v < 0.7 && v > 0.1) c = pal.accent;
      if (Near(ax, 0.12 - (v - 0.12) * 0.2, 0.015) && v < vOpen + 0.05) c = Scale(pal.top, 0.6f);
      if (ax < 0.01 && (Near(v, 0.78, 0.015) || Near(v, 0.9, 0.015))) c = Hex(0x101010);
      return c;
    }
    case 2: {  // uniform shirt: badge, pockets, tie, belt
      Rgba c = Cloth(pal.top, u, v, 23, 0.05f);
      if (ax < 0.012 && v > 0.08 && v < 0.7) c = Hex(0x15203A);
      if (Near(x, 0.09, 0.022) && Near(v, 0.34, 0.03)) c = Hex(0xE0B830);
      if (Near(x, -0.09, 0.035) && Near(v, 0.42, 0.05)) c = Scale(c, 0.9f);
      if (Near(ax, 0.09, 0.036) && Near(v, 0.37, 0.004)) c = Scale(c, 0.75f);
      if (ax > 0.22 && v < 0.3) c = Hex(0x1B2547);  // shoulder straps
      if (v > 0.9) c = Hex(0x101010);
      return c;
    }
    case 3: {  // checked shirt, open collar
      Rgba c = Checked(pal.top, u, v);
      if (ax < 0.04 - 0.04 * v && v < 0.3) c = pal.skin;
      if (ax < 0.005 && v > 0.2) c = Hex(0xF0F0F0);
      return c;
    }
    case 4: {  // leather jacket over a grey shirt, zip and studs
      Rgba c = Cloth(pal.top, u, v, 24, 0.12f);
      if (ax < 0.07 && v < 0.85) c = Cloth(Hex(0x6E6E6E), u, v, 25, 0.05f);
      if (Near(ax, 0.07, 0.01)) c = Hex(0x9A9A9A);
      if (Near(ax, 0.16, 0.03) && v < 0.35) c = Scale(pal.top, 1.8f);  // lapel shine
      if (v > 0.9) c = Hex(0x2A1E14);
      return c;
    }
    case 5: {  // tube top over bare shoulders and midriff
      Rgba c = Cloth(pal.skin, u, v, 26, 0.03f);
      if (v > 0.36 && v < 0.72) c = Cloth(pal.top, u, v, 27, 0.08f);
      if (v > 0.36 && v < 0.72 && Near(v, 0.37, 0.012)) c = Scale(pal.top, 0.6f);
      if (ax < 0.008 && Near(v, 0.82, 0.012)) c = Scale(pal.skin, 0.8f);
      return c;
    }
    case 6: {  // trench coat: double row of buttons, lapels, belt
      Rgba c = Cloth(pal.top, u, v, 28, 0.06f);
      if (ax < 0.06 && v < 0.3 - ax) c = Hex(0xE8E8E8);
      if (ax < 0.012 && v < 0.3) c = Hex(0x3A2A2A);
      if (Near(ax, 0.08, 0.02) && v < 0.4) c = Scale(pal.top, 0.8f);
      if (Near(ax, 0.07, 0.012) && (Near(v, 0.45, 0.015) || Near(v, 0.62, 0.015))) c = Hex(0x3A2A1A);
      if (v > 0.86 && v < 0.95) c = Scale(pal.top, 0.65f);
      return c;
    }
    default: {  // hoodie: pouch pocket and drawstrings
      Rgba c = Cloth(pal.top, u, v, 29, 0.08f);
      if (ax < 0.13 && v > 0.62 && v < 0.9) c = Scale(c, 0.85f);
      if (Near(ax, 0.035, 0.006) && v < 0.45) c = Hex(0xD8D8D8);
      if (v > 0.92) c = Scale(pal.top, 0.75f);
      return c;
    }
  }
}

Rgba Pelvis(int index, const Palette& pal, double u, double v) {
  Rgba c = index == 3 || index == 4 ? Cloth(pal.trousers, u * 2, v * 2, 31, 0.15f)
                                    : Cloth(pal.trousers, u, v, 31, 0.05f);
  const double ax = std::abs(FromFront(u));
  if (v < 0.2) {
    if (index == 0) c = Hex(0xF2F2F2);
    else if (index == 5) c = pal.top;
    else if (index != 7) c = index == 3 ? Hex(0x5A3A22) : Hex(0x101010);
    if (index != 0 && index != 7 && ax < 0.04) c = Hex(0xC8B060);  // buckle
  }
  if (index == 0 && Near(ax, 0.25, 0.02)) c = Hex(0xF2F2F2);
  return c;
}

// Arms: sleeve down to `sleeveEnd` (0 = none on this part), skin below.
Rgba ArmPart(int index, const Palette& pal, bool upper, double u, double v) {
  double sleeveEnd = 1.1;
  switch (index) {
    case 0: case 5: sleeveEnd = 0; break;
    case 2: sleeveEnd = upper ? 0.55 : 0; break;
    case 3: sleeveEnd = upper ? 1.1 : 0.25; break;
    default: break;
  }
  if (v < sleeveEnd) {
    Rgba c = index == 3 ? Checked(pal.sleeve, u, v * 0.5) : Cloth(pal.sleeve, u, v, 41, index == 4 ? 0.12f : 0.05f);
    if (!upper && v > 0.82 && (index == 1 || index == 6)) c = Hex(0xEDEDED);  // shirt cuff
    if (!upper && Near(v, 0.2, 0.05) && index == 7) c = Scale(c, 0.8f);
    return c;
  }
  Rgba c = Cloth(pal.skin, u, v, 42, 0.04f);
  if (index == 4 && !upper && Near(FromFront(u), 0.0, 0.12) && Near(v, 0.5, 0.2)) c = Hex(0x2A3A5A);  // tattoo
  return c;
}

Rgba HandPart(int index, const Palette& pal, double u, double v) {
  if (index == 7) return Cloth(Hex(0x151515), u, v, 51, 0.1f);  // gloves
  Rgba c = Cloth(pal.skin, u, v, 52, 0.04f);
  if (Near(std::fmod(u * 4, 1.0), 0.5, 0.05) && v > 0.55) c = Scale(c, 0.85f);  // fingers
  return c;
}

Rgba Glove(const Palette& pal, double u, double v) {
  if (v < 0.22) return Hex(0xF4F4F4);
  Rgba c = Cloth(pal.accent, u, v, 53, 0.05f);
  const double shine = std::max(0.0, 1 - std::hypot(FromFront(u) + 0.08, v - 0.45) * 6);
  return Mix(c, Hex(0xFFB0B0), static_cast<float>(0.4 * shine));
}

Rgba LegPart(int index, const Palette& pal, bool upper, double u, double v) {
  const double x = FromFront(u);
  if (index == 0) {  // bare legs, high white boxing boots
    if (!upper && v > 0.55) return Cloth(pal.shoes, u, v, 61, 0.04f);
    return Cloth(pal.skin, u, v, 62, 0.04f);
  }
  if (index == 5) {  // fishnet thighs, knee boots
    if (!upper && v > 0.12) return Cloth(pal.shoes, u, v, 63, 0.1f);
    Rgba c = pal.skin;
    const double a = std::fmod(u * 30 + v * 12, 1.0), b = std::fmod(u * 30 - v * 12 + 10, 1.0);
    if (a < 0.12 || b < 0.12) c = Hex(0x1A1A1A);
    return c;
  }
  if (index == 4 && !upper && v > 0.5) return Cloth(pal.shoes, u, v, 64, 0.1f);  // boots
  Rgba c = index == 3 || index == 4 ? Cloth(pal.trousers, u * 2, v * 2, 65, 0.15f)
                                    : Cloth(pal.trousers, u, v, 65, 0.05f);
  if ((index == 1 || index == 6) && Near(x, 0.0, 0.01)) c = Scale(c, 1.3f);  // crease
  if (index == 2 && Near(std::abs(x), 0.25, 0.015)) c = Hex(0xD8B030);       // trouser stripe
  if (index == 3 && Near(std::abs(x), 0.25, 0.008)) c = Hex(0xC8A050);       // jeans seam
  return c;
}

Rgba Foot(int index, const Palette& pal, double u, double v) {
  Rgba c = Cloth(pal.shoes, u, v, 71, 0.05f);
  if (index == 7 && Near(FromFront(u), 0.5, 0.15)) c = Hex(0x202020);  // trainers' soles
  if (index == 7 && Near(v, 0.5, 0.05)) c = Hex(0xC02020);
  if (std::abs(FromFront(u)) < 0.06) c = Scale(c, 0.6f);  // sole underneath (part x is down)
  return c;
}

Painter PainterFor(int index, const Palette& pal, const std::string& name) {
  auto starts = [&](const char* p) { return name.rfind(p, 0) == 0; };
  if (name == "head") return [=](double u, double v) { return Face(index, pal, u, v); };
  if (name == "nose") return [=](double u, double v) {
    return index == 7 ? pal.accent : Cloth(Scale(pal.skin, 0.96f), u, v, 81, 0.03f);
  };
  if (starts("ear")) return [=](double u, double v) {
    return index == 7 ? pal.accent : Cloth(Scale(pal.skin, 0.9f), u, v, 80, 0.03f);
  };
  if (name == "neck") return [=](double u, double v) {
    if (index == 7) return Scale(pal.accent, 1.0f);
    if ((index == 1 || index == 6) && v > 0.55) return Hex(0xEDEDED);
    if (index == 2 && v > 0.55) return pal.top;
    return Cloth(pal.skin, u, v, 82, 0.04f);
  };
  if (name == "chest") return [=](double u, double v) { return Chest(index, pal, u, v); };
  if (starts("breast")) return [=](double u, double v) { return Cloth(pal.top, u, v, 83, 0.08f); };
  if (name == "pelvis") return [=](double u, double v) { return Pelvis(index, pal, u, v); };
  if (starts("upperarm")) return [=](double u, double v) { return ArmPart(index, pal, true, u, v); };
  if (starts("forearm")) return [=](double u, double v) { return ArmPart(index, pal, false, u, v); };
  if (starts("hand")) return [=](double u, double v) { return HandPart(index, pal, u, v); };
  if (starts("glove")) return [=](double u, double v) { return Glove(pal, u, v); };
  if (starts("thigh")) return [=](double u, double v) { return LegPart(index, pal, true, u, v); };
  if (starts("shin")) return [=](double u, double v) { return LegPart(index, pal, false, u, v); };
  if (starts("foot")) return [=](double u, double v) { return Foot(index, pal, u, v); };
  if (starts("shorts")) return [=](double u, double v) {
    Rgba c = Cloth(pal.trousers, u, v, 84, 0.06f);
    if (Near(std::abs(FromFront(u)), 0.25, 0.03) || v > 0.85) c = Hex(0xF2F2F2);
    return c;
  };
  if (name == "cap") return [=](double u, double v) {
    if (index == 3) {  // trucker cap: coloured front, mesh back
      Rgba c = std::abs(FromFront(u)) < 0.2 ? Hex(0xE8E8E8) : pal.top;
      if (std::abs(FromFront(u)) < 0.12 && Near(v, 0.6, 0.12)) c = pal.top;
      return Cloth(c, u, v, 85, 0.06f);
    }
    Rgba c = Cloth(pal.accent, u, v, 86, 0.05f);
    if (v > 0.7) c = Hex(0x0E0E0E);
    if (std::abs(FromFront(u)) < 0.04 && Near(v, 0.55, 0.12)) c = Hex(0xE0B830);
    return c;
  };
  if (name == "brim") return [=](double u, double v) {
    if (index == 3) return Scale(pal.top, 0.9f);
    if (index == 6) return Cloth(Hex(0x5A3A22), u, v, 87, 0.05f);
    return Mix(Hex(0x0A0A0A), Hex(0x5A5A5A), static_cast<float>(0.3 * std::abs(std::sin(u * 12))));
  };
  if (name == "hat") return [=](double u, double v) {
    Rgba c = Cloth(Hex(0x5A3A22), u, v, 88, 0.06f);
    if (v > 0.62 && v < 0.82) c = Hex(0x1A1210);
    if (v < 0.2 && std::abs(FromFront(u)) < 0.08) c = Scale(c, 0.75f);  // dent in the crown
    return c;
  };
  if (name == "hair") return [=](double u, double v) {
    const float streak = ValueNoise(89, static_cast<float>(u * 60), static_cast<float>(v * 3));
    return Scale(pal.hair, 0.75f + 0.4f * streak);
  };
  if (starts("skirt")) return [=](double u, double v) {
    Rgba c = Cloth(pal.trousers, u, v, 90, 0.1f);
    const double shine = std::max(0.0, 1 - std::abs(FromFront(u) - 0.1) * 5);
    c = Mix(c, Hex(0x5A5A6A), static_cast<float>(0.35 * shine));
    if (name == "skirt" && v < 0.25) c = pal.top;  // the band
    return c;
  };
  if (starts("coat")) return [=](double u, double v) {
    Rgba c = Cloth(pal.top, u, v, 91, 0.06f);
    if (name == "coat" && v < 0.3) c = Scale(pal.top, 0.65f);  // belt
    if (name != "coat" && v > 0.95) c = Scale(c, 0.85f);        // hem
    return c;
  };
  if (name == "hood") return [=](double u, double v) { return Cloth(Scale(pal.top, 0.9f), u, v, 92, 0.08f); };
  return [=](double, double) { return Hex(0xFF00FF); };
}

}  // namespace

Canvas PaintSkin(int index, const Character& character) {
  const Palette pal = PaletteOf(index);
  Canvas skin(SkinSize, SkinSize, Scale(pal.skin, 0.5f));
  const std::vector<SkinRect> rects = LayoutSkin(character.parts);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const SkinRect& r = rects[i];
    const Painter paint = PainterFor(index, pal, character.parts[i].name);
    // Two pixels beyond the rectangle repeat its edge, for the filtering of small mipmaps.
    for (int y = r.y - 2; y < r.y + r.h + 2; ++y)
      for (int x = r.x - 2; x < r.x + r.w + 2; ++x) {
        const double u = std::clamp((x + 0.5 - r.x) / r.w, 0.0, 1.0);
        const double v = std::clamp((y + 0.5 - r.y) / r.h, 0.0, 1.0);
        skin.Set(x, y, paint(u, v));
      }
  }
  return skin;
}
