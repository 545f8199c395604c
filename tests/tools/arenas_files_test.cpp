// The generated arenas read through the game's own readers: every mesh and picture loads, the
// rooms sit on the physics world's floor and walls, close around every place the fight camera
// goes (seen from inside), and their lights rank the way the fight needs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "arena/arena_lights.h"
#include "render/bmp_decoder.h"
#include "render/file_bytes.h"
#include "render/mesh_model.h"

namespace {

struct V3 {
  double x = 0, y = 0, z = 0;
};
V3 Sub(V3 a, V3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V3 CrossV(V3 a, V3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double DotV(V3 a, V3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V3 FromVector(const Vector3& v) { return {v.x, v.y, v.z}; }

struct Hit {
  double distance = 1e30;
  bool front = false;  // the ray met the side drawn (counter-clockwise toward the viewer)
};

// The first triangle a ray meets (Möller–Trumbore). Edges are widened by a hair: the floors and
// walls are grids of cells, and a ray running along a line between two cells must not slip
// through the rounding of both.
Hit CastRay(const MeshData& mesh, V3 origin, V3 dir) {
  constexpr double Edge = 1e-9;
  Hit best;
  for (const MeshTriangle& t : mesh.triangles) {
    const V3 a = FromVector(mesh.vertices[t.vertexIndices[0]].position);
    const V3 b = FromVector(mesh.vertices[t.vertexIndices[1]].position);
    const V3 c = FromVector(mesh.vertices[t.vertexIndices[2]].position);
    const V3 e1 = Sub(b, a), e2 = Sub(c, a);
    const V3 p = CrossV(dir, e2);
    const double det = DotV(e1, p);
    if (std::abs(det) < 1e-12) continue;
    const V3 s = Sub(origin, a);
    const double u = DotV(s, p) / det;
    if (u < -Edge || u > 1 + Edge) continue;
    const V3 q = CrossV(s, e1);
    const double v = DotV(dir, q) / det;
    if (v < -Edge || u + v > 1 + Edge) continue;
    const double d = DotV(e2, q) / det;
    if (d > 1e-6 && d < best.distance) best = {d, DotV(CrossV(e1, e2), dir) < 0};
  }
  return best;
}

MeshData Load(const std::string& gamePath) {
  MeshData data;
  const auto bytes = ReadFileBytes(gamePath.c_str());
  EXPECT_TRUE(bytes) << gamePath;
  if (bytes) {
    EXPECT_TRUE(ParseMs3d(bytes->data(), bytes->size(), data)) << gamePath;
  }
  return data;
}

std::string Folder(int arena) { return ".\\base\\maps\\" + std::to_string(arena) + "\\"; }

// Light positions as the game builds them, nearest to the ranking point first.
std::vector<V3> RankedLights(int arena) {
  MeshData lights = Load(Folder(arena) + "light.ms3d");
  BuildTriangleRecords(lights);
  std::vector<LightTriangle> triangles;
  for (const TriangleRecord& r : lights.triangleRecords) {
    LightTriangle t;
    for (int k = 0; k < 3; ++k) {
      t.corner[k][0] = r.corners[k].position.x;
      t.corner[k][1] = r.corners[k].position.y;
      t.corner[k][2] = r.corners[k].position.z;
    }
    triangles.push_back(t);
  }
  ArenaLightTableState table;
  BuildArenaLights(table, triangles.data(), static_cast<int>(triangles.size()));
  RankArenaLights(table, arena, 0.0f);
  std::vector<V3> out;
  for (int i = 0; i < table.count; ++i)
    out.push_back({table.lights[i].position[0], table.lights[i].position[1], table.lights[i].position[2]});
  return out;
}

class ArenaFiles : public ::testing::TestWithParam<int> {};

TEST_P(ArenaFiles, MeshesAndTheirPicturesLoadAndAreAllShown) {
  const int arena = GetParam();
  const MeshData map = Load(Folder(arena) + "map.ms3d");
  ASSERT_FALSE(map.triangles.empty());
  ASSERT_FALSE(map.materials.empty());
  for (const MeshMaterial& m : map.materials) {
    EXPECT_GT(m.transparency, 0.4f);
    ASSERT_FALSE(m.texturePath.empty());
    EXPECT_EQ(m.texturePath.rfind(Folder(arena), 0), 0u) << m.texturePath;
    const auto picture = DecodeBmpFile(m.texturePath.c_str());
    ASSERT_TRUE(picture) << m.texturePath;
    EXPECT_GT(picture->width, 0);
  }
  for (const MeshGroup& g : map.meshes) EXPECT_TRUE(IsMeshVisible(map, g));
}

TEST_P(ArenaFiles, FloorAndSideWallsLieWhereThePhysicsPutsThem) {
  const MeshData map = Load(Folder(GetParam()) + "map.ms3d");
  for (double x = -10.9; x <= 10.9; x += 1.09) {
    const Hit down = CastRay(map, {x, 0, 0}, {0, -1, 0});
    EXPECT_NEAR(-down.distance, -1.65, 0.03) << "floor under x = " << x;
    EXPECT_TRUE(down.front);
  }
  for (double z : {-2.0, 0.0, 3.0, 6.5})
    for (double y : {-1.0, 0.5, 2.0})
      for (double side : {-1.0, 1.0}) {
        const Hit wall = CastRay(map, {0, y, z}, {side, 0, 0});
        // Pictures hang 2 cm in front of the wall.
        EXPECT_NEAR(wall.distance, 12.45, 0.03) << "wall at z = " << z << ", y = " << y << ", side " << side;
        EXPECT_TRUE(wall.front);
      }
}

TEST_P(ArenaFiles, RoomClosesAroundEveryCameraPlaceSeenFromInside) {
  const MeshData map = Load(Folder(GetParam()) + "map.ms3d");
  // The eye: 6.5 units behind the fighters' midpoint along the look, up to a unit of sway on
  // every axis; the opening view stands diagonally 13 units back and 5 up.
  std::vector<V3> eyes = {{-6.5 + 1, 5 + 1, 13 + 1}, {-6.5 - 1, 5 - 1, 13 - 1}, {-6.5, 5, 13}};
  for (double mid : {-9.45, -4.0, 0.0, 4.0, 9.45})
    for (double sway : {-1.0, 0.0, 1.0}) {
      const double lookX = 0.3 * sway;
      const double eyeX = std::clamp(mid - 6.5 * lookX + sway, -12.4, 12.4);
      eyes.push_back({eyeX, 1.75 + sway, 6.5 * 0.954 + sway});
    }
  std::vector<V3> directions;
  for (int i = 0; i < 12; ++i)
    for (int j = 0; j <= 6; ++j) {
      const double yaw = 2 * M_PI * i / 12, pitch = M_PI * (j / 6.0 - 0.5) * 0.98;
      directions.push_back({std::cos(pitch) * std::sin(yaw), std::sin(pitch), std::cos(pitch) * std::cos(yaw)});
    }
  for (const V3& eye : eyes) {
    int front = 0;
    for (const V3& d : directions) {
      const Hit h = CastRay(map, eye, d);
      ASSERT_LT(h.distance, 1e29) << "a hole seen from (" << eye.x << ", " << eye.y << ", " << eye.z << ")";
      if (h.front) ++front;
    }
    EXPECT_GE(front, static_cast<int>(directions.size()) * 97 / 100)
        << "back faces seen from (" << eye.x << ", " << eye.y << ", " << eye.z << ")";
  }
}

TEST_P(ArenaFiles, ThreeNearestLightsHangOverTheFight) {
  const int arena = GetParam();
  const std::vector<V3> lights = RankedLights(arena);
  ASSERT_GE(lights.size(), 3u);
  EXPECT_LE(lights.size(), 200u);
  for (int i = 0; i < 3; ++i) {
    const V3& l = lights[i];
    EXPECT_GT(l.y, 2.0) << "light " << i;        // above the fighters' heads (top near y = 1.8)
    EXPECT_LT(l.y, 8.0) << "light " << i;
    EXPECT_LT(std::hypot(l.x, l.z), 9.0) << "light " << i;  // near the middle of the fight
  }
  // In the prison the nearest one (yard) or two (cell) carry the swinging lamps, right above
  // the fighters, with the lamp's shade clear of their heads.
  const int lamps = arena == 1 ? 2 : arena == 2 ? 1 : 0;
  const MeshData lamp = Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
  float lampDepth = 0;
  for (const MeshVertex& v : lamp.vertices) lampDepth = std::min(lampDepth, v.position.y);
  for (int i = 0; i < lamps; ++i) {
    EXPECT_LT(std::abs(lights[i].x), 5.0);
    EXPECT_LT(std::abs(lights[i].z), 1.5);
    EXPECT_GT(lights[i].y + lampDepth, 2.0);
  }
  if (arena == 1) {
    EXPECT_LT(lights[0].x * lights[1].x, 0.0);  // one lamp over each fighter
  }
}

INSTANTIATE_TEST_SUITE_P(EveryArena, ArenaFiles, ::testing::Range(1, 8));

TEST(LampFile, HangsFromItsOriginDownward) {
  const MeshData lamp = Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
  ASSERT_FALSE(lamp.vertices.empty());
  float lowest = 0;
  for (const MeshVertex& v : lamp.vertices) {
    EXPECT_LE(v.position.y, 1e-5f);
    EXPECT_LT(std::hypot(v.position.x, v.position.z), 0.8f);
    lowest = std::min(lowest, v.position.y);
  }
  EXPECT_LT(lowest, -0.8f);
  for (const MeshMaterial& m : lamp.materials) {
    EXPECT_GT(m.transparency, 0.4f);
    EXPECT_TRUE(DecodeBmpFile(m.texturePath.c_str())) << m.texturePath;
  }
}

}  // namespace
