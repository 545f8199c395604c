#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "arena/arena_lights.h"

namespace {

LightTriangle TriangleAround(float x, float y, float z) {
  // Corners whose sum is three times (x, y, z).
  return LightTriangle{{{x - 1.0f, y, z}, {x + 1.0f, y, z + 0.5f}, {x, y, z - 0.5f}}};
}

TEST(ArenaLights, OneLightPerTriangleAtTheCentroid) {
  const LightTriangle triangles[] = {TriangleAround(3, 6, -6), TriangleAround(0, 3, 3)};
  ArenaLightTableState table;
  BuildArenaLights(table, triangles, 2);
  ASSERT_EQ(table.count, 2);
  // 0.33333, not an exact third.
  EXPECT_FLOAT_EQ(table.lights[0].position[0], 9.0f * 0.33333f);
  EXPECT_FLOAT_EQ(table.lights[0].position[1], 18.0f * 0.33333f);
  EXPECT_FLOAT_EQ(table.lights[1].position[2], 9.0f * 0.33333f);
  EXPECT_EQ(table.lights[0].focus, 5);
  EXPECT_FLOAT_EQ(table.lights[0].direction[1], -1.0f);
}

TEST(ArenaLights, FourLightsRankedByDistanceToTheCamera) {
  const LightTriangle triangles[] = {TriangleAround(0, 5, -20), TriangleAround(4, 3, 0), TriangleAround(0, 3, 8),
                                     TriangleAround(-2, 3, 4)};
  ArenaLightTableState table;
  BuildArenaLights(table, triangles, 4);
  RankArenaLights(table, 5, 0.0f);
  SceneLight selected[3];
  SelectArenaLights(table, selected);
  EXPECT_NEAR(selected[0].position.z, 8.0f, 1e-3);
  EXPECT_NEAR(selected[1].position.x, -2.0f, 1e-3);
  EXPECT_NEAR(selected[2].position.x, 4.0f, 1e-3);
  EXPECT_NEAR(table.lights[3].position[2], -20.0f, 1e-3);
  const float y = 9.0f * 0.33333f;
  const float z = 24.0f * 0.33333f;
  EXPECT_FLOAT_EQ(table.lights[0].rankKey, (2.3f - y) * (2.3f - y) + (10.0f - z) * (10.0f - z));
  for (const SceneLight& light : selected) {
    EXPECT_FLOAT_EQ(light.color.x, 1.0f);
    EXPECT_EQ(light.focus, 5);
  }
}

TEST(ArenaLights, EqualKeysTradePlacesThroughAThird) {
  // Keys (2.25, 2.25, 1): the first exchange swaps entries 0 and 2, leaving the equal pair swapped.
  ArenaLightTableState table;
  table.count = 3;
  const float depths[3] = {8.5f, 11.5f, 9.0f};
  for (int i = 0; i < 3; ++i) table.lights[i] = ArenaLight{{0.0f, 2.3f, depths[i]}, {0.0f, -1.0f, 0.0f}, 5, 0.0f};
  RankArenaLights(table, 5, 0.0f);
  EXPECT_FLOAT_EQ(table.lights[0].rankKey, 1.0f);
  EXPECT_FLOAT_EQ(table.lights[1].rankKey, table.lights[2].rankKey);
  EXPECT_FLOAT_EQ(table.lights[0].position[2], 9.0f);
  EXPECT_FLOAT_EQ(table.lights[1].position[2], 11.5f);
  EXPECT_FLOAT_EQ(table.lights[2].position[2], 8.5f);
}

TEST(ArenaLights, LampsOfArenaOneSwingInOppositePhase) {
  const LightTriangle triangles[] = {TriangleAround(-3, 6, 8), TriangleAround(3, 6, 8)};
  ArenaLightTableState table;
  BuildArenaLights(table, triangles, 2);
  const float swing = 1.0f;
  RankArenaLights(table, 1, swing);
  const float theta = std::sin(swing) * 0.15f;
  EXPECT_FLOAT_EQ(table.lights[0].direction[1], -std::cos(theta));
  EXPECT_FLOAT_EQ(table.lights[0].direction[2], -std::sin(theta));
  EXPECT_FLOAT_EQ(table.lights[1].direction[1], -std::cos(theta));
  EXPECT_FLOAT_EQ(table.lights[1].direction[2], std::sin(theta));
}

TEST(ArenaLights, ArenaTwoSwingsOneLampAndTheOthersHangStill) {
  const LightTriangle triangles[] = {TriangleAround(-3, 6, 8), TriangleAround(3, 6, 8), TriangleAround(0, 6, 0)};
  for (int arena = 2; arena <= 8; ++arena) {
    ArenaLightTableState table;
    BuildArenaLights(table, triangles, 3);
    RankArenaLights(table, arena, 1.2f);
    for (int i = 0; i < 3; ++i) {
      const bool swings = arena == 2 && i == 0;
      EXPECT_EQ(table.lights[i].direction[2] != 0.0f, swings) << "arena " << arena << " light " << i;
      if (!swings) {
        EXPECT_FLOAT_EQ(table.lights[i].direction[1], -1.0f);
      }
    }
  }
}

TEST(ArenaLights, LampAngleAtTheTopOfTheSwing) {
  EXPECT_NEAR(LampAngle(3.14159265f / 2.0f) * 57.3f, 8.595f, 1e-4);
  EXPECT_FLOAT_EQ(LampAngle(0.0f), 0.0f);
}

TEST(ArenaLights, MoreThanTwoHundredTrianglesAreCut) {
  std::vector<LightTriangle> triangles(260, TriangleAround(1, 2, 3));
  ArenaLightTableState table;
  BuildArenaLights(table, triangles.data(), static_cast<int>(triangles.size()));
  EXPECT_EQ(table.count, kMaxArenaLights);
  RankArenaLights(table, 1, 0.5f);
  EXPECT_EQ(table.count, kMaxArenaLights);
}

TEST(ArenaLights, MissingLightsAddNothing) {
  const LightTriangle triangles[] = {TriangleAround(0, 6, 8)};
  ArenaLightTableState table;
  BuildArenaLights(table, triangles, 1);
  RankArenaLights(table, 3, 0.0f);
  SceneLight selected[3];
  SelectArenaLights(table, selected);
  EXPECT_FLOAT_EQ(selected[0].color.x, 1.0f);
  for (int i = 1; i < 3; ++i) {
    EXPECT_FLOAT_EQ(selected[i].color.x, 0.0f);
    EXPECT_FLOAT_EQ(selected[i].color.y, 0.0f);
    EXPECT_FLOAT_EQ(selected[i].color.z, 0.0f);
  }

  // A rebuild from a mesh that failed to load leaves no light lit, whatever the table still holds.
  BuildArenaLights(table, nullptr, 0);
  SceneLight none[3];
  SelectArenaLights(table, none);
  for (const SceneLight& light : none) EXPECT_FLOAT_EQ(light.color.x, 0.0f);
}

}  // namespace
