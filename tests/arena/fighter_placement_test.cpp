#include <gtest/gtest.h>

#include "fight/view/fighter_placement.h"
#include "render/math3d.h"
#include "render/shader_lighting.h"

namespace {

void ExpectNear(const Vector3& actual, float x, float y, float z) {
  EXPECT_NEAR(actual.x, x, 1e-5f);
  EXPECT_NEAR(actual.y, y, 1e-5f);
  EXPECT_NEAR(actual.z, z, 1e-5f);
}

TEST(FighterPlacement, ModelStandsUpBelowTheBodyCentre) {
  const Matrix4 m = FighterModelMatrix(0, -3.0f, 1.0f, 0.5f);
  // The model's feet (origin) are 1.6 below the body; its z axis is world up.
  ExpectNear(TransformPoint(m, Vector3{0.0f, 0.0f, 0.0f}), -3.0f, -0.6f, 0.5f);
  ExpectNear(TransformPoint(m, Vector3{0.0f, 0.0f, 1.6f}), -3.0f, 1.0f, 0.5f);
  ExpectNear(TransformDirection(m, Vector3{0.0f, 1.0f, 0.0f}), 0.0f, 0.0f, -1.0f);
  ExpectNear(TransformDirection(m, Vector3{1.0f, 0.0f, 0.0f}), 1.0f, 0.0f, 0.0f);
}

TEST(FighterPlacement, FighterTwoIsTurnedToFaceFighterOne) {
  const Matrix4 one = FighterModelMatrix(0, 0.0f, 0.0f, 0.0f);
  const Matrix4 two = FighterModelMatrix(1, 0.0f, 0.0f, 0.0f);
  ExpectNear(TransformDirection(two, Vector3{1.0f, 0.0f, 0.0f}), -1.0f, 0.0f, 0.0f);
  ExpectNear(TransformDirection(two, Vector3{0.0f, 1.0f, 0.0f}), 0.0f, 0.0f, 1.0f);
  // Up stays up for both.
  ExpectNear(TransformDirection(one, Vector3{0.0f, 0.0f, 1.0f}), 0.0f, 1.0f, 0.0f);
  ExpectNear(TransformDirection(two, Vector3{0.0f, 0.0f, 1.0f}), 0.0f, 1.0f, 0.0f);
}

TEST(FighterPlacement, LightsReachTheModelInItsOwnSpace) {
  SceneLight lights[3];
  lights[0].position = Vector3{5.0f, 7.5f, 0.0f};
  lights[0].direction = Vector3{0.0f, -1.0f, 1.0f};
  const Vector3 view{1.0f, 0.0f, 0.0f};
  // Body centre 1.6 up, so the model's origin stands on the floor at x = 5.
  const ObjectSpaceLights one = ComputeObjectSpaceLights(FighterModelMatrix(0, 5.0f, 1.6f, 0.0f), lights, view);
  ExpectNear(one.positions[0], 0.0f, 0.0f, 7.5f);
  ExpectNear(one.directions[0], 0.0f, -1.0f, -1.0f);
  ExpectNear(one.viewDirection, 1.0f, 0.0f, 0.0f);

  const ObjectSpaceLights two = ComputeObjectSpaceLights(FighterModelMatrix(1, 5.0f, 1.6f, 0.0f), lights, view);
  ExpectNear(two.directions[0], 0.0f, 1.0f, -1.0f);
  ExpectNear(two.viewDirection, -1.0f, 0.0f, 0.0f);
}

TEST(FighterPlacement, SkinsAreTextureEntriesThirtyToThirtySeven) {
  EXPECT_EQ(FighterSkinTexture(0), 30);
  EXPECT_EQ(FighterSkinTexture(7), 37);
}

}  // namespace
