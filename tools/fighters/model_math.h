#pragma once

#include <cmath>

// Small double-precision vector and rotation types for building models. Axes as in the model
// files: x forward, y to the figure's left, z up.

struct Vec3 {
  double x = 0, y = 0, z = 0;
};

inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator-(Vec3 a) { return {-a.x, -a.y, -a.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline Vec3 operator*(double s, Vec3 a) { return a * s; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalized(Vec3 a) {
  const double l = Length(a);
  return l > 1e-12 ? a * (1.0 / l) : Vec3{0, 0, 1};
}
inline Vec3 Lerp(Vec3 a, Vec3 b, double t) { return a + (b - a) * t; }

constexpr double Pi = 3.14159265358979323846;
inline double Radians(double degrees) { return degrees * Pi / 180.0; }

// A rotation as its three column vectors: the images of the x, y and z axes.
struct Mat3 {
  Vec3 cx{1, 0, 0}, cy{0, 1, 0}, cz{0, 0, 1};
};

inline Vec3 operator*(const Mat3& m, Vec3 v) { return m.cx * v.x + m.cy * v.y + m.cz * v.z; }
inline Mat3 operator*(const Mat3& a, const Mat3& b) { return {a * b.cx, a * b.cy, a * b.cz}; }

inline Mat3 RotX(double degrees) {
  const double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
  return {{1, 0, 0}, {0, c, s}, {0, -s, c}};
}
inline Mat3 RotY(double degrees) {
  const double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
  return {{c, 0, -s}, {0, 1, 0}, {s, 0, c}};
}
inline Mat3 RotZ(double degrees) {
  const double c = std::cos(Radians(degrees)), s = std::sin(Radians(degrees));
  return {{c, s, 0}, {-s, c, 0}, {0, 0, 1}};
}

// A placed frame: where a body part's origin is and how its axes point.
struct Frame {
  Vec3 origin;
  Mat3 axes;
  Vec3 Apply(Vec3 local) const { return origin + axes * local; }
};
