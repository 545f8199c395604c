#include "fighters/characters.h"

#include <cmath>
#include <stdexcept>

namespace {

// How a figure differs from the common build.
struct Shape {
  double scale = 1.0;      // overall size
  double bulk = 1.0;       // thickness of torso and limbs
  double shoulders = 1.0;  // shoulder width
  double belly = 0.0;      // a belly pushed forward
  double hips = 1.0;
  bool female = false;
};

const char* SideSuffix(int side) { return side == 0 ? "_l" : "_r"; }

BodyPart Part(std::string name, Bone bone, Frame place, std::vector<ProfileRing> rings,
              int segments, int texWidth, int texHeight) {
  BodyPart p;
  p.name = std::move(name);
  p.bone = bone;
  p.place = place;
  p.rings = std::move(rings);
  p.segments = segments;
  p.texWidth = texWidth;
  p.texHeight = texHeight;
  return p;
}

std::vector<ProfileRing> Thicker(std::vector<ProfileRing> rings, double fx, double fy) {
  for (auto& r : rings) {
    r.rx *= fx;
    r.ry *= fy;
  }
  return rings;
}

std::vector<ProfileRing> HeadRings() {
  auto rings = EllipsoidRings(0.2, 0.165, 0.25, 11);
  for (auto& r : rings)
    if (r.z < -0.02) {  // narrower jaw, chin a little forward
      const double k = std::min(1.0, (-0.02 - r.z) / 0.2);
      r.ry *= 1.0 - 0.18 * k;
      r.cx += 0.025 * k;
    }
  return rings;
}

std::vector<ProfileRing> ChestRings(const Shape& s) {
  const double sh = s.shoulders * (s.female ? 0.85 : 1.0);
  const double waist = s.female ? 0.88 : 1.0;
  return {{0.86, 0, 0, 0},
          {0.84, 0.08, 0.12, 0},
          {0.79, 0.14, 0.26 * sh, 0},
          {0.70, 0.18, 0.37 * sh, 0},
          {0.56, 0.19, 0.33 * sh, 0.01},
          {0.38, 0.17 + 0.5 * s.belly, 0.29 * waist, 0.4 * s.belly},
          {0.20, 0.155 + 0.8 * s.belly, 0.25 * waist + 0.3 * s.belly, 0.6 * s.belly},
          {0.02, 0.15 + 0.4 * s.belly, 0.23 + 0.2 * s.belly, 0.3 * s.belly},
          {-0.04, 0.1, 0.15, 0},
          {-0.06, 0, 0, 0}};
}

std::vector<ProfileRing> PelvisRings(const Shape& s) {
  const double h = s.hips;
  return {{0.20, 0, 0, 0},        {0.18, 0.13, 0.22 * h, 0}, {0.10, 0.16, 0.26 * h, 0},
          {0.00, 0.17, 0.28 * h, 0}, {-0.08, 0.15, 0.25 * h, 0}, {-0.15, 0.10, 0.15 * h, 0},
          {-0.17, 0, 0, 0}};
}

void ScalePart(BodyPart& p, double k) {
  p.place.origin = p.place.origin * k;
  for (auto& r : p.rings) {
    r.z *= k;
    r.rx *= k;
    r.ry *= k;
    r.cx *= k;
  }
}

BodyMeasures ScaledMeasures(BodyMeasures m, const Shape& s) {
  const double k = s.scale;
  m.hipHalfWidth *= k * s.hips;
  m.waist *= k;
  m.chestLength *= k;
  m.shoulderHeight *= k;
  m.shoulderHalfWidth *= k * s.shoulders * (s.female ? 0.87 : 1.0);
  m.neckToHead *= k;
  m.upperArm *= k;
  m.forearm *= k;
  m.thigh *= k;
  m.shin *= k;
  m.ankleHeight *= k;
  return m;
}

// The bare figure: head, neck, nose, ears, chest, pelvis, arms with fists, legs with feet.
std::vector<BodyPart> BaseFigure(const Shape& s, const BodyMeasures& unscaled) {
  const double b = s.bulk;
  const double hc = unscaled.neckToHead;
  std::vector<BodyPart> parts;
  // The head has a large share of the skin: its face must read at fight distance.
  parts.push_back(Part("head", Bone::Head, PartPlace({0, 0, hc}), HeadRings(), 16, 128, 96));
  parts.push_back(Part("neck", Bone::Head, PartPlace({-0.01, 0, hc - 0.06}),
                       Thicker(LimbRings(0.26, 0.085, 0.085, 0.09, 0.09, 2), b, b), 10, 32, 16));
  parts.push_back(Part("nose", Bone::Head, PartPlace({0.19, 0, hc - 0.035}),
                       EllipsoidRings(0.045, 0.032, 0.065, 5), 8, 8, 8));
  for (int side = 0; side < 2; ++side)
    parts.push_back(Part(std::string("ear") + SideSuffix(side), Bone::Head,
                         PartPlace({-0.015, SideSign(side) * 0.158, hc - 0.01}, {0, -8, 0}),
                         EllipsoidRings(0.034, 0.02, 0.056, 5), 8, 16, 16));
  parts.push_back(Part("chest", Bone::Chest, PartPlace({0, 0, 0}),
                       Thicker(ChestRings(s), b, b), 16, 96, 64));
  parts.push_back(Part("pelvis", Bone::Pelvis, PartPlace({0, 0, 0}),
                       Thicker(PelvisRings(s), b, b), 14, 64, 32));
  if (s.female)
    for (int side = 0; side < 2; ++side)
      parts.push_back(Part(std::string("breast") + SideSuffix(side), Bone::Chest,
                           PartPlace({0.14 * b, SideSign(side) * 0.11, 0.5}, {0, 60, 0}),
                           EllipsoidRings(0.085, 0.095, 0.1, 6), 10, 16, 16));
  for (int side = 0; side < 2; ++side) {
    const std::string sfx = SideSuffix(side);
    parts.push_back(Part("upperarm" + sfx, UpperArm(side), PartPlace({0, 0, 0}),
                         Thicker(LimbRings(unscaled.upperArm, 0.1, 0.1, 0.075, 0.075), b, b), 10, 32, 32));
    parts.push_back(Part("forearm" + sfx, Forearm(side), PartPlace({0, 0, 0}),
                         Thicker(LimbRings(unscaled.forearm, 0.08, 0.08, 0.055, 0.06), b, b), 10, 32, 32));
    parts.push_back(Part("hand" + sfx, Hand(side), PartPlace({0, 0, -0.1}),
                         Thicker(EllipsoidRings(0.06, 0.075, 0.105, 6), b, b), 9, 16, 16));
    const double legBulk = b * (s.female ? 1.05 : 1.0);
    parts.push_back(Part("thigh" + sfx, Thigh(side), PartPlace({0, 0, 0}),
                         Thicker(LimbRings(unscaled.thigh, 0.15, 0.15, 0.1, 0.1), legBulk, legBulk), 10, 32, 48));
    parts.push_back(Part("shin" + sfx, Shin(side), PartPlace({0, 0, 0}),
                         Thicker(LimbRings(unscaled.shin, 0.105, 0.1, 0.065, 0.065), legBulk, legBulk), 10, 32, 48));
    parts.push_back(Part("foot" + sfx, Foot(side), PartPlace({0.08, 0, -0.08}, {0, 90, 0}),
                         EllipsoidRings(0.07, 0.075, 0.2, 7), 9, 32, 16));
  }
  return parts;
}

BodyPart* FindPart(std::vector<BodyPart>& parts, const std::string& name) {
  for (auto& p : parts)
    if (p.name == name) return &p;
  return nullptr;
}

// Brimmed hats and caps sit on the head centre hc.
BodyPart PeakedCapCrown(double hc) {
  return Part("cap", Bone::Head, PartPlace({0, 0, hc}),
              {{0.34, 0, 0, -0.01}, {0.34, 0.2, 0.19, -0.01}, {0.33, 0.228, 0.212, -0.01},
               {0.26, 0.212, 0.192, 0}, {0.14, 0.205, 0.185, 0}, {0.05, 0.205, 0.185, 0}},
              14, 64, 24);
}

BodyPart BaseballCapCrown(double hc) {
  std::vector<ProfileRing> rings;
  for (int i = 0; i <= 6; ++i) {
    const double a = Radians(95.0 * i / 6);
    rings.push_back({0.045 + 0.27 * std::cos(a), 0.215 * std::sin(a), 0.192 * std::sin(a), -0.01});
  }
  return Part("cap", Bone::Head, PartPlace({0, 0, hc}), rings, 14, 64, 24);
}

BodyPart Brim(double hc, Vec3 at, double rx, double ry, double pitch) {
  return Part("brim", Bone::Head, PartPlace({at.x, at.y, hc + at.z}, {0, pitch, 0}),
              EllipsoidRings(rx, ry, 0.016, 5), 14, 32, 16);
}

Shape ShapeOf(int index) {
  Shape s;
  switch (index) {
    case 0: s.bulk = 1.05; s.shoulders = 1.06; break;                            // Boxer
    case 1: s.bulk = 1.32; s.shoulders = 1.12; s.belly = 0.2; s.hips = 1.18; break;  // Kingpin
    case 2: s.bulk = 1.05; break;                                                 // Cop
    case 3: s.scale = 1.02; s.bulk = 1.12; s.belly = 0.05; break;                 // Truck driver
    case 4: s.scale = 1.07; s.bulk = 1.22; s.shoulders = 1.15; s.belly = 0.04; break;  // Biker
    case 5: s.scale = 0.96; s.bulk = 0.86; s.shoulders = 0.95; s.hips = 1.14; s.female = true; break;
    case 6: s.scale = 1.02; break;                                                // Inspector
    case 7: s.bulk = 0.86; s.shoulders = 0.93; break;                             // Bandit
    default: throw std::out_of_range("no such character");
  }
  return s;
}

}  // namespace

Character BuildCharacter(int index) {
  static const char* const names[CharacterCount] = {"Boxer", "Kingpin", "Cop", "Truck driver",
                                                     "Biker", "Hooker", "Inspector", "Bandit"};
  static const float strikeTimes[CharacterCount] = {0.25f, 0.2857f, 0.3333f, 0.2857f,
                                                    0.4f, 0.2857f, 0.3333f, 0.25f};
  const Shape s = ShapeOf(index);
  const BodyMeasures unscaled;
  Character c;
  c.name = names[index];
  c.strikeTime = strikeTimes[index];
  c.body = ScaledMeasures(unscaled, s);
  c.parts = BaseFigure(s, unscaled);
  const double hc = unscaled.neckToHead;
  auto& parts = c.parts;

  switch (index) {
    case 0:  // Boxer: gloves and baggy shorts
      for (int side = 0; side < 2; ++side) {
        const std::string sfx = SideSuffix(side);
        BodyPart* hand = FindPart(parts, "hand" + sfx);
        hand->name = "glove" + sfx;
        hand->rings = EllipsoidRings(0.125, 0.115, 0.15, 8);
        hand->place = PartPlace({0.015, 0, -0.12});
        hand->segments = 12;
        hand->texWidth = hand->texHeight = 32;
        parts.push_back(Part("shorts" + sfx, Thigh(side), PartPlace({0, 0, 0}),
                             {{0.1, 0.19, 0.19, 0}, {-0.1, 0.2, 0.2, 0}, {-0.38, 0.185, 0.185, 0.01}},
                             12, 32, 24));
      }
      c.guardHeight = 0.05;
      break;
    case 1:  // Kingpin: heavy, in a suit
      c.stanceWidth = 1.15;
      c.crouch = 0.02;
      break;
    case 2:  // Cop: peaked cap
      parts.push_back(PeakedCapCrown(hc));
      parts.push_back(Brim(hc, {0.17, 0, 0.07}, 0.11, 0.15, 18));
      break;
    case 3:  // Truck driver: baseball cap
      parts.push_back(BaseballCapCrown(hc));
      parts.push_back(Brim(hc, {0.22, 0, 0.07}, 0.15, 0.14, 8));
      c.stanceWidth = 1.05;
      break;
    case 4:  // Biker: big, heavy boots
      for (int side = 0; side < 2; ++side) {
        BodyPart* foot = FindPart(parts, std::string("foot") + SideSuffix(side));
        foot->rings = EllipsoidRings(0.08, 0.085, 0.21, 7);
      }
      c.stanceWidth = 1.1;
      break;
    case 5: {  // Hooker: long hair and a skirt
      BodyPart hair = Part("hair", Bone::Head, PartPlace({0, 0, hc}),
                           {{0.285, 0, 0, -0.02}, {0.27, 0.14, 0.13, -0.02}, {0.2, 0.215, 0.19, -0.02},
                            {0.05, 0.225, 0.2, -0.03}, {-0.12, 0.2, 0.205, -0.07},
                            {-0.35, 0.15, 0.215, -0.11}, {-0.55, 0.11, 0.2, -0.12}},
                           14, 64, 48);
      hair.arcFrom = 62;
      hair.arcTo = 298;
      parts.push_back(hair);
      // The skirt's band is the pelvis's; below the hips each half flares round its own thigh and
      // goes where that thigh goes, so a kick lifts its half instead of passing through the cloth.
      parts.push_back(Part("skirt", Bone::Pelvis, PartPlace({0, 0, 0}),
                           {{0.2, 0.16, 0.25, 0}, {0.08, 0.2, 0.31, 0.01}, {-0.04, 0.23, 0.34, 0.02}},
                           16, 64, 16));
      for (int side = 0; side < 2; ++side) {
        parts.push_back(Part(std::string("skirt") + SideSuffix(side), Thigh(side), PartPlace({0, 0, 0}),
                             {{0.06, 0.21, 0.22, 0}, {-0.12, 0.27, 0.26, 0.03}, {-0.3, 0.33, 0.29, 0.06},
                              {-0.38, 0.35, 0.3, 0.07}},
                             14, 32, 32));
      }
      c.guardHeight = -0.05;
      c.stanceWidth = 0.85;
      break;
    }
    case 6: {  // Inspector: long coat and a hat
      // Like the skirt: the coat's belt is the pelvis's and each tail hangs from its own thigh, open
      // toward the other leg's front so that the coat stays open at the front, and short of the
      // inner side where the other thigh passes. A tail is cloth: when its thigh swings, the side
      // away from the swing hangs along the body instead of lifting as a stiff tube.
      BodyPart coat = Part("coat", Bone::Pelvis, PartPlace({0, 0, 0}),
                           {{0.2, 0.185, 0.285, 0}, {0.0, 0.21, 0.31, 0}, {-0.04, 0.215, 0.315, 0}},
                           16, 64, 16);
      coat.arcFrom = 20;
      coat.arcTo = 340;
      parts.push_back(coat);
      for (int side = 0; side < 2; ++side) {
        BodyPart tail = Part(std::string("coat") + SideSuffix(side), Thigh(side), PartPlace({0, 0, 0}),
                             {{0.06, 0.2, 0.24, 0}, {-0.36, 0.25, 0.26, -0.02}, {-0.78, 0.29, 0.28, -0.04}},
                             14, 32, 48);
        tail.arcFrom = side == 0 ? 20 : 120;
        tail.arcTo = side == 0 ? 240 : 340;
        tail.hang = 1.0;
        parts.push_back(tail);
      }
      parts.push_back(Part("hat", Bone::Head, PartPlace({0, 0, hc}),
                           {{0.41, 0, 0, 0}, {0.405, 0.14, 0.12, 0}, {0.38, 0.195, 0.175, 0},
                            {0.22, 0.212, 0.19, 0}, {0.08, 0.212, 0.19, 0}},
                           14, 64, 24));
      parts.push_back(Brim(hc, {0.0, 0, 0.1}, 0.36, 0.33, 4));
      break;
    }
    case 7:  // Bandit: hood behind the head
      parts.push_back(Part("hood", Bone::Chest, PartPlace({-0.15, 0, 0.86}, {0, -15, 0}),
                           EllipsoidRings(0.14, 0.2, 0.17, 7), 12, 32, 32));
      c.crouch = 0.04;
      break;
  }
  for (auto& p : parts) ScalePart(p, s.scale);
  return c;
}
