#include <gtest/gtest.h>

#include "render/mesh_model.h"
#include "render/sample_files.h"

namespace {

SampleMs3d TwoMeshModel() {
  SampleMs3d model;
  model.vertices = {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {1, 1, 0}, {0, 0, 3}};
  for (int i = 0; i < 7; ++i) {
    SampleMs3d::Triangle tri;
    tri.v[0] = i % 5, tri.v[1] = (i + 1) % 5, tri.v[2] = (i + 2) % 5;
    model.triangles.push_back(tri);
  }
  model.triangles[0].s[0] = 0.5f;
  model.triangles[0].t[0] = 0.25f, model.triangles[0].t[1] = 0.5f, model.triangles[0].t[2] = 1.0f;
  model.groups = {{{0, 1, 2}, 0}, {{3, 4, 5, 6}, 1}};
  model.materials.resize(2);
  model.materials[0].transparency = 0.4f;
  model.materials[0].texture = ".\\base\\maps\\1\\wall.bmp";
  model.materials[1].transparency = 0.41f;
  return model;
}

MeshData Parse(const Bytes& file, bool expectOk = true) {
  MeshData data;
  EXPECT_EQ(ParseMs3d(file.data(), file.size(), data), expectOk);
  return data;
}

}  // namespace

TEST(Ms3dReader, ReadsGeometryGroupsAndMaterials) {
  const MeshData data = Parse(WriteMs3d(TwoMeshModel()));
  EXPECT_EQ(data.vertices.size(), 5u);
  EXPECT_FLOAT_EQ(data.vertices[4].position.z, 3.0f);
  EXPECT_EQ(data.vertices[4].boneIndex, -1);
  ASSERT_EQ(data.triangles.size(), 7u);
  EXPECT_FLOAT_EQ(data.triangles[0].normals[1].y, 1.0f);
  ASSERT_EQ(data.meshes.size(), 2u);
  EXPECT_EQ(data.meshes[1].triangleIndices.size(), 4u);
  ASSERT_EQ(data.materials.size(), 2u);
  EXPECT_EQ(data.materials[0].texturePath, ".\\base\\maps\\1\\wall.bmp");
  EXPECT_FLOAT_EQ(data.materials[0].diffuse[0], 0.8f);
  EXPECT_FLOAT_EQ(data.materials[0].shininess, 8.0f);
  EXPECT_EQ(data.materials[0].texture, 0u);  // textures come later, with LoadTextures
}

TEST(Ms3dReader, FlipsT) {
  const MeshData data = Parse(WriteMs3d(TwoMeshModel()));
  EXPECT_FLOAT_EQ(data.triangles[0].t[0], 0.75f);
  EXPECT_FLOAT_EQ(data.triangles[0].t[1], 0.5f);
  EXPECT_FLOAT_EQ(data.triangles[0].t[2], 0.0f);
  EXPECT_FLOAT_EQ(data.triangles[0].s[0], 0.5f);
}

TEST(Ms3dReader, TransparencyOfPointFourHidesAndPointFourOneShows) {
  const MeshData data = Parse(WriteMs3d(TwoMeshModel()));
  EXPECT_FALSE(IsMeshVisible(data, data.meshes[0]));
  EXPECT_TRUE(IsMeshVisible(data, data.meshes[1]));
  MeshGroup bare;
  EXPECT_TRUE(IsMeshVisible(data, bare));
}

TEST(Ms3dReader, WrongIdentifierStillLoads) {
  SampleMs3d model = TwoMeshModel();
  model.identifier = "NOTMS3D!!!";
  EXPECT_EQ(Parse(WriteMs3d(model)).triangles.size(), 7u);
}

TEST(Ms3dReader, TriangleRecordsFollowTheMeshesWithTheirMaterial) {
  MeshData data = Parse(WriteMs3d(TwoMeshModel()));
  BuildTriangleRecords(data);
  ASSERT_EQ(data.triangleRecords.size(), 7u);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(data.triangleRecords[static_cast<std::size_t>(i)].materialIndex, 0);
  EXPECT_EQ(data.triangleRecords[3].materialIndex, 1);
  const TriangleRecord& first = data.triangleRecords[0];  // vertices 0, 1, 2
  EXPECT_FLOAT_EQ(first.corners[1].position.x, 1.0f);
  EXPECT_FLOAT_EQ(first.corners[0].t, 0.75f);
  EXPECT_FLOAT_EQ(first.centroid.x, 1.0f / 3.0f);
  EXPECT_FLOAT_EQ(first.centroid.y, 1.0f / 3.0f);
}

TEST(Ms3dReader, TriangleRecordsStopAtFiveThousand) {
  MeshData data = Parse(WriteMs3d(GridMs3d(51)));  // 5202 triangles
  ASSERT_EQ(data.triangles.size(), 5202u);
  BuildTriangleRecords(data);
  EXPECT_EQ(data.triangleRecords.size(), 5000u);
}

TEST(Ms3dReader, MaterialIndexTheFileDoesNotHoldMeansNoMaterial) {
  SampleMs3d model = TwoMeshModel();
  model.groups[1].material = 9;
  model.groups[0].material = -4;
  const MeshData data = Parse(WriteMs3d(model));
  EXPECT_EQ(data.meshes[0].materialIndex, -1);
  EXPECT_EQ(data.meshes[1].materialIndex, -1);
}

TEST(Ms3dReader, DamagedFilesAreRefusedAndLeaveTheModelEmpty) {
  SampleMs3d badVertex = TwoMeshModel();
  badVertex.triangles[2].v[1] = 5;
  EXPECT_TRUE(Parse(WriteMs3d(badVertex), false).triangles.empty());
  SampleMs3d badTriangle = TwoMeshModel();
  badTriangle.groups[1].triangles.push_back(7);
  EXPECT_TRUE(Parse(WriteMs3d(badTriangle), false).meshes.empty());

  const Bytes good = WriteMs3d(TwoMeshModel());
  const std::size_t materialsEnd = good.size() - 4;
  for (std::size_t cut : {std::size_t{0}, std::size_t{15}, std::size_t{16 + 5 * 15 + 10}, materialsEnd - 1}) {
    EXPECT_TRUE(Parse(Bytes(good.begin(), good.begin() + static_cast<long>(cut)), false).vertices.empty()) << cut;
  }
  // Count fields claiming more records than the file holds.
  Bytes manyVertices = good;
  manyVertices[14] = 0xFF, manyVertices[15] = 0xFF;
  EXPECT_TRUE(Parse(manyVertices, false).vertices.empty());
  // Nothing behind the materials is needed.
  EXPECT_EQ(Parse(Bytes(good.begin(), good.begin() + static_cast<long>(materialsEnd))).materials.size(), 2u);
}

namespace {

MeshTriangle Triangle(int a, int b, int c, Vector3 normal, float s0) {
  MeshTriangle tri;
  const int v[3] = {a, b, c};
  for (int k = 0; k < 3; ++k) {
    tri.vertexIndices[k] = v[k];
    tri.normals[k] = normal;
    tri.s[k] = k == 0 ? s0 : 0.5f;
    tri.t[k] = 0.25f * float(v[k]);
  }
  return tri;
}

}  // namespace

// The arrays a mesh is drawn from: every triangle's corners exactly as the file gave them, a
// corner stored once where triangles of a group share it, and never shared across groups.
TEST(Ms3dReader, CornerArraysShareOnlyCornersThatAreAlikeInEveryValue) {
  MeshData data;
  for (int i = 0; i < 4; ++i) data.vertices.push_back(MeshVertex{-1, Vector3{float(i), float(i * i), 1.0f}});
  const Vector3 up{0, 1, 0}, side{1, 0, 0};
  data.triangles = {Triangle(0, 1, 2, up, 0.5f), Triangle(2, 1, 3, up, 0.5f),  // share corners 1 and 2
                    Triangle(0, 1, 2, side, 0.5f),                             // same vertices, other normal
                    Triangle(0, 1, 2, up, 0.75f)};                             // vertex 0 with another s
  data.meshes = {MeshGroup{0, {0, 1, 2, 3}}, MeshGroup{-1, {1}}};

  const MeshCornerArrays arrays = BuildMeshCornerArrays(data);
  ASSERT_EQ(arrays.groups.size(), 2u);
  EXPECT_EQ(arrays.groups[0].first, 0u);
  EXPECT_EQ(arrays.groups[0].count, 12u);
  EXPECT_EQ(arrays.groups[1].first, 12u);
  EXPECT_EQ(arrays.groups[1].count, 3u);
  // Group one: 4 corners for the first two triangles, 3 for the turned one, 1 for the new s.
  // Group two: its own 3.
  EXPECT_EQ(arrays.corners.size(), 4u + 3u + 1u + 3u);

  std::size_t at = 0;
  for (const MeshGroup& group : data.meshes) {
    for (int index : group.triangleIndices) {
      const MeshTriangle& tri = data.triangles[static_cast<std::size_t>(index)];
      for (int k = 0; k < 3; ++k, ++at) {
        const MeshCorner& c = arrays.corners[arrays.order[at]];
        const Vector3& p = data.vertices[static_cast<std::size_t>(tri.vertexIndices[k])].position;
        EXPECT_EQ(c.position.x, p.x);
        EXPECT_EQ(c.position.y, p.y);
        EXPECT_EQ(c.normal.x, tri.normals[k].x);
        EXPECT_EQ(c.normal.y, tri.normals[k].y);
        EXPECT_EQ(c.s, tri.s[k]);
        EXPECT_EQ(c.t, tri.t[k]);
      }
    }
  }
  EXPECT_EQ(at, arrays.order.size());
  EXPECT_LT(arrays.order[12], arrays.corners.size());
  EXPECT_GE(arrays.order[12], 8u);  // the second group's corners come after the first's
}
