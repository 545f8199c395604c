#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "render/shader_lighting.h"
#include "render/text_printer.h"

namespace {

SceneLight Light(Vector3 position, Vector3 direction) {
  SceneLight light;
  light.position = position;
  light.direction = direction;
  return light;
}

void ExpectVector(const Vector3& v, float x, float y, float z) {
  EXPECT_NEAR(v.x, x, 1e-5f);
  EXPECT_NEAR(v.y, y, 1e-5f);
  EXPECT_NEAR(v.z, z, 1e-5f);
}

}  // namespace

TEST(ObjectSpaceLights, IdentityModelKeepsWorldSpace) {
  const SceneLight lights[3] = {Light({1, 2, 3}, {0, -1, 0}), Light({4, 5, 6}, {0, -1, 1}), Light({-1, 0, 0}, {1, 0, 0})};
  const ObjectSpaceLights result = ComputeObjectSpaceLights(Matrix4{}, lights, {0, 0, -1});
  ExpectVector(result.positions[0], 1, 2, 3);
  ExpectVector(result.positions[2], -1, 0, 0);
  ExpectVector(result.directions[1], 0, -1, 1);
  ExpectVector(result.viewDirection, 0, 0, -1);
}

TEST(ObjectSpaceLights, TranslatedFighterSeesTheLightMovedBack) {
  Matrix4 model;
  model.m[12] = 5;
  const SceneLight lights[3] = {Light({5, 7.5f, 0}, {0, -1, 0}), {}, {}};
  const ObjectSpaceLights result = ComputeObjectSpaceLights(model, lights, {1, 0, 0});
  ExpectVector(result.positions[0], 0, 7.5f, 0);
  ExpectVector(result.directions[0], 0, -1, 0);
  ExpectVector(result.viewDirection, 1, 0, 0);
}

TEST(ObjectSpaceLights, HalfTurnAboutYTurnsDirections) {
  Matrix4 model;
  model.m[0] = -1, model.m[10] = -1;
  const SceneLight lights[3] = {Light({0, 0, 0}, {0, -1, 1}), {}, {}};
  const ObjectSpaceLights result = ComputeObjectSpaceLights(model, lights, {0, 0, 1});
  ExpectVector(result.directions[0], 0, -1, -1);
  ExpectVector(result.viewDirection, 0, 0, -1);
}

TEST(VendorTest, GeForceRendererOrNvidiaVendorChoosesTheGeForcePair) {
  EXPECT_TRUE(IsGeForce("GeForce GTX 1060/PCIe/SSE2", "Some Vendor"));
  EXPECT_TRUE(IsGeForce("Quadro", "NVIDIA Corporation"));
  EXPECT_TRUE(IsGeForce("x", "nvidia"));
  EXPECT_TRUE(IsGeForce("GEFORCE", nullptr));
  EXPECT_FALSE(IsGeForce("llvmpipe (LLVM 15.0.6, 256 bits)", "Mesa"));
  EXPECT_FALSE(IsGeForce("Geforce", "NVidia"));  // exact spellings only
  EXPECT_FALSE(IsGeForce(nullptr, nullptr));
}

TEST(ShaderSource, LongLinesAreReadWholeAndMissingFilesGiveNothing) {
  const std::string longLine = "// " + std::string(300, 'x');
  const std::string text = "#version 110\n" + longLine + "\nvoid main() {}\n";
  const std::string path = ::testing::TempDir() + "long_line_shader.glsl";
  std::ofstream(path) << text;
  const auto source = ReadShaderSource(path.c_str());
  ASSERT_TRUE(source.has_value());
  EXPECT_EQ(*source, text);
  EXPECT_FALSE(ReadShaderSource(".\\no\\such\\shader.glsl").has_value());
  EXPECT_EQ(ParseShaderSource("ab\0cd", 5), "ab");
  std::remove(path.c_str());
}

TEST(ShaderSource, UniformNamesInLookupOrder) {
  EXPECT_STREQ(LightingUniformName(LightingUniform::LightPos), "lightPos");
  EXPECT_STREQ(LightingUniformName(LightingUniform::Light3Focus), "light3Focus");
  EXPECT_STREQ(LightingUniformName(LightingUniform::AmbientColor), "ambientColor");
  EXPECT_STREQ(LightingUniformName(LightingUniform::CameraPos), "cameraPos");
  EXPECT_EQ(static_cast<int>(LightingUniform::Count), 21);
}

TEST(GlyphCells, SetsChooseTheHalfOfTheGrid) {
  EXPECT_EQ(GlyphCells("A", 0), std::vector<int>{33});
  EXPECT_EQ(GlyphCells("A", 1), std::vector<int>{161});
  EXPECT_EQ(GlyphCells("A", 5), std::vector<int>{161});
  EXPECT_EQ(GlyphCells(" ~", 0), (std::vector<int>{0, 94}));
}

TEST(GlyphCells, HighBytesWithTheSecondSetAddressTheFirst) {
  EXPECT_EQ(GlyphCells("\xA0\xFF", 1), (std::vector<int>{0, 95}));
}

TEST(GlyphCells, BytesOutsideTheFontAreSkipped) {
  EXPECT_EQ(GlyphCells("\x01\nA\xC8", 0), std::vector<int>{33});
  EXPECT_EQ(GlyphCells("A", -3), std::vector<int>{33});
}

TEST(GlyphCells, TextsAreCutTo255Characters) {
  EXPECT_EQ(GlyphCells(std::string(1000, 'A'), 0).size(), 255u);
}
