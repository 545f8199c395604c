#include <gtest/gtest.h>

#include <cmath>

#include "render/bhm_reader.h"
#include "render/sample_files.h"

namespace {

SampleBhm OneTriangleModel() {
  SampleBhm model;
  model.frames = 2;
  SampleTag torso;
  torso.name = "tag_torso";
  model.tags = {{torso}, {torso}};
  SampleMesh mesh;
  mesh.name = "legs";
  mesh.frames = {{{960, -960, 480, 0, 7}, {0, 0, 0, 64, 0}, {96, 0, 0, 0, 0}},
                 {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}};
  mesh.triangles = {{0, 1, 2}};
  mesh.texCoords = {{0.25f, 0.75f}, {0, 0}, {1, 1}};
  model.meshes = {mesh};
  return model;
}

ModelPart Read(const Bytes& file, bool expectOk = true) {
  ModelPart part;
  EXPECT_EQ(ReadBhm(file.data(), file.size(), part), expectOk);
  return part;
}

}  // namespace

TEST(BhmReader, ReadsTagsMeshesAndScalesVerticesBy960) {
  const ModelPart part = Read(WriteBhm(OneTriangleModel()));
  ASSERT_EQ(part.meshes.size(), 1u);
  EXPECT_EQ(part.frameCount, 2);
  EXPECT_EQ(part.tagCount, 1);
  ASSERT_EQ(part.tags.size(), 2u);
  EXPECT_STREQ(part.tags[0].name, "tag_torso");
  ASSERT_EQ(part.links.size(), 1u);
  const ModelMesh& mesh = part.meshes[0];
  EXPECT_EQ(mesh.name, "legs");
  EXPECT_EQ(mesh.frameCount, 2);
  EXPECT_EQ(mesh.vertexCount, 3);
  ASSERT_EQ(mesh.vertices.size(), 6u);
  const Vector3 first = DecodePosition(mesh.vertices[mesh.FrameStart(0)]);
  EXPECT_FLOAT_EQ(first.x, 1.0f);
  EXPECT_FLOAT_EQ(first.y, -1.0f);
  EXPECT_FLOAT_EQ(first.z, 0.5f);
  EXPECT_FLOAT_EQ(DecodePosition(mesh.vertices[mesh.FrameStart(0) + 2]).x, 0.1f);
  EXPECT_FLOAT_EQ(DecodePosition(mesh.vertices[mesh.FrameStart(1)]).x, 0.0f);
}

// A held pose repeats one frame: repeats share the stored frame, and every frame still reads back
// its own vertices.
TEST(BhmReader, IdenticalFramesAreStoredOnce) {
  SampleBhm model = OneTriangleModel();
  const auto pose = model.meshes[0].frames[0];
  const auto other = model.meshes[0].frames[1];
  model.frames = 5;
  model.tags.assign(5, model.tags[0]);
  model.meshes[0].frames = {pose, other, pose, pose, other};
  const ModelPart part = Read(WriteBhm(model));
  const ModelMesh& mesh = part.meshes[0];
  ASSERT_EQ(mesh.frameSlots.size(), 5u);
  EXPECT_EQ(mesh.vertices.size(), 6u);
  EXPECT_EQ(mesh.frameSlots, (std::vector<int>{0, 1, 0, 0, 1}));
  for (int frame : {0, 2, 3}) EXPECT_FLOAT_EQ(DecodePosition(mesh.vertices[mesh.FrameStart(frame)]).x, 1.0f);
  for (int frame : {1, 4}) EXPECT_FLOAT_EQ(DecodePosition(mesh.vertices[mesh.FrameStart(frame)]).x, 0.0f);
}

TEST(BhmReader, DecodesNormalsFromTheirAngleBytes) {
  const ModelPart part = Read(WriteBhm(OneTriangleModel()));
  const ModelMesh& mesh = part.meshes[0];
  const PackedVertex& first = mesh.vertices[mesh.FrameStart(0)];
  const PackedVertex& second = mesh.vertices[mesh.FrameStart(0) + 1];
  const Vector3 up = DecodeNormal(first.a, first.b);  // a = 0, b = 7
  EXPECT_NEAR(up.x, 0.0f, 1e-6f);
  EXPECT_NEAR(up.y, 0.0f, 1e-6f);
  EXPECT_NEAR(up.z, 1.0f, 1e-6f);
  const Vector3 side = DecodeNormal(second.a, second.b);  // a = 64, b = 0
  EXPECT_NEAR(side.x, 0.99998f, 1e-5f);
  EXPECT_NEAR(side.y, 0.0f, 1e-6f);
  EXPECT_NEAR(side.z, -0.00616f, 1e-5f);
}

TEST(BhmReader, FlipsTheTextureCoordinateT) {
  const ModelPart part = Read(WriteBhm(OneTriangleModel()));
  EXPECT_FLOAT_EQ(part.meshes[0].texCoords[0].u, 0.25f);
  EXPECT_FLOAT_EQ(part.meshes[0].texCoords[0].v, -0.75f);
}

TEST(BhmReader, SkinRecordsAreSkippedAndTrianglesFoundByTheirOffset) {
  SampleBhm model = OneTriangleModel();
  model.meshes[0].skins = 3;
  model.meshes.push_back(model.meshes[0]);
  model.meshes[1].name = "second";
  const ModelPart part = Read(WriteBhm(model));
  ASSERT_EQ(part.meshes.size(), 2u);
  EXPECT_EQ(part.meshes[1].name, "second");
  EXPECT_EQ(part.meshes[1].triangles[0], (std::array<int, 3>{0, 1, 2}));
}

TEST(BhmReader, IdentifierAndVersionAreNotChecked) {
  Bytes file = WriteBhm(OneTriangleModel());
  file[0] = 'X', file[4] = 99;
  EXPECT_EQ(Read(file).meshes.size(), 1u);
}

TEST(BhmReader, DamagedFilesAreRefusedAndLeaveNoGeometry) {
  const Bytes good = WriteBhm(OneTriangleModel());
  const std::size_t meshStart = 108 + 2 * 56 + 2 * 112;
  struct Damage {
    const char* what;
    std::size_t at;
    std::int32_t value;
  } damages[] = {
      {"negative frame count", 76, -1},
      {"huge frame count", 76, 0x7fffffff},
      {"negative tag count", 80, -5},
      {"tag table past the end", 80, 1000},
      {"mesh count past the end", 84, 1000000},
      {"negative vertex count", meshStart + 80, -3},
      {"vertex count past the end", meshStart + 80, 1 << 28},
      {"negative triangle offset", meshStart + 88, -40},
      {"triangle offset past the end", meshStart + 88, 1 << 30},
      {"vertex frames past the end", meshStart + 72, 1000},
      {"negative skin count", meshStart + 76, -1},
      {"vertex index out of range", meshStart + 108, 3},
      {"negative vertex index", meshStart + 108 + 4, -1},
  };
  for (const Damage& d : damages) {
    Bytes file = good;
    ByteWriter patch;
    patch.bytes = file;
    patch.PatchI32(d.at, d.value);
    ModelPart part;
    part.meshes.resize(1);  // what was there before must not survive a refused file
    EXPECT_FALSE(ReadBhm(patch.bytes.data(), patch.bytes.size(), part)) << d.what;
    EXPECT_TRUE(part.meshes.empty()) << d.what;
    EXPECT_TRUE(part.tags.empty()) << d.what;
  }
  for (std::size_t cut : {std::size_t{0}, std::size_t{50}, meshStart + 20, good.size() - 1}) {
    EXPECT_FALSE(Read(Bytes(good.begin(), good.begin() + static_cast<long>(cut)), false).meshes.size()) << cut;
  }
}

TEST(BhmReader, HugeTagCountWithoutFramesIsRefused) {
  ByteWriter patch;
  patch.bytes = WriteBhm(OneTriangleModel());
  patch.PatchI32(76, 0);
  patch.PatchI32(80, 0x3f800000);  // found by fuzzing: would have sized a billion link slots
  ModelPart part;
  EXPECT_FALSE(ReadBhm(patch.bytes.data(), patch.bytes.size(), part));
  EXPECT_TRUE(part.links.empty());
}

TEST(BhmReader, HugeFrameCountOfAMeshWithoutVerticesIsRefused) {
  SampleBhm model = OneTriangleModel();
  model.meshes[0].frames = {{}, {}};
  model.meshes[0].triangles.clear();
  model.meshes[0].texCoords.clear();
  ByteWriter patch;
  patch.bytes = WriteBhm(model);
  ModelPart part;
  ASSERT_TRUE(ReadBhm(patch.bytes.data(), patch.bytes.size(), part));
  patch.PatchI32(108 + 2 * 56 + 2 * 112 + 72, 0x7fffffff);  // found by fuzzing: sized 8 GB of frame slots
  EXPECT_FALSE(ReadBhm(patch.bytes.data(), patch.bytes.size(), part));
  EXPECT_TRUE(part.meshes.empty());
}

TEST(BhmReader, MeshSizeMustCoverAtLeastItsHeaderWhenAnotherMeshFollows) {
  SampleBhm model = OneTriangleModel();
  model.meshes.push_back(model.meshes[0]);
  Bytes file = WriteBhm(model);
  ByteWriter patch;
  patch.bytes = file;
  patch.PatchI32(108 + 2 * 56 + 2 * 112 + 104, 0);  // would read the first mesh forever
  ModelPart part;
  EXPECT_FALSE(ReadBhm(patch.bytes.data(), patch.bytes.size(), part));
}

TEST(BhmReader, PlayableFramesAreTheFewestOfTagsAndMeshes) {
  SampleBhm model = OneTriangleModel();
  model.meshes[0].frames.push_back(model.meshes[0].frames[0]);  // 3 vertex frames, 2 tag frames
  ModelPart part = Read(WriteBhm(model));
  EXPECT_EQ(PlayableFrameCount(part), 2);
  EXPECT_EQ(PlayableFrameCount(ModelPart{}), -1);
}
