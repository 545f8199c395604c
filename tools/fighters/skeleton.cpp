#include "fighters/skeleton.h"

#include <algorithm>
#include <cmath>

Bone UpperArm(int side) { return side == 0 ? Bone::UpperArmLeft : Bone::UpperArmRight; }
Bone Forearm(int side) { return side == 0 ? Bone::ForearmLeft : Bone::ForearmRight; }
Bone Hand(int side) { return side == 0 ? Bone::HandLeft : Bone::HandRight; }
Bone Thigh(int side) { return side == 0 ? Bone::ThighLeft : Bone::ThighRight; }
Bone Shin(int side) { return side == 0 ? Bone::ShinLeft : Bone::ShinRight; }
Bone Foot(int side) { return side == 0 ? Bone::FootLeft : Bone::FootRight; }

namespace {

template <typename Op>
Pose Combine(const Pose& a, const Pose& b, Op op) {
  Pose r;
  r.pelvisPosition = op(a.pelvisPosition, b.pelvisPosition);
  r.pelvisTurn = op(a.pelvisTurn, b.pelvisTurn);
  r.chestTurn = op(a.chestTurn, b.chestTurn);
  r.headTurn = op(a.headTurn, b.headTurn);
  for (int s = 0; s < 2; ++s) {
    r.wrist[s] = op(a.wrist[s], b.wrist[s]);
    r.elbowPole[s] = op(a.elbowPole[s], b.elbowPole[s]);
    r.ankle[s] = op(a.ankle[s], b.ankle[s]);
    r.kneePole[s] = op(a.kneePole[s], b.kneePole[s]);
    r.footYaw[s] = op(Vec3{a.footYaw[s], 0, 0}, Vec3{b.footYaw[s], 0, 0}).x;
    r.footPitch[s] = op(Vec3{a.footPitch[s], 0, 0}, Vec3{b.footPitch[s], 0, 0}).x;
  }
  return r;
}

Vec3 MirrorPoint(Vec3 p) { return {p.x, -p.y, p.z}; }
// Yaw and roll change sign in the mirror, pitch does not.
Vec3 MirrorTurn(Vec3 t) { return {-t.x, t.y, -t.z}; }

// Any unit vector at right angles to u.
Vec3 Perpendicular(Vec3 u) {
  const Vec3 helper = std::abs(u.z) < 0.9 ? Vec3{0, 0, 1} : Vec3{1, 0, 0};
  return Normalized(Cross(u, helper));
}

struct LimbSolution {
  Vec3 joint;  // elbow or knee
  Vec3 end;    // wrist or ankle, where the limb reaches
};

// Two bones of lengths a and b from root toward target, bending toward the pole direction.
LimbSolution SolveLimb(Vec3 root, Vec3 target, double a, double b, Vec3 pole) {
  const Vec3 d = target - root;
  const double reach = std::clamp(Length(d), std::abs(a - b) + 1e-3, a + b - 1e-4);
  const Vec3 u = Length(d) > 1e-9 ? Normalized(d) : Vec3{0, 0, -1};
  Vec3 w = pole - u * Dot(pole, u);
  w = Length(w) > 1e-6 ? Normalized(w) : Perpendicular(u);
  const double cosA = std::clamp((a * a + reach * reach - b * b) / (2 * a * reach), -1.0, 1.0);
  const double sinA = std::sqrt(1 - cosA * cosA);
  return {root + (u * cosA + w * sinA) * a, root + u * reach};
}

// A limb bone from upper to lower joint: -z along the bone, x toward `front`.
Frame LimbFrame(Vec3 upper, Vec3 lower, Vec3 front) {
  const Vec3 z = Normalized(upper - lower);
  Vec3 x = front - z * Dot(front, z);
  x = Length(x) > 1e-6 ? Normalized(x) : Perpendicular(z);
  return {upper, {x, Cross(z, x), z}};
}

}  // namespace

Pose operator+(const Pose& a, const Pose& b) {
  return Combine(a, b, [](Vec3 x, Vec3 y) { return x + y; });
}
Pose operator-(const Pose& a, const Pose& b) {
  return Combine(a, b, [](Vec3 x, Vec3 y) { return x - y; });
}
Pose operator*(const Pose& a, double s) {
  return Combine(a, a, [s](Vec3 x, Vec3) { return x * s; });
}
Pose Blend(const Pose& a, const Pose& b, double t) { return a + (b - a) * t; }

Pose Mirrored(const Pose& p) {
  Pose m;
  m.pelvisPosition = MirrorPoint(p.pelvisPosition);
  m.pelvisTurn = MirrorTurn(p.pelvisTurn);
  m.chestTurn = MirrorTurn(p.chestTurn);
  m.headTurn = MirrorTurn(p.headTurn);
  for (int s = 0; s < 2; ++s) {
    const int o = 1 - s;
    m.wrist[s] = MirrorPoint(p.wrist[o]);
    m.elbowPole[s] = MirrorPoint(p.elbowPole[o]);
    m.ankle[s] = MirrorPoint(p.ankle[o]);
    m.kneePole[s] = MirrorPoint(p.kneePole[o]);
    m.footYaw[s] = -p.footYaw[o];
    m.footPitch[s] = p.footPitch[o];
  }
  return m;
}

Mat3 TurnMatrix(Vec3 t) { return RotZ(t.x) * RotY(t.y) * RotX(t.z); }

Skeleton SolvePose(const BodyMeasures& body, const Pose& pose) {
  Skeleton k;
  k[Bone::Pelvis] = {pose.pelvisPosition, TurnMatrix(pose.pelvisTurn)};
  const Frame& pelvis = k[Bone::Pelvis];
  k[Bone::Chest] = {pelvis.Apply({0, 0, body.waist}), pelvis.axes * TurnMatrix(pose.chestTurn)};
  const Frame& chest = k[Bone::Chest];
  k[Bone::Head] = {chest.Apply({0, 0, body.chestLength}), chest.axes * TurnMatrix(pose.headTurn)};

  for (int s = 0; s < 2; ++s) {
    const double side = SideSign(s);
    const Vec3 shoulder = chest.Apply({0, side * body.shoulderHalfWidth, body.shoulderHeight});
    const LimbSolution arm =
        SolveLimb(shoulder, pose.wrist[s], body.upperArm, body.forearm, pose.elbowPole[s]);
    // The forearm folds away from the elbow's point.
    const Vec3 armFront = -pose.elbowPole[s];
    k[UpperArm(s)] = LimbFrame(shoulder, arm.joint, armFront);
    k[Forearm(s)] = LimbFrame(arm.joint, arm.end, armFront);
    k[Hand(s)] = {arm.end, k[Forearm(s)].axes};

    const Vec3 hip = pelvis.Apply({0, side * body.hipHalfWidth, 0});
    const LimbSolution leg = SolveLimb(hip, pose.ankle[s], body.thigh, body.shin, pose.kneePole[s]);
    k[Thigh(s)] = LimbFrame(hip, leg.joint, pose.kneePole[s]);
    k[Shin(s)] = LimbFrame(leg.joint, leg.end, pose.kneePole[s]);
    k[Foot(s)] = {leg.end, RotZ(pose.footYaw[s]) * RotY(pose.footPitch[s])};
  }
  return k;
}
