#include "fighters/fighter_animations.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "fighters/body_parts.h"

namespace {

constexpr double SoleHeight = 0.1;  // where the feet stand in the model
constexpr double HeadAim = 2.9;     // opponent's head height
constexpr double BodyAim = 2.1;     // opponent's chest
constexpr double KickAim = 1.85;    // opponent's belly

struct Key {
  double frame;
  Pose pose;
};

double SmoothStep(double t) { return t * t * (3 - 2 * t); }

// One pose per frame from keys at (possibly fractional) frames; the last key must lie at or
// after the last frame. Eased between keys.
std::vector<Pose> Sample(const std::vector<Key>& keys, int frameCount) {
  std::vector<Pose> frames;
  for (int f = 0; f < frameCount; ++f) {
    std::size_t i = 0;
    while (i + 2 < keys.size() && keys[i + 1].frame <= f) ++i;
    const Key &a = keys[i], &b = keys[i + 1];
    const double t = std::clamp((f - a.frame) / (b.frame - a.frame), 0.0, 1.0);
    frames.push_back(Blend(a.pose, b.pose, SmoothStep(t)));
  }
  return frames;
}

double AnkleZ(const Character& c) { return SoleHeight + c.body.ankleHeight; }
double LegLength(const Character& c) { return c.body.thigh + c.body.shin; }
double Scale(const Character& c) { return c.body.thigh / 0.8; }

Pose Guard(const Character& c) {
  const double k = Scale(c);
  const double w = c.stanceWidth * k;
  Pose p;
  const double pelvisZ = AnkleZ(c) + LegLength(c) * 0.965 - c.crouch;
  p.pelvisPosition = {0, 0, pelvisZ};
  p.pelvisTurn = {-8, 3, 0};
  p.chestTurn = {-6, 7, 0};
  p.headTurn = {10, 4, 0};
  const double chestZ = pelvisZ + c.body.waist;
  p.wrist[0] = {0.5 * k, 0.15 * k, chestZ + 0.66 * k + c.guardHeight};
  p.wrist[1] = {0.38 * k, -0.16 * k, chestZ + 0.6 * k + c.guardHeight};
  p.elbowPole[0] = {-0.3, 0.5, -1};
  p.elbowPole[1] = {-0.3, -0.5, -1};
  p.ankle[0] = {0.3 * w, 0.21 * w, AnkleZ(c)};
  p.ankle[1] = {-0.3 * w, -0.23 * w, AnkleZ(c)};
  p.kneePole[0] = {1, 0.25, 0};
  p.kneePole[1] = {1, -0.35, 0};
  p.footYaw = {8, -22};
  p.footPitch = {0, 0};
  return p;
}

// The upper body and both hands moved together.
Pose MovedUpperBody(Pose p, Vec3 d) {
  p.pelvisPosition = p.pelvisPosition + d;
  p.wrist[0] = p.wrist[0] + d;
  p.wrist[1] = p.wrist[1] + d;
  return p;
}

// The whole figure moved forward by `lunge`, the front foot sliding with it and the back foot
// less, as a step into the opponent.
Pose Lunged(Pose p, double lunge, int frontFoot) {
  p = MovedUpperBody(p, {lunge, 0, 0});
  p.ankle[frontFoot].x += lunge * 0.95;
  p.ankle[1 - frontFoot].x += lunge * 0.45;
  return p;
}

std::map<std::string, PartMesh> PartMeshes(const Character& c) {
  std::map<std::string, PartMesh> meshes;
  for (const BodyPart& part : c.parts) meshes[part.name] = BuildPartMesh(part);
  return meshes;
}

double FrontOf(const Skeleton& k, const PartMesh& mesh) {
  double front = -1e9;
  for (const Vec3& p : mesh.positions) front = std::max(front, k[mesh.bone].Apply(p).x);
  return front;
}

std::string FistName(const Character& c, int side) {
  const std::string sfx = side == 0 ? "_l" : "_r";
  for (const BodyPart& p : c.parts)
    if (p.name == "glove" + sfx) return p.name;
  return "hand" + sfx;
}

// A straight arm from the shoulder toward the aim point.
Pose ArmToward(const Character& c, Pose p, int side, Vec3 aim) {
  const Skeleton k = SolvePose(c.body, p);
  const Vec3 shoulder =
      k[Bone::Chest].Apply({0, SideSign(side) * c.body.shoulderHalfWidth, c.body.shoulderHeight});
  const double reach = (c.body.upperArm + c.body.forearm) * 0.995;
  p.wrist[side] = shoulder + Normalized(aim - shoulder) * reach;
  return p;
}

// A straight leg from the hip toward the aim point, toes pointed along it.
Pose LegToward(const Character& c, Pose p, int side, Vec3 aim) {
  const Skeleton k = SolvePose(c.body, p);
  const Vec3 hip = k[Bone::Pelvis].Apply({0, SideSign(side) * c.body.hipHalfWidth, 0});
  const Vec3 dir = Normalized(aim - hip);
  p.ankle[side] = hip + dir * (LegLength(c) * 0.995);
  p.footPitch[side] = -std::atan2(dir.z, dir.x) * 180 / Pi + 15;
  p.footYaw[side] = 0;
  return p;
}

// Lunges the extreme pose built by `strike` (from a lunged guard) until the striking part's
// front reaches the goal.
Pose ReachingExtreme(const Character& c, const Pose& guard, int frontFoot,
                     const std::function<Pose(const Pose&)>& strike, const std::string& part) {
  const auto meshes = PartMeshes(c);
  const PartMesh& mesh = meshes.at(part);
  double lunge = 0.6;
  Pose extreme;
  for (int i = 0; i < 6; ++i) {
    extreme = strike(Lunged(guard, lunge, frontFoot));
    const double front = FrontOf(SolvePose(c.body, extreme), mesh);
    lunge = std::clamp(lunge + (StrikeReachGoal - front), 0.2, 1.4);
  }
  return extreme;
}

Vec3 Add(Vec3 v, double dx, double dy, double dz) { return {v.x + dx, v.y + dy, v.z + dz}; }

// The right-hand (or right-leg) version of a strike; the left one is its mirror image around
// the unchanged guard, so both start and end in the same stance.
std::vector<Pose> MirrorStrike(const std::vector<Pose>& right, const Pose& guard) {
  std::vector<Pose> left;
  for (const Pose& p : right) left.push_back(guard + Mirrored(p - guard));
  return left;
}

std::vector<Pose> HeadStrike(const Character& c, const Pose& g) {
  const int side = 1;
  auto strike = [&](const Pose& lunged) {
    Pose p = lunged;
    p.pelvisPosition.z -= 0.05;
    p.pelvisTurn.x += 16;
    p.chestTurn = {p.chestTurn.x + 26, p.chestTurn.y + 10, 0};
    p.headTurn = {p.headTurn.x - 20, p.headTurn.y - 6, 0};
    p.elbowPole[side] = {0, -1, -0.4};
    p.footYaw[1] += 20;
    p.footPitch[1] = 25;  // back heel lifts as the hip turns
    return ArmToward(c, p, side, {3.0, 0.02, HeadAim});
  };
  const Pose extreme = ReachingExtreme(c, g, 0, strike, FistName(c, side));
  Pose chamber = Blend(g, extreme, 0.15);
  chamber.wrist[side] = Add(g.wrist[side], -0.08, 0, -0.03);
  const Pose hold = Blend(g, extreme, 0.94);
  return Sample({{0, g}, {2, chamber}, {5, extreme}, {6, hold}, {HeadStrikeFrames, g}},
                HeadStrikeFrames);
}

std::vector<Pose> TorsoStrike(const Character& c, const Pose& g) {
  const int side = 1;
  auto strike = [&](const Pose& lunged) {
    Pose p = lunged;
    p.pelvisPosition.z -= 0.2;
    p.wrist[0].z -= 0.12;
    p.pelvisTurn.x += 18;
    p.chestTurn = {p.chestTurn.x + 24, p.chestTurn.y + 22, 0};
    p.headTurn = {p.headTurn.x - 22, p.headTurn.y - 18, 0};
    p.elbowPole[side] = {-0.2, -1, -0.6};
    p.footYaw[1] += 20;
    p.footPitch[1] = 30;
    return ArmToward(c, p, side, {3.0, 0.0, BodyAim});
  };
  const Pose extreme = ReachingExtreme(c, g, 0, strike, FistName(c, side));
  Pose dip = Blend(g, extreme, 0.3);
  dip.wrist[side] = Add(g.wrist[side], -0.05, 0, -0.25);
  const Pose hold = Blend(g, extreme, 0.93);
  return Sample({{0, g}, {2, dip}, {5, extreme}, {6.5, hold}, {TorsoStrikeFrames, g}},
                TorsoStrikeFrames);
}

std::vector<Pose> Kick(const Character& c, const Pose& g) {
  const int side = 1;  // the back leg kicks
  const double k = Scale(c);
  auto strike = [&](const Pose& lunged) {
    Pose p = lunged;
    p.pelvisPosition.z -= 0.04;
    p.pelvisTurn = {p.pelvisTurn.x + 12, -14, 0};
    p.chestTurn = {p.chestTurn.x - 4, p.chestTurn.y - 2, 0};
    p.headTurn = {p.headTurn.x - 8, p.headTurn.y + 14, 0};
    p.wrist[1] = Add(p.wrist[1], -0.25, -0.12, -0.3);  // the arm swings down for balance
    p.kneePole[side] = {0, 0, 1};
    return LegToward(c, p, side, {3.0, 0.0, KickAim});
  };
  // The support (front) foot stays under the body: the back leg carries the lunge.
  const Pose extreme = ReachingExtreme(c, g, 0, strike, side == 0 ? "foot_l" : "foot_r");
  Pose chamber = Blend(g, extreme, 0.35);
  chamber.ankle[side] = {chamber.pelvisPosition.x + 0.35 * k, -0.16 * k,
                         chamber.pelvisPosition.z - 0.75 * k};
  chamber.kneePole[side] = {1, 0, 0.4};
  chamber.footPitch[side] = 45;
  Pose recoil = chamber;
  recoil = MovedUpperBody(recoil, {0.1 * k, 0, 0});
  recoil.ankle[side].x += 0.1 * k;
  Pose landing = Blend(g, extreme, 0.2);
  landing.ankle[side] = Add(g.ankle[side], 0.15 * k, 0, 0);
  landing.footPitch[side] = 0;
  landing.kneePole[side] = g.kneePole[side];
  const Pose hold = Blend(chamber, extreme, 0.95);
  return Sample({{0, g}, {2.5, chamber}, {5, extreme}, {7, hold}, {10, recoil}, {14, landing},
                 {KickFrames, g}},
                KickFrames);
}

std::vector<Pose> Stand(const Character& c, const Pose& g) {
  const double k = Scale(c);
  Pose inhale = MovedUpperBody(g, {0, 0, 0.015 * k});
  inhale.chestTurn.y -= 2.5;
  inhale.headTurn.y -= 1;
  Pose settle = MovedUpperBody(g, {0.02 * k, 0, -0.045 * k});
  settle.wrist[0].x += 0.03 * k;
  settle.chestTurn.x -= 3;
  Pose shift = MovedUpperBody(g, {-0.01 * k, 0, 0.01 * k});
  shift.wrist[1].x += 0.04 * k;
  shift.chestTurn.x += 3;
  return Sample({{0, g}, {4, inhale}, {8, settle}, {12, shift}, {16, g}}, 16);
}

// A jogging step with the guard up; `frames` per cycle of two steps.
std::vector<Pose> Run(const Character& c, const Pose& g, int frames) {
  const double k = Scale(c);
  const double half = 0.55 * k;  // foot travel from its middle position during a step
  std::vector<Pose> out;
  for (int f = 0; f < frames; ++f) {
    const double phase = static_cast<double>(f) / frames;
    Pose p = MovedUpperBody(g, {0.05 * k, 0, -0.06 * k + 0.045 * k * std::cos(4 * Pi * phase)});
    p.pelvisTurn.y += 5;
    p.chestTurn.y += 3;
    p.pelvisTurn.x = 7 * std::sin(2 * Pi * phase);
    p.chestTurn.x = -6 * std::sin(2 * Pi * phase) - 4;
    for (int side = 0; side < 2; ++side) {
      double ph = phase + (side == 0 ? 0.0 : 0.5);
      ph -= std::floor(ph);
      double x, lift = 0;
      if (ph < 0.5) {
        x = half - 2 * half * (ph / 0.5);  // planted, the body passes over it
      } else {
        const double s = (ph - 0.5) / 0.5;
        x = -half + 2 * half * SmoothStep(s);
        lift = 0.32 * k * std::sin(Pi * s);
      }
      p.ankle[side] = {x + 0.05 * k, SideSign(side) * 0.2 * k, AnkleZ(c) + lift};
      p.kneePole[side] = {1, SideSign(side) * 0.15, 0};
      p.footYaw[side] = SideSign(side) * 6;
      p.footPitch[side] = lift > 0 ? 25 * std::sin(Pi * (ph - 0.5) / 0.5) : 0;
      // The guard hands bob against the steps.
      p.wrist[side].x += 0.05 * k * std::sin(2 * Pi * ph);
    }
    out.push_back(p);
  }
  return out;
}

std::vector<Pose> RunBack(const Character& c, const Pose& g, int frames) {
  std::vector<Pose> forward = Run(c, g, frames);
  std::vector<Pose> out;
  for (int f = 0; f < frames; ++f) {
    Pose p = forward[(frames - f) % frames];
    p.pelvisTurn.y -= 9;
    p.chestTurn.y -= 2;
    p = MovedUpperBody(p, {-0.1 * Scale(c), 0, 0});
    out.push_back(p);
  }
  return out;
}

std::vector<Pose> Pain(const Character& c, const Pose& g) {
  const double k = Scale(c);
  Pose hit = MovedUpperBody(g, {-0.3 * k, 0, -0.06 * k});
  hit.pelvisTurn.y -= 8;
  hit.chestTurn = {hit.chestTurn.x + 12, hit.chestTurn.y - 20, 6};
  hit.headTurn = {hit.headTurn.x + 10, -28, 12};
  hit.wrist[0] = Add(hit.wrist[0], -0.3 * k, 0.25 * k, 0.05 * k);
  hit.wrist[1] = Add(hit.wrist[1], -0.25 * k, -0.3 * k, -0.2 * k);
  hit.ankle[0].x -= 0.15 * k;
  const Pose easing = Blend(g, hit, 0.7);
  return Sample({{0, g}, {2, hit}, {5, easing}, {10, g}}, 10);
}

// The lowest point of the parts fixed to the given bones.
double LowestPoint(const Character& c, const Pose& pose, std::initializer_list<Bone> bones) {
  const Skeleton k = SolvePose(c.body, pose);
  double lowest = 1e9;
  for (const BodyPart& part : c.parts) {
    if (std::find(bones.begin(), bones.end(), part.bone) == bones.end()) continue;
    for (const Vec3& p : BuildPartMesh(part).positions) lowest = std::min(lowest, k[part.bone].Apply(p).z);
  }
  return lowest;
}

// Lifts the body, then each hand and foot, until it rests on the floor instead of sinking in.
Pose RestingOnTheFloor(const Character& c, Pose p) {
  p.pelvisPosition.z += SoleHeight - LowestPoint(c, p, {Bone::Pelvis, Bone::Chest, Bone::Head});
  for (int side = 0; side < 2; ++side) {
    p.wrist[side].z += std::max(0.0, SoleHeight - LowestPoint(c, p, {Hand(side), Forearm(side)}));
    p.ankle[side].z += std::max(0.0, SoleHeight - LowestPoint(c, p, {Foot(side), Shin(side)}));
  }
  return p;
}

Pose Lying(const Character& c) {
  const double k = Scale(c);
  Pose p;
  p.pelvisPosition = {-0.45 * k, 0, 0.27 * k};
  p.pelvisTurn = {0, -88, 0};
  p.chestTurn = {4, -2, 3};
  p.headTurn = {35, 8, 0};
  const double chestX = p.pelvisPosition.x - (c.body.waist + c.body.shoulderHeight);
  p.wrist[0] = {chestX + 0.55 * k, 1.05 * k, 0.13 * k};
  p.wrist[1] = {chestX - 0.25 * k, -1.1 * k, 0.13 * k};
  p.elbowPole[0] = {0, 1, 0.2};
  p.elbowPole[1] = {0, -1, 0.2};
  p.ankle[0] = {p.pelvisPosition.x + 1.42 * k, 0.36 * k, 0.2 * k};
  p.ankle[1] = {p.pelvisPosition.x + 1.3 * k, -0.42 * k, 0.22 * k};
  p.kneePole[0] = {0, 0.3, 1};
  p.kneePole[1] = {0, -0.5, 1};
  p.footYaw = {35, -40};
  p.footPitch = {-75, -70};
  return RestingOnTheFloor(c, p);
}

std::vector<Pose> Death(const Character& c, const Pose& g, int frames) {
  const double k = Scale(c);
  Pose struck = MovedUpperBody(g, {-0.2 * k, 0, 0});
  struck.chestTurn = {struck.chestTurn.x + 10, -18, 0};
  struck.headTurn = {0, -35, 10};
  struck.wrist[0] = Add(struck.wrist[0], -0.3 * k, 0.3 * k, 0.1 * k);
  struck.wrist[1] = Add(struck.wrist[1], -0.3 * k, -0.3 * k, 0.0);
  const Pose lying = Lying(c);
  Pose buckle = Blend(struck, lying, 0.3);
  buckle.pelvisPosition.z = g.pelvisPosition.z - 0.45 * k;
  buckle.ankle = g.ankle;
  buckle.kneePole = g.kneePole;
  Pose falling = Blend(struck, lying, 0.75);
  falling.pelvisPosition.z = 0.55 * k;
  Pose bounce = lying;
  bounce.pelvisPosition.z += 0.05 * k;
  bounce.headTurn.y += 12;
  return Sample({{0, struck}, {1.2, buckle}, {2.6, falling}, {3.6, bounce}, {4.6, lying},
                 {static_cast<double>(frames), lying}},
                frames);
}

std::vector<Pose> Block(const Character& c, const Pose& g) {
  const double k = Scale(c);
  Pose cover = MovedUpperBody(g, {-0.05 * k, 0, -0.1 * k});
  cover.chestTurn = {0, 16, 0};
  cover.headTurn = {0, 16, 0};
  const double chestZ = cover.pelvisPosition.z + c.body.waist;
  // Forearms upright before the face, elbows in front of the chest.
  cover.wrist[0] = {0.5 * k, 0.13 * k, chestZ + 0.95 * k};
  cover.wrist[1] = {0.48 * k, -0.14 * k, chestZ + 0.92 * k};
  cover.elbowPole[0] = {0.3, 0.15, -1};
  cover.elbowPole[1] = {0.3, -0.15, -1};
  Pose low = MovedUpperBody(cover, {0, 0, -0.03 * k});
  return Sample({{0, cover}, {4, low}, {8, cover}}, 8);
}

std::vector<Pose> Win(const Character& c, const Pose& g) {
  const double k = Scale(c);
  const double shoulderZ = g.pelvisPosition.z + c.body.waist + c.body.shoulderHeight;
  const double arm = c.body.upperArm + c.body.forearm;
  Pose up = g;
  up.pelvisTurn = {0, 0, 0};
  up.chestTurn = {0, -4, 0};
  up.headTurn = {0, -22, 0};
  up.pelvisPosition.z = AnkleZ(c) + LegLength(c) * 0.99;
  up.wrist[0] = {0.1 * k, 0.75 * k, shoulderZ + arm * 0.85};
  up.wrist[1] = {0.1 * k, -0.75 * k, shoulderZ + arm * 0.85};
  up.elbowPole[0] = {0, 1, 0};
  up.elbowPole[1] = {0, -1, 0};
  up.ankle[0] = {0.1 * k, 0.25 * k, AnkleZ(c)};
  up.ankle[1] = {-0.1 * k, -0.25 * k, AnkleZ(c)};
  up.footYaw = {15, -15};
  Pose pump = up;
  pump.pelvisPosition.z -= 0.15 * k;
  pump.wrist[0] = {0.3 * k, 0.5 * k, shoulderZ + 0.25 * k};
  pump.wrist[1] = {0.3 * k, -0.5 * k, shoulderZ + 0.25 * k};
  pump.elbowPole[0] = {0, 1, -1};
  pump.elbowPole[1] = {0, -1, -1};
  pump.headTurn = {0, 5, 0};
  Pose jump = up;
  jump.pelvisPosition.z += 0.28 * k;
  for (int side = 0; side < 2; ++side) {
    jump.ankle[side].z += 0.24 * k;
    jump.footPitch[side] = 30;
  }
  jump.headTurn = {0, -30, 0};
  return Sample({{0, up}, {5, pump}, {10, jump}, {15, pump}, {20, up}}, 20);
}

}  // namespace

int StrikeFramesPerSecond(float strikeTime) {
  return static_cast<int>(std::lround(HeadStrikeFrames / static_cast<double>(strikeTime)));
}

std::vector<Clip> BuildClips(const Character& c) {
  const Pose g = Guard(c);
  const int strikeFps = StrikeFramesPerSecond(c.strikeTime);
  const std::vector<Pose> head = HeadStrike(c, g), torso = TorsoStrike(c, g), kick = Kick(c, g);
  // Death plays at 6 frames per second: a fall of under a second, then 62 frames (over ten
  // seconds) lying still, longer than the knock-out sequence, before its loop would restart.
  return {
      {"LEGS_STAND", 10, Stand(c, g)},
      {"LEGS_RUN", 30, Run(c, g, 10)},
      {"LEGS_RUNB", 30, RunBack(c, g, 10)},
      {"LEGS_LEFTHEAD", strikeFps, MirrorStrike(head, g)},
      {"LEGS_RIGHTHEAD", strikeFps, head},
      {"LEGS_LEFTTORS", strikeFps, MirrorStrike(torso, g)},
      {"LEGS_RIGHTTORS", strikeFps, torso},
      {"LEGS_LEFTBOK", strikeFps, MirrorStrike(kick, g)},
      {"LEGS_RIGHTBOK", strikeFps, kick},
      {"LEGS_PAIN", 20, Pain(c, g)},
      {"LEGS_DEATH", 6, Death(c, g, 67)},
      {"LEGS_BLOCK", 8, Block(c, g)},
      {"LEGS_WIN", 10, Win(c, g)},
  };
}

double PartFront(const Character& c, const Pose& pose, const std::string& partName) {
  for (const BodyPart& part : c.parts)
    if (part.name == partName) return FrontOf(SolvePose(c.body, pose), BuildPartMesh(part));
  return -1e9;
}
