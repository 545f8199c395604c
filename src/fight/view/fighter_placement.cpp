#include "fight/view/fighter_placement.h"

namespace {

constexpr float kModelBelowBody = 1.6f;
constexpr int kFirstSkinTexture = 30;

}  // namespace

Matrix4 FighterModelMatrix(int fighter, float x, float y, float z) {
  // Translate × (fighter two: rotate 180° about y) × rotate −90° about x, column-major.
  // The −90° turn about x takes the model's z axis to world y and its y axis to world −z.
  const float turn = fighter == 1 ? -1.0f : 1.0f;  // cos 180° on the x and z axes
  Matrix4 m;
  m.m[0] = turn;
  m.m[1] = 0.0f;
  m.m[2] = 0.0f;
  m.m[4] = 0.0f;
  m.m[5] = 0.0f;
  m.m[6] = -turn;
  m.m[8] = 0.0f;
  m.m[9] = 1.0f;
  m.m[10] = 0.0f;
  m.m[12] = x;
  m.m[13] = y - kModelBelowBody;
  m.m[14] = z;
  return m;
}

int FighterSkinTexture(int character) { return kFirstSkinTexture + character; }
