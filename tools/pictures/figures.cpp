#include "pictures/figures.h"

#include <algorithm>
#include <cmath>

FigureLook CharacterLook(int rosterIndex) {
  FigureLook look;
  switch (rosterIndex) {
    case 1:  // Kingpin
      look.bulk = 1.4f;
      look.gloves = false;
      look.pose = Pose::ArmsCrossed;
      break;
    case 2:  // Cop
      look.bulk = 1.1f;
      look.gloves = false;
      look.head = Headwear::Cap;
      look.pose = Pose::Standing;
      break;
    case 3:  // Truck driver
      look.bulk = 1.3f;
      look.gloves = false;
      look.head = Headwear::Cap;
      look.pose = Pose::Guard;
      break;
    case 4:  // Biker
      look.bulk = 1.15f;
      look.gloves = false;
      look.head = Headwear::Helmet;
      look.pose = Pose::Guard;
      break;
    case 5:  // Hooker
      look.bulk = 0.8f;
      look.gloves = false;
      look.skirt = true;
      look.head = Headwear::LongHair;
      look.pose = Pose::Standing;
      break;
    case 6:  // Inspector
      look.bulk = 1.0f;
      look.gloves = false;
      look.coat = true;
      look.head = Headwear::BrimHat;
      look.pose = Pose::Standing;
      break;
    case 7:  // Bandit
      look.bulk = 1.05f;
      look.gloves = false;
      look.coat = true;
      look.head = Headwear::BrimHat;
      look.pose = Pose::Guard;
      break;
    default:  // the Boxer
      break;
  }
  return look;
}

namespace {

struct Body {
  Canvas& canvas;
  Point feet;
  float h, f, bulk;
  Rgba colour;
  float dx;  // rim offset in pixels

  Point P(float x, float y) const { return {feet.x + dx + x * h * f, feet.y - y * h}; }
  void Limb(Point a, Point b, float wa, float wb) const {
    canvas.StrokeTapered(a, b, wa * h, wb * h, colour);
  }
  void Blob(Point c, float rx, float ry) const { canvas.FillEllipse(c, rx * h, ry * h, colour); }
  void Poly(std::initializer_list<Point> pts) const { canvas.FillPolygon(pts, colour); }
};

void DrawBody(const Body& b, const FigureLook& look) {
  const float k = b.bulk, sk = std::sqrt(k);
  const float shoulder = 0.125f * k, waist = 0.075f * k, hip = 0.08f * (look.skirt ? 1.2f : sk);
  const bool guard = look.pose == Pose::Guard || look.pose == Pose::Punch;
  // Legs: a fighting stance opens the feet and bends the knees.
  const float front = guard ? 0.15f : 0.055f, back = guard ? -0.13f : -0.05f;
  const float thigh = 0.1f * sk * (look.skirt ? 0.6f : 1), calf = thigh * 0.72f;
  auto leg = [&](float hipX, float footX, float kneeOut) {
    const Point knee = b.P(hipX + (footX - hipX) * 0.55f + kneeOut, 0.27f);
    b.Limb(b.P(hipX, 0.5f), knee, thigh, calf * 1.1f);
    b.Limb(knee, b.P(footX, 0.04f), calf * 1.1f, calf * 0.7f);
    b.Poly({b.P(footX - 0.03f, 0.045f), b.P(footX + 0.02f, 0.045f), b.P(footX + 0.08f, 0.0f),
            b.P(footX - 0.035f, 0.0f)});
  };
  leg(-0.045f, back, guard ? 0.02f : 0);
  leg(0.045f, front, guard ? 0.035f : 0);
  // Torso: broad shoulders, a narrow waist, the hips; leaning into the guard.
  const float lean = guard ? 0.035f : 0;
  b.Poly({b.P(-shoulder + lean, 0.8f), b.P(-0.035f + lean, 0.835f), b.P(0.035f + lean, 0.835f),
          b.P(shoulder + lean, 0.8f), b.P(shoulder * 0.86f + lean, 0.69f), b.P(waist + lean * 0.4f, 0.57f),
          b.P(hip, 0.47f), b.P(-hip, 0.47f), b.P(-waist + lean * 0.4f, 0.57f),
          b.P(-shoulder * 0.86f + lean, 0.69f)});
  b.Blob(b.P(shoulder * 0.85f + lean, 0.785f), 0.05f * sk, 0.04f * sk);
  b.Blob(b.P(-shoulder * 0.85f + lean, 0.785f), 0.05f * sk, 0.04f * sk);
  if (look.gloves)  // boxing trunks
    b.Poly({b.P(-hip * 1.15f, 0.56f), b.P(hip * 1.15f, 0.56f), b.P(hip * 1.3f + 0.03f, 0.4f),
            b.P(-hip * 1.3f - 0.01f, 0.4f)});
  if (look.skirt)
    b.Poly({b.P(-hip, 0.52f), b.P(hip, 0.52f), b.P(hip * 1.5f, 0.36f), b.P(-hip * 1.5f, 0.36f)});
  if (look.coat)
    b.Poly({b.P(-shoulder * 0.95f + lean, 0.8f), b.P(shoulder * 0.95f + lean, 0.8f), b.P(0.16f, 0.22f),
            b.P(-0.16f, 0.22f)});
  // Neck and head.
  b.Limb(b.P(lean, 0.8f), b.P(lean + 0.01f, 0.87f), 0.065f * k, 0.055f * k);
  const Point head = b.P(lean + 0.018f, 0.915f);
  b.Blob(head, 0.05f * sk, 0.062f * sk);
  b.Blob(b.P(lean + 0.035f, 0.885f), 0.035f * sk, 0.03f * sk);  // jaw
  switch (look.head) {
    case Headwear::Cap:
      b.Blob({head.x, head.y - 0.035f * b.h}, 0.06f, 0.035f);
      b.Limb({head.x, head.y - 0.03f * b.h}, {head.x + 0.09f * b.h * b.f, head.y - 0.025f * b.h},
             0.02f, 0.012f);
      break;
    case Headwear::BrimHat:
      b.Blob({head.x, head.y - 0.035f * b.h}, 0.105f, 0.018f);
      b.Poly({{head.x - 0.05f * b.h, head.y - 0.035f * b.h},
              {head.x + 0.05f * b.h, head.y - 0.035f * b.h},
              {head.x + 0.04f * b.h, head.y - 0.1f * b.h},
              {head.x - 0.04f * b.h, head.y - 0.1f * b.h}});
      break;
    case Headwear::Helmet:
      b.Blob({head.x, head.y - 0.01f * b.h}, 0.075f, 0.075f);
      break;
    case Headwear::LongHair:
      b.Poly({{head.x - 0.06f * b.h, head.y - 0.04f * b.h},
              {head.x + 0.05f * b.h, head.y - 0.05f * b.h},
              {head.x + 0.02f * b.h * b.f - 0.06f * b.h, head.y + 0.2f * b.h},
              {head.x - 0.09f * b.h, head.y + 0.16f * b.h}});
      break;
    case Headwear::None:
      break;
  }
  // Arms from the shoulders.
  const Point sFront = b.P(shoulder * 0.85f + lean, 0.79f);
  const Point sBack = b.P(-shoulder * 0.85f + lean, 0.79f);
  const float armW = 0.068f * sk;
  const float fist = look.gloves ? 0.052f : 0.03f * sk;
  auto arm = [&](Point s, Point elbow, Point hand) {
    b.Limb(s, elbow, armW, armW * 0.85f);
    b.Limb(elbow, hand, armW * 0.85f, armW * 0.7f);
    b.Blob(hand, fist, fist * 1.05f);
  };
  switch (look.pose) {
    case Pose::Guard:
      arm(sFront, b.P(0.17f + lean, 0.66f), b.P(0.23f + lean, 0.84f));
      arm(sBack, b.P(0.03f + lean, 0.63f), b.P(0.11f + lean, 0.86f));
      break;
    case Pose::Punch:
      arm(sFront, b.P(0.3f, 0.8f), b.P(0.46f, 0.82f));
      arm(sBack, b.P(0.02f, 0.63f), b.P(0.08f, 0.84f));
      break;
    case Pose::Standing:
      arm(sFront, b.P(shoulder + 0.03f, 0.63f), b.P(shoulder + 0.04f, 0.46f));
      arm(sBack, b.P(-shoulder - 0.03f, 0.63f), b.P(-shoulder - 0.04f, 0.46f));
      break;
    case Pose::ArmsCrossed:
      arm(sFront, b.P(shoulder + 0.02f, 0.64f), b.P(-0.05f, 0.69f));
      arm(sBack, b.P(-shoulder - 0.02f, 0.64f), b.P(0.06f, 0.66f));
      break;
    case Pose::Victory:
      arm(sFront, b.P(shoulder + 0.08f, 0.95f), b.P(shoulder + 0.06f, 1.12f));
      arm(sBack, b.P(-shoulder - 0.08f, 0.95f), b.P(-shoulder - 0.06f, 1.12f));
      break;
  }
}

}  // namespace

void DrawFigure(Canvas& canvas, Point feet, float height, float facing, const FigureLook& look,
                Rgba body, Rgba rimColour, float rimSide) {
  // A thin rim reads as light on the edge; a thick one would read as a second figure.
  const float rim = std::clamp(height * 0.012f, 1.5f, 4.5f);
  if (rimColour.a > 0) DrawBody({canvas, feet, height, facing, look.bulk, rimColour, rim * rimSide}, look);
  DrawBody({canvas, feet, height, facing, look.bulk, body, 0}, look);
}
