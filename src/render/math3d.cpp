#include "render/math3d.h"

#include <cmath>
#include <utility>

void SetIdentity(Matrix4& matrix) { matrix = Matrix4{}; }

Matrix4 MatrixFromRotation3(const float a[9]) {
  Matrix4 r;
  r.m[0] = a[0], r.m[1] = a[1], r.m[2] = a[2];
  r.m[4] = a[3], r.m[5] = a[4], r.m[6] = a[5];
  r.m[8] = a[6], r.m[9] = a[7], r.m[10] = a[8];
  return r;
}

Quaternion QuaternionFromMatrix(const Matrix4& matrix) {
  const float* m = matrix.m;
  Quaternion q;
  const double d = double(m[0]) + m[5] + m[10] + 1.0;
  if (d > 0.00000001) {
    const double s = 2.0 * std::sqrt(d);
    q.x = float((m[9] - m[6]) / s);
    q.y = float((m[2] - m[8]) / s);
    q.z = float((m[4] - m[1]) / s);
    q.w = float(s / 4.0);
  } else if (m[0] > m[5] && m[0] > m[10]) {
    const double s = 2.0 * std::sqrt(1.0 + m[0] - m[5] - m[10]);
    q.x = float(s / 4.0);
    q.y = float((m[4] + m[1]) / s);
    q.z = float((m[2] + m[8]) / s);
    q.w = float((m[9] - m[6]) / s);
  } else if (m[5] > m[10]) {
    const double s = 2.0 * std::sqrt(1.0 + m[5] - m[0] - m[10]);
    q.x = float((m[4] + m[1]) / s);
    q.y = float(s / 4.0);
    q.z = float((m[9] + m[6]) / s);
    q.w = float((m[2] - m[8]) / s);
  } else {
    const double s = 2.0 * std::sqrt(1.0 + m[10] - m[0] - m[5]);
    q.x = float((m[2] + m[8]) / s);
    q.y = float((m[9] + m[6]) / s);
    q.z = float(s / 4.0);
    q.w = float((m[4] - m[1]) / s);
  }
  return q;
}

Quaternion QuaternionFromRotation3(const float rotation[9]) {
  return QuaternionFromMatrix(MatrixFromRotation3(rotation));
}

Matrix4 MatrixFromQuaternion(const Quaternion& q) {
  const float x = q.x, y = q.y, z = q.z, w = q.w;
  Matrix4 r;
  r.m[0] = 1 - 2 * (y * y + z * z), r.m[1] = 2 * (x * y - w * z), r.m[2] = 2 * (x * z + w * y), r.m[3] = 0;
  r.m[4] = 2 * (x * y + w * z), r.m[5] = 1 - 2 * (x * x + z * z), r.m[6] = 2 * (y * z - w * x), r.m[7] = 0;
  r.m[8] = 2 * (x * z - w * y), r.m[9] = 2 * (y * z + w * x), r.m[10] = 1 - 2 * (x * x + y * y), r.m[11] = 0;
  r.m[12] = r.m[13] = r.m[14] = 0, r.m[15] = 1;
  return r;
}

Quaternion Slerp(const Quaternion& q1, const Quaternion& q2In, float t) {
  if (q1.x == q2In.x && q1.y == q2In.y && q1.z == q2In.z && q1.w == q2In.w) return q1;
  Quaternion q2 = q2In;
  double c = double(q1.x) * q2.x + double(q1.y) * q2.y + double(q1.z) * q2.z + double(q1.w) * q2.w;
  if (c < 0) {
    q2 = {-q2.x, -q2.y, -q2.z, -q2.w};
    c = -c;
  }
  double k1 = 1.0 - t, k2 = t;
  // Close rotations blend linearly: sin θ would be too small to divide by.
  if (1.0 - c > 0.1) {
    const double theta = std::acos(c);
    k1 = std::sin((1.0 - t) * theta) / std::sin(theta);
    k2 = std::sin(t * theta) / std::sin(theta);
  }
  return {float(k1 * q1.x + k2 * q2.x), float(k1 * q1.y + k2 * q2.y), float(k1 * q1.z + k2 * q2.z),
          float(k1 * q1.w + k2 * q2.w)};
}

// Gauss-Jordan elimination with partial pivoting, in double precision.
bool Invert(Matrix4& matrix) {
  double a[4][8];
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) {
      a[row][col] = matrix.m[col * 4 + row];
      a[row][col + 4] = row == col ? 1.0 : 0.0;
    }
  }
  for (int col = 0; col < 4; ++col) {
    int pivot = col;
    for (int row = col + 1; row < 4; ++row) {
      if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) pivot = row;
    }
    if (std::fabs(a[pivot][col]) < 1e-12) return false;
    if (pivot != col) std::swap(a[pivot], a[col]);
    const double scale = 1.0 / a[col][col];
    for (double& value : a[col]) value *= scale;
    for (int row = 0; row < 4; ++row) {
      if (row == col) continue;
      const double factor = a[row][col];
      for (int k = 0; k < 8; ++k) a[row][k] -= factor * a[col][k];
    }
  }
  for (int row = 0; row < 4; ++row) {
    for (int col = 0; col < 4; ++col) matrix.m[col * 4 + row] = float(a[row][col + 4]);
  }
  return true;
}

Vector3 TransformPoint(const Matrix4& matrix, const Vector3& p) {
  const float* m = matrix.m;
  return {p.x * m[0] + p.y * m[4] + p.z * m[8] + m[12], p.x * m[1] + p.y * m[5] + p.z * m[9] + m[13],
          p.x * m[2] + p.y * m[6] + p.z * m[10] + m[14]};
}

Vector3 TransformDirection(const Matrix4& matrix, const Vector3& d) {
  const float* m = matrix.m;
  return {d.x * m[0] + d.y * m[4] + d.z * m[8], d.x * m[1] + d.y * m[5] + d.z * m[9],
          d.x * m[2] + d.y * m[6] + d.z * m[10]};
}

float Length(const Vector3& a) { return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z); }

Vector3 Normalize(const Vector3& a) {
  const float length = Length(a);
  if (length == 0.0f) return a;
  return {a.x / length, a.y / length, a.z / length};
}

Vector3 Difference(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }

Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

Vector3 Lerp(const Vector3& a, const Vector3& b, float t) {
  return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}
