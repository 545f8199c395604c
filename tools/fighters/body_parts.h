#pragma once

#include <array>
#include <string>
#include <vector>

#include "fighters/model_math.h"
#include "fighters/skeleton.h"

// Body parts are surfaces of revolution with elliptic rings, fixed to one bone each. A part's
// surface coordinates run u along its arc (for a full turn from the back round to the back, 0.5
// at its front, +x) and v from its top ring (0) to its bottom ring (1); the skin painter and the
// texture layout both use them.

struct ProfileRing {
  double z = 0;   // height of the ring in the part's frame
  double rx = 0;  // half depth (along x)
  double ry = 0;  // half width (along y)
  double cx = 0;  // ring centre moved forward
};

struct BodyPart {
  std::string name;
  Bone bone = Bone::Pelvis;
  Frame place;                     // the part's frame within the bone's frame
  std::vector<ProfileRing> rings;  // top to bottom
  int segments = 12;
  // Angular extent around the part in degrees, 0 at the front; less than a full turn leaves
  // an opening (hair that frees the face, a coat open at the front).
  double arcFrom = -180, arcTo = 180;
  int texWidth = 32, texHeight = 32;  // pixels of the skin given to the part
  // Cloth: how much the part's lower rings hang straight down from the bone's joint instead of
  // following the bone (0 = rigid), on the side away from where the bone swings: a coat's tail
  // drapes behind a thigh lifted in a kick, and in front of one stepping back.
  double hang = 0;
};

// A part's rest geometry in its bone's frame.
struct PartMesh {
  Bone bone = Bone::Pelvis;
  std::vector<Vec3> positions;
  std::vector<Vec3> normals;
  std::vector<std::array<double, 2>> uv;  // (u, v) on the part, 0..1
  std::vector<double> hang;                // per vertex: 0 follows the bone, 1 may hang (BodyPart::hang)
  // Corner order as the file wants it: clockwise seen from outside, because the game sends the
  // corners reversed and culls clockwise faces.
  std::vector<std::array<int, 3>> triangles;
};

PartMesh BuildPartMesh(const BodyPart& part);

// Profiles.
// An ellipsoid centred at the origin with the given half axes.
std::vector<ProfileRing> EllipsoidRings(double rx, double ry, double rz, int rings);
// A rounded limb hanging from the origin down to -length: half axes (rx0, ry0) at the top joint
// and (rx1, ry1) at the bottom, with rounded ends of those radii beyond both joints.
std::vector<ProfileRing> LimbRings(double length, double rx0, double ry0, double rx1, double ry1,
                                   int bodyRings = 3);
// A smooth tube through the given rings (top to bottom), closed with rounded caps when asked.
std::vector<ProfileRing> ClosedRings(std::vector<ProfileRing> rings, bool capTop, bool capBottom);

// Builds a part frame at an offset within the bone, turned by (yaw, pitch, roll) degrees.
Frame PartPlace(Vec3 offset, Vec3 turn = {0, 0, 0});
