// The generated pictures under base/: formats, sizes, the rules of masks and additive pictures,
// determinism, and contact sheets in the build folder for people to look at.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "common/image_files.h"
#include "common/text.h"
#include "picture_files.h"

namespace {

namespace fs = std::filesystem;
const fs::path kBase = "base";

PictureFile LoadBank(int entry) {
  std::string why;
  auto p = ReadBmp24(kBase / BankName(entry), &why);
  if (!p) ADD_FAILURE() << BankName(entry) << ": " << why;
  return p ? *p : PictureFile{};
}

float Luminance(const Rgba& c) { return 0.3f * c.r + 0.59f * c.g + 0.11f * c.b; }

float MaxBorderLuminance(const Canvas& c) {
  float m = 0;
  for (int x = 0; x < c.Width(); ++x)
    m = std::max({m, Luminance(c.Get(x, 0)), Luminance(c.Get(x, c.Height() - 1))});
  for (int y = 0; y < c.Height(); ++y)
    m = std::max({m, Luminance(c.Get(0, y)), Luminance(c.Get(c.Width() - 1, y))});
  return m;
}

float MaxBorderAlpha(const Canvas& c) {
  float m = 0;
  for (int x = 0; x < c.Width(); ++x) m = std::max({m, c.Get(x, 0).a, c.Get(x, c.Height() - 1).a});
  for (int y = 0; y < c.Height(); ++y) m = std::max({m, c.Get(0, y).a, c.Get(c.Width() - 1, y).a});
  return m;
}

float MeanLuminance(const Canvas& c) {
  double sum = 0;
  for (const Rgba& p : c.Pixels()) sum += Luminance(p);
  return static_cast<float>(sum / c.Pixels().size());
}

TEST(PicturesTest, EveryTextureBankEntryIsA24BitBmp) {
  for (int entry = 0; entry < 76; ++entry) {
    SCOPED_TRACE(entry);
    std::string why;
    EXPECT_TRUE(ReadBmp24(kBase / BankName(entry), &why)) << why;
  }
}

TEST(PicturesTest, LoadingImagesHaveRowsOfWholeWords) {
  // Uploaded before the unpack alignment becomes 1: rows must be multiples of 4 bytes.
  for (int entry : {16, 55, 0, 40}) {
    SCOPED_TRACE(entry);
    EXPECT_EQ(LoadBank(entry).width * 3 % 4, 0);
  }
}

TEST(PicturesTest, PicturesHaveTheShapeOfTheirQuads) {
  struct Quad { int entry; float w, h; };
  const Quad quads[] = {{15, 800, 600}, {22, 800, 600}, {21, 800, 600}, {16, 800, 600},
                        {55, 800, 600}, {17, 120, 32},  {18, 120, 32},  {12, 80, 32},
                        {27, 80, 32},   {28, 120, 32},  {54, 120, 32},  {56, 256, 128},
                        {6, 256, 128},  {60, 256, 128}, {38, 450, 60},  {63, 450, 60},
                        {46, 600, 325}, {52, 600, 325}, {66, 260, 18},  {2, 160, 12},
                        {64, 30, 30}};
  for (const Quad& q : quads) {
    SCOPED_TRACE(q.entry);
    const PictureFile p = LoadBank(q.entry);
    ASSERT_GT(p.height, 0);
    EXPECT_NEAR(static_cast<float>(p.width) / p.height, q.w / q.h, q.w / q.h * 0.08f);
  }
}

TEST(PicturesTest, MasksAndFacesMeetLikeTheBlendFunctionsNeed) {
  // Mask = white where the screen shows through; face = black there, so mask x screen + face
  // leaves the screen untouched outside the widget and shows the face inside it.
  const std::pair<int, int> pairs[] = {{17, 18}, {12, 13}, {26, 27}, {28, 29}, {53, 54}};
  for (auto [maskEntry, faceEntry] : pairs) {
    SCOPED_TRACE(maskEntry);
    const PictureFile mask = LoadBank(maskEntry), face = LoadBank(faceEntry);
    ASSERT_EQ(mask.width, face.width);
    ASSERT_EQ(mask.height, face.height);
    int through = 0, covered = 0;
    for (int y = 0; y < mask.height; ++y)
      for (int x = 0; x < mask.width; ++x) {
        const float m = mask.pixels.Get(x, y).r, f = Luminance(face.pixels.Get(x, y));
        if (m > 0.99f) {
          ++through;
          EXPECT_LT(f, 0.01f) << x << "," << y;
        }
        if (m < 0.01f) ++covered;
      }
    EXPECT_GT(through, 500);  // at least the corners and the space around the shape
    EXPECT_GT(covered, mask.width * mask.height / 10);
  }
  // Full-screen pictures cover everything.
  for (int maskEntry : {1, 7}) EXPECT_LT(MeanLuminance(LoadBank(maskEntry).pixels), 0.01f);
}

TEST(PicturesTest, AdditivePicturesAreBrightOnBlack) {
  for (int entry : {6, 59, 60, 56, 57, 58, 38, 39, 40, 41, 42, 43, 44, 45, 61, 62, 63}) {
    SCOPED_TRACE(entry);
    const PictureFile p = LoadBank(entry);
    EXPECT_LT(MaxBorderLuminance(p.pixels), 0.02f);
    float peak = 0;
    for (const Rgba& c : p.pixels.Pixels()) peak = std::max(peak, Luminance(c));
    EXPECT_GT(peak, 0.8f);
  }
  EXPECT_LT(MeanLuminance(LoadBank(10).pixels), 0.001f);  // the fade
}

TEST(PicturesTest, TgaSpritesAndFrame) {
  std::string why;
  for (int i = 0; i <= 6; ++i) {
    SCOPED_TRACE(i);
    const auto p = ReadTga(kBase / ("textures/tex0" + std::to_string(i) + ".tga"), &why);
    ASSERT_TRUE(p) << why;
    EXPECT_EQ(p->components, 4);
  }
  // The spark fades to nothing at its edge and burns bright in the middle.
  const auto spark = ReadTga(kBase / "textures/tex00.tga", &why);
  ASSERT_TRUE(spark);
  EXPECT_LT(MaxBorderAlpha(spark->pixels), 0.01f);
  const Rgba centre = spark->pixels.Get(spark->width / 2, spark->height / 2);
  EXPECT_GT(centre.a, 0.9f);
  EXPECT_GT(Luminance(centre), 0.8f);
  // The bar frame: opaque border, see-through middle.
  const auto frame = ReadTga(kBase / "textures/tex06.tga", &why);
  ASSERT_TRUE(frame);
  EXPECT_GT(frame->pixels.Get(0, frame->height / 2).a, 0.99f);
  EXPECT_GT(frame->pixels.Get(frame->width / 2, 0).a, 0.99f);
  EXPECT_LT(frame->pixels.Get(frame->width / 3, frame->height / 2).a, 0.2f);
}

TEST(PicturesTest, StoryPicturesExistForEveryArena) {
  std::string why;
  for (int arena = 1; arena <= 8; ++arena) {
    const int count = arena == 1 ? 5 : 3;
    for (int k = 1; k <= count; ++k) {
      const std::string name = "l" + std::to_string(arena) + "s" + std::to_string(k) + ".tga";
      SCOPED_TRACE(name);
      const auto p = ReadTga(kBase / "scene" / name, &why);
      ASSERT_TRUE(p) << why;
      EXPECT_EQ(p->components, 3);
      EXPECT_GT(MeanLuminance(p->pixels), 0.03f);  // a picture, not a black frame
    }
  }
  EXPECT_FALSE(fs::exists(kBase / "scene" / "l2s4.tga"));
}

std::vector<char> FileBytes(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

TEST(PicturesTest, TheGeneratorWritesTheSameBytesAgain) {
  const fs::path again = fs::path(::testing::TempDir()) / "brelloch_pictures_again";
  fs::remove_all(again);
  const std::string command =
      std::string("\"") + BRELLOCH_CONTENT_EXE + "\" \"" + again.string() + "\" pictures font";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  int compared = 0;
  for (const auto& entry : fs::recursive_directory_iterator(again)) {
    if (!entry.is_regular_file()) continue;
    const fs::path relative = fs::relative(entry.path(), again);
    SCOPED_TRACE(relative.string());
    EXPECT_TRUE(FileBytes(entry.path()) == FileBytes(kBase / relative));
    ++compared;
  }
  EXPECT_GT(compared, 100);
  fs::remove_all(again);
}

}  // namespace
