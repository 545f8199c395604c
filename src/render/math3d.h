#pragma once

// The small value types shared by the model loaders, the tag links and the shader lighting.

struct Vector2 {
  float u = 0.0f, v = 0.0f;
};

struct Vector3 {
  float x = 0.0f, y = 0.0f, z = 0.0f;
};

// A rotation; no operation normalises it.
struct Quaternion {
  float x = 0.0f, y = 0.0f, z = 0.0f, w = 1.0f;
};

// Column-major, as GL stores it: m[12], m[13], m[14] hold the translation.
struct Matrix4 {
  float m[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
};

void SetIdentity(Matrix4& matrix);

// A 3×3 rotation stored row by row (as in the model tags), embedded in a Matrix4.
Matrix4 MatrixFromRotation3(const float rotation[9]);

Quaternion QuaternionFromMatrix(const Matrix4& matrix);
Quaternion QuaternionFromRotation3(const float rotation[9]);
Matrix4 MatrixFromQuaternion(const Quaternion& q);
Quaternion Slerp(const Quaternion& q1, const Quaternion& q2, float t);

// Replaces the matrix by its inverse; a singular matrix is left unchanged and false returned.
bool Invert(Matrix4& matrix);

Vector3 TransformPoint(const Matrix4& matrix, const Vector3& p);
Vector3 TransformDirection(const Matrix4& matrix, const Vector3& d);

float Length(const Vector3& a);
Vector3 Normalize(const Vector3& a);  // the zero vector stays zero
Vector3 Difference(const Vector3& a, const Vector3& b);
Vector3 Cross(const Vector3& a, const Vector3& b);
Vector3 Lerp(const Vector3& a, const Vector3& b, float t);
