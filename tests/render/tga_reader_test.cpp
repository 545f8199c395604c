#include <gtest/gtest.h>

#include "render/sample_files.h"
#include "render/tga_reader.h"

TEST(TgaReader, SwapsBlueAndRedOfEveryPixel) {
  const Bytes file = WriteTga(2, 2, 24, {10, 20, 30, 1, 2, 3, 4, 5, 6, 7, 8, 9});
  const auto image = ReadTga(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->components, 3);
  EXPECT_EQ(image->pixels, (Bytes{30, 20, 10, 3, 2, 1, 6, 5, 4, 9, 8, 7}));
}

TEST(TgaReader, ThirtyTwoBitKeepsItsAlpha) {
  const Bytes file = WriteTga(1, 1, 32, {10, 20, 30, 40});
  const auto image = ReadTga(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->components, 4);
  EXPECT_EQ(image->pixels, (Bytes{30, 20, 10, 40}));
}

TEST(TgaReader, TopLeftOriginIsStillTakenInFileOrder) {
  Bytes file = WriteTga(1, 2, 24, {1, 1, 1, 2, 2, 2});
  file[17] = 0x20;  // descriptor: top-left origin
  const auto image = ReadTga(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels, (Bytes{1, 1, 1, 2, 2, 2}));
}

TEST(TgaReader, RefusesCompressedIdentifiedAndOddDepthFiles) {
  const Bytes good = WriteTga(2, 1, 24, Bytes(6, 9));
  Bytes rle = good;
  rle[2] = 10;
  EXPECT_FALSE(ReadTga(rle.data(), rle.size()));
  Bytes identified = good;
  identified[0] = 4;
  EXPECT_FALSE(ReadTga(identified.data(), identified.size()));
  Bytes colourMap = good;
  colourMap[1] = 1;
  EXPECT_FALSE(ReadTga(colourMap.data(), colourMap.size()));
  for (unsigned depth : {8u, 16u, 0u, 255u}) {
    Bytes odd = good;
    odd[16] = static_cast<std::uint8_t>(depth);
    EXPECT_FALSE(ReadTga(odd.data(), odd.size())) << depth;
  }
  const Bytes empty = WriteTga(0, 5, 24, {});
  EXPECT_FALSE(ReadTga(empty.data(), empty.size()));
  EXPECT_FALSE(ReadTga(good.data(), 17));
}

TEST(TgaReader, TruncatedFileIsZeroFilled) {
  Bytes file = WriteTga(2, 2, 24, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12});
  file.resize(18 + 4);
  const auto image = ReadTga(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels, (Bytes{3, 2, 1, 0, 0, 4, 0, 0, 0, 0, 0, 0}));
}

TEST(TgaReader, LargestSizeIsBoundedWhateverTheHeaderSays) {
  const Bytes file = WriteTga(65535, 65535, 32, Bytes(4, 1));
  EXPECT_FALSE(ReadTga(file.data(), file.size()));
}
