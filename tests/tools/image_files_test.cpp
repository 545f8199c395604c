#include "common/image_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Le32(const std::vector<std::uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

class ImageFilesTest : public ::testing::Test {
 protected:
  // One folder per test: ctest runs the cases of this suite in parallel.
  std::filesystem::path dir_ =
      std::filesystem::path(::testing::TempDir()) /
      (std::string("brelloch_images_") +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  void SetUp() override { std::filesystem::create_directories(dir_); }
  void TearDown() override { std::filesystem::remove_all(dir_); }
};

// A 3 x 2 picture: top row red, green, blue; bottom row white, black, grey.
Canvas SmallPicture() {
  Canvas c(3, 2);
  c.Set(0, 0, {1, 0, 0, 1});
  c.Set(1, 0, {0, 1, 0, 0.5f});
  c.Set(2, 0, {0, 0, 1, 0});
  c.Set(0, 1, {1, 1, 1, 1});
  c.Set(1, 1, {0, 0, 0, 1});
  c.Set(2, 1, {0.5f, 0.5f, 0.5f, 1});
  return c;
}

TEST_F(ImageFilesTest, BmpIsBottomUpBgrWithRowsPaddedToFourBytes) {
  const auto path = dir_ / "sub" / "p.bmp";
  WriteBmp24(path, SmallPicture());
  const auto b = ReadBytes(path);
  ASSERT_EQ(b.size(), 54u + 2 * 12);  // 9 bytes of pixels padded to 12 per row
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(Le32(b, 2), b.size());
  EXPECT_EQ(Le32(b, 10), 54u);
  EXPECT_EQ(Le32(b, 14), 40u);
  EXPECT_EQ(Le32(b, 18), 3u);
  EXPECT_EQ(Le32(b, 22), 2u);  // positive: bottom-up
  EXPECT_EQ(b[28], 24);
  EXPECT_EQ(Le32(b, 30), 0u);  // uncompressed
  // First stored row is the picture's bottom row: white, black, grey.
  const std::vector<std::uint8_t> bottom = {255, 255, 255, 0, 0, 0, 128, 128, 128, 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 54, b.begin() + 66), bottom);
  // Then the top row in blue-green-red order: red, green, blue.
  const std::vector<std::uint8_t> top = {0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 66, b.end()), top);
}

TEST_F(ImageFilesTest, TgaHasTheUncompressedHeaderAndBottomUpRows) {
  const auto path24 = dir_ / "p24.tga";
  const auto path32 = dir_ / "p32.tga";
  WriteTga(path24, SmallPicture(), TgaDepth::Rgb24);
  WriteTga(path32, SmallPicture(), TgaDepth::Rgba32);
  const auto b24 = ReadBytes(path24);
  const auto b32 = ReadBytes(path32);
  const std::vector<std::uint8_t> header = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  ASSERT_EQ(b24.size(), 18u + 6 * 3);
  ASSERT_EQ(b32.size(), 18u + 6 * 4);
  EXPECT_EQ(std::vector<std::uint8_t>(b24.begin(), b24.begin() + 12), header);
  EXPECT_EQ(std::vector<std::uint8_t>(b32.begin(), b32.begin() + 12), header);
  EXPECT_EQ(b24[12] | b24[13] << 8, 3);
  EXPECT_EQ(b24[14] | b24[15] << 8, 2);
  EXPECT_EQ(b24[16], 24);
  EXPECT_EQ(b32[16], 32);
  EXPECT_EQ(b24[17] & 0x20, 0);  // origin bottom left
  // Bottom row first: white pixel, then the top row's red as B, G, R.
  EXPECT_EQ(std::vector<std::uint8_t>(b24.begin() + 18, b24.begin() + 21),
            (std::vector<std::uint8_t>{255, 255, 255}));
  EXPECT_EQ(std::vector<std::uint8_t>(b24.begin() + 27, b24.begin() + 30),
            (std::vector<std::uint8_t>{0, 0, 255}));
  // 32-bit keeps alpha: the top row's green pixel is half transparent, the blue one transparent.
  EXPECT_EQ(b32[18 + 3 * 4 + 4 + 3], 128);
  EXPECT_EQ(b32[18 + 3 * 4 + 8 + 3], 0);
}

TEST_F(ImageFilesTest, PngStartsWithItsSignature) {
  const auto path = dir_ / "p.png";
  WritePng(path, SmallPicture());
  const auto b = ReadBytes(path);
  ASSERT_GT(b.size(), 8u);
  EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 8),
            (std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
}

TEST_F(ImageFilesTest, UnwritablePathThrows) {
  const auto blocker = dir_ / "file";
  WriteFileBytes(blocker, {1});
  EXPECT_THROW(WriteBmp24(blocker / "x.bmp", SmallPicture()), std::exception);
  EXPECT_THROW(WriteTga(blocker / "x.tga", SmallPicture(), TgaDepth::Rgb24), std::exception);
  EXPECT_THROW(WritePng(blocker / "x.png", SmallPicture()), std::exception);
}

TEST(ChannelByteTest, ClampsAndRounds) {
  EXPECT_EQ(ChannelByte(-0.5f), 0);
  EXPECT_EQ(ChannelByte(0), 0);
  EXPECT_EQ(ChannelByte(0.5f), 128);
  EXPECT_EQ(ChannelByte(1), 255);
  EXPECT_EQ(ChannelByte(7), 255);
  EXPECT_EQ(ChannelByte(std::numeric_limits<float>::quiet_NaN()), 0);
}

}  // namespace
