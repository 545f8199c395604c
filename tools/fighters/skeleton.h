#pragma once

#include <array>

#include "fighters/model_math.h"

// The fighter's skeleton: a pelvis, a chest and a head turned by angles, and two-bone arms and
// legs that reach for hand and foot targets. Side 0 is the figure's left (+y), side 1 its right.

enum class Bone {
  Pelvis, Chest, Head,
  UpperArmLeft, ForearmLeft, HandLeft,
  UpperArmRight, ForearmRight, HandRight,
  ThighLeft, ShinLeft, FootLeft,
  ThighRight, ShinRight, FootRight,
};
constexpr int BoneCount = 15;

Bone UpperArm(int side);
Bone Forearm(int side);
Bone Hand(int side);
Bone Thigh(int side);
Bone Shin(int side);
Bone Foot(int side);
// +1 for the left side, -1 for the right.
inline double SideSign(int side) { return side == 0 ? 1.0 : -1.0; }

// Lengths of the skeleton, in model units.
struct BodyMeasures {
  double hipHalfWidth = 0.17;       // hip joints from the centre line
  double waist = 0.14;              // pelvis origin up to the chest origin
  double chestLength = 0.80;        // chest origin up to the base of the neck
  double shoulderHeight = 0.70;     // shoulder joints above the chest origin
  double shoulderHalfWidth = 0.40;
  double neckToHead = 0.30;         // base of the neck up to the centre of the head
  double upperArm = 0.58, forearm = 0.52;
  double thigh = 0.80, shin = 0.76;
  double ankleHeight = 0.15;        // ankle joint above the sole
};

// One pose. Angles in degrees: yaw about z (left turn positive), pitch about y (forward lean
// positive), roll about x (lean to the figure's right positive). Targets are in model space.
struct Pose {
  Vec3 pelvisPosition;
  Vec3 pelvisTurn;  // (yaw, pitch, roll)
  Vec3 chestTurn;   // relative to the pelvis
  Vec3 headTurn;    // relative to the chest
  std::array<Vec3, 2> wrist;
  std::array<Vec3, 2> elbowPole;  // direction the elbow points to
  std::array<Vec3, 2> ankle;
  std::array<Vec3, 2> kneePole;   // direction the knee points to
  std::array<double, 2> footYaw{};
  std::array<double, 2> footPitch{};  // toes down positive
};

Pose operator+(const Pose& a, const Pose& b);
Pose operator-(const Pose& a, const Pose& b);
Pose operator*(const Pose& a, double s);
Pose Blend(const Pose& a, const Pose& b, double t);
// The same pose seen in a mirror across the x-z plane: left and right swap.
Pose Mirrored(const Pose& p);

struct Skeleton {
  std::array<Frame, BoneCount> bones;
  const Frame& operator[](Bone b) const { return bones[static_cast<int>(b)]; }
  Frame& operator[](Bone b) { return bones[static_cast<int>(b)]; }
};

// Places every bone. Limb bones have their origin at the upper joint with the limb along -z and
// the limb's front along +x; feet and hands along their own x and -z respectively.
Skeleton SolvePose(const BodyMeasures& body, const Pose& pose);

Mat3 TurnMatrix(Vec3 yawPitchRoll);
