// The MilkShape writer read back through the game's reader, and the surfaces of the scene
// builder turned toward the side meant to be seen.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "arenas/ms3d_file.h"
#include "arenas/scene_builder.h"
#include "render/mesh_model.h"

namespace {

Ms3dModelData SmallModel() {
  Ms3dModelData m;
  m.vertices = {{{0, 0, 0}, -1}, {{1, 0, 0}, 3}, {{1, 1, 0}, -1}, {{0, 1, 0}, -1}};
  Ms3dTriangle a;
  a.vertexIndices = {0, 1, 2};
  a.normals = {{{0, 0, 1}, {0, 0, 1}, {0, 0, 1}}};
  a.s = {0.0f, 1.0f, 1.0f};
  a.t = {0.25f, 0.5f, 1.0f};
  Ms3dTriangle b = a;
  b.vertexIndices = {0, 2, 3};
  b.group = 1;
  Ms3dTriangle c = a;
  c.group = 1;
  m.triangles = {a, b, c};
  m.groups = {{"first", {0}, 0}, {"second", {1, 2}, -1}};
  Ms3dMaterial shown;
  shown.name = "shown";
  shown.transparency = 0.41f;
  shown.texture = ".\\base\\maps\\3\\brick.bmp";
  shown.diffuse = {0.5f, 0.25f, 1, 1};
  Ms3dMaterial hidden = shown;
  hidden.transparency = 0.4f;
  m.materials = {shown, hidden};
  return m;
}

TEST(Ms3dWriter, FileReadsBackThroughTheGamesReader) {
  const std::vector<std::uint8_t> bytes = EncodeMs3d(SmallModel());
  // Header, 4 vertices, 3 triangles, 2 groups (1 and 2 triangles), 2 materials, animation header.
  EXPECT_EQ(bytes.size(), 14u + 2 + 4 * 15 + 2 + 3 * 70 + 2 + (35 + 2 + 1) + (35 + 4 + 1) + 2 +
                              2 * 361 + 4 + 4 + 4 + 2);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 10), "MS3D000000");
  EXPECT_EQ(bytes[10], 4);
  MeshData data;
  ASSERT_TRUE(ParseMs3d(bytes.data(), bytes.size(), data));
  ASSERT_EQ(data.vertices.size(), 4u);
  EXPECT_EQ(data.vertices[1].boneIndex, 3);
  EXPECT_FLOAT_EQ(data.vertices[2].position.y, 1.0f);
  ASSERT_EQ(data.triangles.size(), 3u);
  // t is stored as the row from the top; the game draws 1 - t.
  EXPECT_FLOAT_EQ(data.triangles[0].t[0], 0.75f);
  EXPECT_FLOAT_EQ(data.triangles[0].t[2], 0.0f);
  EXPECT_EQ(data.triangles[1].vertexIndices[2], 3);
  ASSERT_EQ(data.meshes.size(), 2u);
  EXPECT_EQ(data.meshes[1].materialIndex, -1);
  EXPECT_EQ(data.meshes[1].triangleIndices, (std::vector<int>{1, 2}));
  ASSERT_EQ(data.materials.size(), 2u);
  EXPECT_EQ(data.materials[0].texturePath, ".\\base\\maps\\3\\brick.bmp");
  EXPECT_FLOAT_EQ(data.materials[0].diffuse[1], 0.25f);
  EXPECT_TRUE(IsMeshVisible(data, data.meshes[0]));
  data.meshes[0].materialIndex = 1;
  EXPECT_FALSE(IsMeshVisible(data, data.meshes[0]));  // transparency 0.4 hides
}

TEST(Ms3dWriter, RefusesWhatTheFormatCannotHold) {
  Ms3dModelData m = SmallModel();
  m.triangles[0].vertexIndices[1] = 4;
  EXPECT_THROW(EncodeMs3d(m), std::invalid_argument);
  m = SmallModel();
  m.groups[0].material = 2;
  EXPECT_THROW(EncodeMs3d(m), std::invalid_argument);
  m = SmallModel();
  m.materials[0].texture = std::string(128, 'x');  // no room left for the terminating NUL
  EXPECT_THROW(EncodeMs3d(m), std::invalid_argument);
  m = SmallModel();
  m.triangles[2].group = 2;
  EXPECT_THROW(EncodeMs3d(m), std::invalid_argument);
}

// Every triangle turns its counter-clockwise side the way its normals point.
void ExpectFacingItsNormals(const Ms3dModelData& m) {
  ASSERT_FALSE(m.triangles.empty());
  for (const Ms3dTriangle& t : m.triangles) {
    Vec3 p[3];
    for (int k = 0; k < 3; ++k) {
      const auto& v = m.vertices[t.vertexIndices[k]].position;
      p[k] = {v[0], v[1], v[2]};
    }
    const Vec3 face = Cross(p[1] - p[0], p[2] - p[0]);
    if (Length(face) < 1e-9) continue;
    for (const auto& n : t.normals) EXPECT_GT(Dot(face, {n[0], n[1], n[2]}), 0);
  }
}

TEST(SceneBuilder, SurfacesFaceTheSideMeantToBeSeen) {
  SceneBuilder b(".\\base\\maps\\9\\");
  const int m = b.Material({});
  b.Rect(m, {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  b.Box(m, {0, 0, 0}, {1, 2, 3}, true);
  b.Cylinder(m, {0, 0, 0}, 0.5, 2);
  b.Rod(m, {0, 0, 0}, {1, 2, 0.5}, 0.1);
  b.Blob(m, {0, 1, 0}, {1, 0.5, 2});
  b.Cone(m, {0, 1, 0}, 0.2, 1, 0.8, true);
  ExpectFacingItsNormals(b.Build());
  // A rectangle seen along +z: its normal points at the viewer on +z.
  SceneBuilder one(".\\base\\maps\\9\\");
  one.Rect(one.Material({}), {0, 0, 0}, {1, 0, 0}, {0, 1, 0});
  EXPECT_FLOAT_EQ(one.Build().triangles[0].normals[0][2], 1.0f);
}

TEST(SceneBuilder, RepeatingPicturesFollowTheWorldAndMaterialsAreShared) {
  SceneBuilder b(".\\base\\maps\\9\\");
  SurfaceLook brick;
  brick.texture = "brick.bmp";
  brick.tile = 2;
  const int m = b.Material(brick);
  EXPECT_EQ(b.Material(brick), m);
  b.Rect(m, {0, 0, 0}, {4, 0, 0}, {0, 2, 0});
  const Ms3dModelData data = b.Build();
  // Four units wide at two units a repeat: s runs 0 to 2; t runs a picture up (top row at y = 2).
  EXPECT_FLOAT_EQ(data.triangles[0].s[1], 2.0f);
  EXPECT_FLOAT_EQ(data.triangles[0].t[2], -1.0f);
  EXPECT_EQ(data.materials[0].texture, ".\\base\\maps\\9\\brick.bmp");
  EXPECT_EQ(b.Textures(), std::vector<std::string>{"brick.bmp"});
}

TEST(SceneBuilder, GriddedSurfacesKeepTheirAreaAndTheirPicturesUnbroken) {
  SceneBuilder b(".\\base\\maps\\9\\", 1.25);
  SurfaceLook brick;
  brick.texture = "brick.bmp";
  brick.tile = 2;
  const int m = b.Material(brick);
  b.Rect(m, {-2, 0, 3}, {5, 0, 0}, {0, 2.5, 0});
  ExpectFacingItsNormals(b.Build());
  const Ms3dModelData data = b.Build();
  ASSERT_EQ(data.triangles.size(), 4u * 2 * 2);  // 5 × 2.5 in cells of at most 1.25
  double area = 0;
  for (const Ms3dTriangle& t : data.triangles) {
    Vec3 p[3];
    for (int k = 0; k < 3; ++k) {
      const auto& v = data.vertices[t.vertexIndices[k]].position;
      p[k] = {v[0], v[1], v[2]};
      EXPECT_LE(std::abs(p[k].z - 3), 1e-6);
      // Each corner's picture coordinate is the one the whole rectangle has there.
      EXPECT_NEAR(t.s[k], p[k].x / 2, 1e-5);
      EXPECT_NEAR(t.t[k], -p[k].y / 2, 1e-5);
    }
    const double side = std::max({Length(p[1] - p[0]), Length(p[2] - p[1]), Length(p[0] - p[2])});
    EXPECT_LE(side, 1.25 * std::sqrt(2.0) + 1e-6);
    area += Length(Cross(p[1] - p[0], p[2] - p[0])) / 2;
  }
  EXPECT_NEAR(area, 5 * 2.5, 1e-6);
  // A picture stretched once runs on across its cells to the same inset edges.
  SceneBuilder pictures(".\\base\\maps\\9\\", 1.25);
  pictures.Picture(pictures.Material(brick), {0, 0, 0}, {3, 0, 0}, {0, 3, 0});
  const Ms3dModelData picture = pictures.Build();
  ASSERT_EQ(picture.triangles.size(), 3u * 3 * 2);
  for (const Ms3dTriangle& t : picture.triangles)
    for (int k = 0; k < 3; ++k) {
      const auto& v = picture.vertices[t.vertexIndices[k]].position;
      EXPECT_NEAR(t.s[k], 0.004 + 0.992 * v[0] / 3, 1e-5);
      EXPECT_NEAR(t.t[k], 0.996 - 0.992 * v[1] / 3, 1e-5);
    }
}

}  // namespace
