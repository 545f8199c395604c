#include <gtest/gtest.h>

#include <cmath>

#include "render/math3d.h"

namespace {

void ExpectQuaternion(const Quaternion& q, float x, float y, float z, float w, float tolerance = 1e-4f) {
  EXPECT_NEAR(q.x, x, tolerance);
  EXPECT_NEAR(q.y, y, tolerance);
  EXPECT_NEAR(q.z, z, tolerance);
  EXPECT_NEAR(q.w, w, tolerance);
}

Matrix4 RotationY(float degrees) {
  const float a = degrees * 3.14159265f / 180.0f;
  Matrix4 m;
  m.m[0] = std::cos(a), m.m[2] = -std::sin(a), m.m[8] = std::sin(a), m.m[10] = std::cos(a);
  return m;
}

}  // namespace

TEST(Math3d, IdentityAndQuaternionConvertBothWays) {
  const Quaternion q = QuaternionFromMatrix(Matrix4{});
  ExpectQuaternion(q, 0, 0, 0, 1);
  const Matrix4 back = MatrixFromQuaternion(q);
  for (int i = 0; i < 16; ++i) EXPECT_FLOAT_EQ(back.m[i], Matrix4{}.m[i]) << i;
}

TEST(Math3d, HalfTurnAboutYTakesTheSecondBranch) {
  const float rotation[9] = {-1, 0, 0, 0, 1, 0, 0, 0, -1};
  const Quaternion q = QuaternionFromRotation3(rotation);
  EXPECT_NEAR(std::fabs(q.y), 1.0f, 1e-6f);
  EXPECT_NEAR(q.x, 0.0f, 1e-6f);
  EXPECT_NEAR(q.z, 0.0f, 1e-6f);
  EXPECT_NEAR(q.w, 0.0f, 1e-6f);
}

TEST(Math3d, ConversionsAreInverseForArbitraryRotations) {
  for (float degrees : {10.0f, 90.0f, 135.0f, 250.0f}) {
    const Matrix4 m = RotationY(degrees);
    const Matrix4 back = MatrixFromQuaternion(QuaternionFromMatrix(m));
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(back.m[i], m.m[i], 1e-5f) << degrees << " " << i;
  }
}

TEST(Math3d, SlerpOfAQuaternionAndItsNegationReturnsTheFirst) {
  const Quaternion q{0.0f, 0.3826834f, 0.0f, 0.9238795f};
  const Quaternion minus{-q.x, -q.y, -q.z, -q.w};
  ExpectQuaternion(Slerp(q, minus, 0.5f), q.x, q.y, q.z, q.w);
}

TEST(Math3d, SlerpHalfWayBetweenIdentityAndNinetyDegrees) {
  ExpectQuaternion(Slerp({0, 0, 0, 1}, {0, 0, 0.7071f, 0.7071f}, 0.5f), 0, 0, 0.3827f, 0.9239f);
}

TEST(Math3d, SlerpOfEqualQuaternionsAndCloseOnesBlendsLinearly) {
  const Quaternion q{0.1f, 0.2f, 0.3f, 0.9f};
  ExpectQuaternion(Slerp(q, q, 0.7f), q.x, q.y, q.z, q.w, 0.0f);
  const Quaternion r{0.1f, 0.2f, 0.32f, 0.9f};
  ExpectQuaternion(Slerp(q, r, 0.5f), 0.1f, 0.2f, 0.31f, 0.9f, 1e-6f);
}

TEST(Math3d, InverseOfARigidTransformUndoesIt) {
  Matrix4 m = RotationY(30.0f);
  m.m[12] = 5, m.m[13] = -2, m.m[14] = 1;
  Matrix4 inverse = m;
  ASSERT_TRUE(Invert(inverse));
  const Vector3 p{1.5f, 2.0f, -3.0f};
  const Vector3 back = TransformPoint(inverse, TransformPoint(m, p));
  EXPECT_NEAR(back.x, p.x, 1e-5f);
  EXPECT_NEAR(back.y, p.y, 1e-5f);
  EXPECT_NEAR(back.z, p.z, 1e-5f);
}

TEST(Math3d, SingularMatrixIsLeftAsItWas) {
  Matrix4 m;
  m.m[5] = 0;
  const Matrix4 before = m;
  EXPECT_FALSE(Invert(m));
  for (int i = 0; i < 16; ++i) EXPECT_EQ(m.m[i], before.m[i]);
}
