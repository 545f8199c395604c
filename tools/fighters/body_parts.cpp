#include "fighters/body_parts.h"

#include <cmath>

namespace {

Vec3 RingPoint(const ProfileRing& r, double angle) {
  return {r.cx + r.rx * std::cos(angle), r.ry * std::sin(angle), r.z};
}

}  // namespace

PartMesh BuildPartMesh(const BodyPart& part) {
  PartMesh mesh;
  mesh.bone = part.bone;
  const auto& rings = part.rings;
  const int ringCount = static_cast<int>(rings.size());
  const int columns = part.segments + 1;
  const double a0 = Radians(part.arcFrom), a1 = Radians(part.arcTo);

  // v by distance along the profile so the skin is not stretched at the rounded ends.
  std::vector<double> along(ringCount, 0.0);
  for (int i = 1; i < ringCount; ++i) {
    const ProfileRing &p = rings[i - 1], &q = rings[i];
    const double dr = 0.5 * ((q.rx + q.ry) - (p.rx + p.ry));
    along[i] = along[i - 1] + std::hypot(q.z - p.z, dr) + 1e-9;
  }

  for (int i = 0; i < ringCount; ++i) {
    const ProfileRing& ring = rings[i];
    const ProfileRing& above = rings[i > 0 ? i - 1 : i];
    const ProfileRing& below = rings[i + 1 < ringCount ? i + 1 : i];
    for (int j = 0; j < columns; ++j) {
      const double u = static_cast<double>(j) / part.segments;
      const double angle = a0 + (a1 - a0) * u;
      const Vec3 p = RingPoint(ring, angle);
      // Tangent down the profile and around the ring; their cross product points outward.
      const Vec3 down = RingPoint(below, angle) - RingPoint(above, angle);
      const Vec3 around = {-ring.rx * std::sin(angle), ring.ry * std::cos(angle), 0};
      Vec3 n = Cross(down, around);
      if (Length(around) < 1e-9 || Length(n) < 1e-9) n = (i == 0) ? Vec3{0, 0, 1} : Vec3{0, 0, -1};
      mesh.positions.push_back(part.place.Apply(p));
      mesh.normals.push_back(part.place.axes * Normalized(n));
      const double v = along[i] / along[ringCount - 1];
      mesh.uv.push_back({u, v});
      mesh.hang.push_back(part.hang * v * v * (3 - 2 * v));  // the hem hangs most, the top ring not at all
    }
  }
  for (int i = 0; i + 1 < ringCount; ++i)
    for (int j = 0; j < part.segments; ++j) {
      const int a = i * columns + j, b = a + 1, c = a + columns, d = c + 1;
      // Seen from outside, b lies to the right of a and c below it.
      if (rings[i].rx > 1e-9 || rings[i].ry > 1e-9) mesh.triangles.push_back({a, b, d});
      if (rings[i + 1].rx > 1e-9 || rings[i + 1].ry > 1e-9) mesh.triangles.push_back({a, d, c});
    }
  return mesh;
}

std::vector<ProfileRing> EllipsoidRings(double rx, double ry, double rz, int rings) {
  std::vector<ProfileRing> out;
  for (int i = 0; i < rings; ++i) {
    const double a = Pi * i / (rings - 1);
    out.push_back({rz * std::cos(a), rx * std::sin(a), ry * std::sin(a), 0});
  }
  return out;
}

std::vector<ProfileRing> ClosedRings(std::vector<ProfileRing> rings, bool capTop, bool capBottom) {
  std::vector<ProfileRing> out;
  const int capRings = 3;
  if (capTop) {
    const ProfileRing& t = rings.front();
    const double r = 0.5 * (t.rx + t.ry);
    for (int k = 0; k < capRings; ++k) {
      const double a = 0.5 * Pi * k / capRings;  // 0 at the pole
      out.push_back({t.z + r * std::cos(a), t.rx * std::sin(a), t.ry * std::sin(a), t.cx});
    }
  }
  out.insert(out.end(), rings.begin(), rings.end());
  if (capBottom) {
    const ProfileRing& b = rings.back();
    const double r = 0.5 * (b.rx + b.ry);
    for (int k = capRings - 1; k >= 0; --k) {
      const double a = 0.5 * Pi * k / capRings;
      out.push_back({b.z - r * std::cos(a), b.rx * std::sin(a), b.ry * std::sin(a), b.cx});
    }
  }
  return out;
}

std::vector<ProfileRing> LimbRings(double length, double rx0, double ry0, double rx1, double ry1,
                                   int bodyRings) {
  std::vector<ProfileRing> body;
  for (int i = 0; i <= bodyRings; ++i) {
    const double t = static_cast<double>(i) / bodyRings;
    // A slight bulge in the upper part of the limb, as a muscle.
    const double bulge = 1.0 + 0.12 * std::sin(Pi * std::min(1.0, t * 1.4));
    body.push_back({-length * t, (rx0 + (rx1 - rx0) * t) * bulge, (ry0 + (ry1 - ry0) * t) * bulge, 0});
  }
  return ClosedRings(body, true, true);
}

Frame PartPlace(Vec3 offset, Vec3 turn) { return {offset, TurnMatrix(turn)}; }
