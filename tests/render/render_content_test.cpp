#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "render/animation_playback.h"
#include "render/bmp_decoder.h"
#include "render/fighter_model.h"
#include "render/file_bytes.h"
#include "render/mesh_model.h"
#include "render/shader_lighting.h"
#include "render/tga_reader.h"
#include "render/textures.h"

// The generated base/ tree read by the game's own readers: every file the renderer opens must be
// accepted and hold what the game addresses in it.

namespace {

std::string TexturePath(int n, const char* extension) {
  char path[64];
  std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.%s", n, extension);
  return path;
}

}  // namespace

TEST(RenderContent, EveryFighterLoadsWithTheThirteenLegAnimationsInsideItsFrames) {
  static const char* const names[] = {"LEGS_STAND",    "LEGS_RUN",       "LEGS_RUNB",     "LEGS_LEFTHEAD", "LEGS_RIGHTHEAD",
                                      "LEGS_LEFTTORS", "LEGS_RIGHTTORS", "LEGS_LEFTBOK",  "LEGS_RIGHTBOK", "LEGS_PAIN",
                                      "LEGS_DEATH",    "LEGS_BLOCK",     "LEGS_WIN"};
  for (int k = 1; k <= 8; ++k) {
    FighterModel model;
    ASSERT_TRUE(model.Load(".\\base\\fighters\\", std::to_string(k).c_str(), 0)) << k;
    ASSERT_FALSE(model.lower.meshes.empty()) << k;
    const int frames = PlayableFrameCount(model.lower);
    for (const char* name : names) {
      EXPECT_TRUE(StartAnimation(model.lower, name, 0.0f)) << k << " " << name;
      const AnimationInfo& animation = model.lower.animations[static_cast<std::size_t>(model.lower.currentAnimation)];
      EXPECT_LE(animation.endFrame, frames) << k << " " << name;
      EXPECT_GT(animation.framesPerSecond, 0) << k << " " << name;
    }
  }
}

TEST(RenderContent, TextureBankLoadingImagesAndTgaTexturesDecode) {
  for (int n = 0; n < TextureBankSize; ++n) {
    const auto image = DecodeBmpFile(TexturePath(n, "bmp").c_str());
    ASSERT_TRUE(image.has_value()) << n;
  }
  for (int n = 0; n <= 6; ++n) {
    const auto bytes = ReadFileBytes(TexturePath(n, "tga").c_str());
    ASSERT_TRUE(bytes.has_value()) << n;
    EXPECT_TRUE(ReadTga(bytes->data(), bytes->size()).has_value()) << n;
  }
  const auto font = ReadFileBytes(".\\base\\textures\\text.tga");
  ASSERT_TRUE(font.has_value());
  const auto fontImage = ReadTga(font->data(), font->size());
  ASSERT_TRUE(fontImage.has_value());
  // Uploaded before the unpack alignment becomes 1: rows must be whole words.
  EXPECT_EQ(fontImage->width * fontImage->components % 4, 0);
}

TEST(RenderContent, ArenaMeshesParseAndTheirTexturesDecode) {
  for (int arena = 1; arena <= 7; ++arena) {
    for (const char* file : {"map", "light"}) {
      const std::string path = ".\\base\\maps\\" + std::to_string(arena) + "\\" + file + ".ms3d";
      const auto bytes = ReadFileBytes(path.c_str());
      ASSERT_TRUE(bytes.has_value()) << path;
      MeshData mesh;
      ASSERT_TRUE(ParseMs3d(bytes->data(), bytes->size(), mesh)) << path;
      EXPECT_FALSE(mesh.triangles.empty()) << path;
      if (std::string(file) == "light") {
        EXPECT_LE(mesh.triangles.size(), 200u) << path;
      }
      for (const MeshMaterial& material : mesh.materials) {
        if (material.texturePath.empty()) continue;
        EXPECT_TRUE(DecodeBmpFile(material.texturePath.c_str()).has_value()) << path << ": " << material.texturePath;
      }
    }
  }
  const auto lamp = ReadFileBytes(".\\base\\maps\\1\\lamp\\lamp.ms3d");
  ASSERT_TRUE(lamp.has_value());
  MeshData mesh;
  EXPECT_TRUE(ParseMs3d(lamp->data(), lamp->size(), mesh));
}

TEST(RenderContent, BothShaderPairsAreInstalled) {
  for (const char* name : {"GeForceLightingVS", "GeForceLightingPS", "OtherLightingVS", "OtherLightingPS"}) {
    const std::string path = std::string(".\\base\\shaders\\") + name + ".glsl";
    const auto source = ReadShaderSource(path.c_str());
    ASSERT_TRUE(source.has_value()) << path;
    EXPECT_NE(source->find("void main"), std::string::npos) << path;
  }
}
