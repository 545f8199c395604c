#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include <unistd.h>

#include "render/bmp_decoder.h"
#include "render/sample_files.h"

// Bitmaps written by ImageMagick, in every kind a desktop user's files come in, decoded by us and
// compared with ImageMagick's own reading of the same file.
namespace {

class BmpFromImageMagick : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    // One folder per process: ctest runs the cases of this suite side by side.
    folder = ::testing::TempDir() + "brelloch_bmp_test_" + std::to_string(getpid());
    std::system(("mkdir -p " + folder).c_str());
    available = std::system("convert -version > /dev/null 2>&1") == 0;
    if (!available) return;
    // Eight corner colours of the RGB cube (exact in 5 bits too) on an odd width, so rows are padded.
    Bytes ppm;
    const std::string header = "P6\n5 3\n255\n";
    ppm.assign(header.begin(), header.end());
    const unsigned char corners[8][3] = {{0, 0, 0},     {255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                                         {255, 255, 0}, {0, 255, 255}, {255, 0, 255}, {255, 255, 255}};
    for (int i = 0; i < 15; ++i) ppm.insert(ppm.end(), corners[(i * 3) % 8], corners[(i * 3) % 8] + 3);
    WriteFile(folder + "/cube.ppm", ppm);
  }

  static void TearDownTestSuite() { std::system(("rm -rf " + folder).c_str()); }

  static Bytes Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
  }

  // Runs convert; the file name is relative to the test folder.
  static std::string Convert(const std::string& arguments, const std::string& output) {
    const std::string command = "cd " + folder + " && convert " + arguments + " " + output + " 2>/dev/null";
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    const auto colon = output.find(':');
    return folder + "/" + (colon == std::string::npos ? output : output.substr(colon + 1));
  }

  // ImageMagick's own reading: top-down RGB.
  static Bytes Reference(const std::string& path) {
    const std::string raw = path + ".rgb";
    std::system(("convert " + path + " -depth 8 rgb:" + raw).c_str());
    return Read(raw);
  }

  static void ExpectSameAsReference(const RgbImage& image, const Bytes& topDown, int tolerance = 0) {
    ASSERT_EQ(image.pixels.size(), topDown.size());
    const std::size_t row = static_cast<std::size_t>(image.width) * 3;
    for (int y = 0; y < image.height; ++y) {
      for (std::size_t i = 0; i < row; ++i) {
        const int ours = image.pixels[static_cast<std::size_t>(y) * row + i];
        const int theirs = topDown[static_cast<std::size_t>(image.height - 1 - y) * row + i];
        ASSERT_NEAR(ours, theirs, tolerance) << "row " << y << " byte " << i;
      }
    }
  }

  static void CheckKind(const std::string& arguments, const std::string& output, int tolerance = 0) {
    if (!available) GTEST_SKIP() << "ImageMagick is not installed";
    const std::string path = Convert(arguments, output);
    const Bytes file = Read(path);
    const auto image = DecodeBmp(file.data(), file.size());
    ASSERT_TRUE(image.has_value()) << output;
    ExpectSameAsReference(*image, Reference(path), tolerance);
  }

  static std::string folder;
  static bool available;
};

std::string BmpFromImageMagick::folder;
bool BmpFromImageMagick::available = false;

std::uint32_t At32(const Bytes& b, std::size_t i) {
  return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (std::uint32_t(b[i + 3]) << 24);
}
void Put32(Bytes& b, std::size_t i, std::uint32_t v) {
  for (int k = 0; k < 4; ++k) b[i + static_cast<std::size_t>(k)] = static_cast<std::uint8_t>(v >> (8 * k));
}

}  // namespace

TEST_F(BmpFromImageMagick, InfoHeader24Bit) { CheckKind("cube.ppm", "BMP3:info24.bmp"); }
TEST_F(BmpFromImageMagick, V5Header24Bit) { CheckKind("cube.ppm -type truecolor", "BMP:v5_24.bmp"); }
TEST_F(BmpFromImageMagick, CoreHeader24Bit) { CheckKind("cube.ppm", "BMP2:core24.bmp"); }
TEST_F(BmpFromImageMagick, CoreHeader4BitPalette) { CheckKind("cube.ppm -type palette", "BMP2:core4.bmp"); }
TEST_F(BmpFromImageMagick, OneBitPalette) { CheckKind("cube.ppm -monochrome", "BMP3:mono.bmp"); }
TEST_F(BmpFromImageMagick, FourBitPalette) { CheckKind("cube.ppm -type palette", "BMP3:p4.bmp"); }
TEST_F(BmpFromImageMagick, EightBitPalette) { CheckKind("-size 21x21 gradient:red-blue -type palette", "BMP3:p8.bmp"); }
TEST_F(BmpFromImageMagick, Rle8) { CheckKind("-size 21x21 gradient:red-blue -type palette -compress RLE", "BMP3:rle8.bmp"); }
TEST_F(BmpFromImageMagick, SixteenBit555BitFields) { CheckKind("cube.ppm -define bmp:subtype=RGB555", "BMP:b555.bmp"); }
TEST_F(BmpFromImageMagick, SixteenBit565BitFields) { CheckKind("cube.ppm -define bmp:subtype=RGB565", "BMP:b565.bmp"); }
TEST_F(BmpFromImageMagick, ThirtyTwoBitBitFields) { CheckKind("cube.ppm -alpha on -type truecoloralpha", "BMP:b32.bmp"); }
TEST_F(BmpFromImageMagick, SmoothGradientIn565IsCloseToTheOriginal) {
  CheckKind("-size 40x7 gradient:orange-navy -define bmp:subtype=RGB565", "BMP:grad565.bmp", 5);
}

// Kinds ImageMagick does not write, made from its files by changing what distinguishes them.
TEST_F(BmpFromImageMagick, TopDownRows) {
  if (!available) GTEST_SKIP();
  const std::string path = Convert("cube.ppm", "BMP3:flip.bmp");
  Bytes file = Read(path);
  const int height = static_cast<int>(At32(file, 22));
  const std::size_t stride = 16, offset = At32(file, 10);
  Bytes flipped = file;
  for (int y = 0; y < height; ++y) {
    std::copy_n(file.begin() + static_cast<long>(offset + stride * static_cast<std::size_t>(y)), stride,
                flipped.begin() + static_cast<long>(offset + stride * static_cast<std::size_t>(height - 1 - y)));
  }
  Put32(flipped, 22, static_cast<std::uint32_t>(-height));
  const auto image = DecodeBmp(flipped.data(), flipped.size());
  ASSERT_TRUE(image.has_value());
  ExpectSameAsReference(*image, Reference(path));
}

TEST_F(BmpFromImageMagick, V4Header) {
  if (!available) GTEST_SKIP();
  const std::string path = Convert("cube.ppm -type truecolor", "BMP:v4.bmp");
  Bytes file = Read(path);
  ASSERT_EQ(At32(file, 14), 124u);
  Put32(file, 14, 108);  // the V5 fields behind the V4 ones are never read
  const auto image = DecodeBmp(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  ExpectSameAsReference(*image, Reference(path));
}

TEST_F(BmpFromImageMagick, BitFieldMasksBehindAPlainInfoHeader) {
  if (!available) GTEST_SKIP();
  const std::string path = Convert("cube.ppm -define bmp:subtype=RGB565", "BMP:masks565.bmp");
  const Bytes v5 = Read(path);
  // File header, the first 40 bytes of the info header, the three masks, then the pixels.
  Bytes file(v5.begin(), v5.begin() + 14 + 40);
  Put32(file, 14, 40);
  file.insert(file.end(), v5.begin() + 14 + 40, v5.begin() + 14 + 52);
  Put32(file, 10, static_cast<std::uint32_t>(file.size()));
  file.insert(file.end(), v5.begin() + At32(v5, 10), v5.end());
  const auto image = DecodeBmp(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  ExpectSameAsReference(*image, Reference(path));
}

TEST_F(BmpFromImageMagick, PlainSixteenAndThirtyTwoBitUseTheDefaultMasks) {
  if (!available) GTEST_SKIP();
  // ImageMagick's 5-5-5 and 8-8-8 masks are the defaults, so dropping the bit-field flag keeps the picture.
  for (const auto& [arguments, output] : {std::pair<std::string, std::string>{"cube.ppm -define bmp:subtype=RGB555", "BMP:plain16.bmp"},
                                          {"cube.ppm -alpha on -type truecoloralpha", "BMP:plain32.bmp"}}) {
    const std::string path = Convert(arguments, output);
    Bytes file = Read(path);
    ASSERT_EQ(At32(file, 30), 3u) << output;
    Put32(file, 30, 0);
    const auto image = DecodeBmp(file.data(), file.size());
    ASSERT_TRUE(image.has_value()) << output;
    ExpectSameAsReference(*image, Reference(path));
  }
}

// RLE4 (ImageMagick writes none): escapes for a literal run, a repeated pair, a move and the ends.
TEST(BmpDecoder, Rle4WithLiteralRunsDeltaAndEndOfBitmap) {
  ByteWriter w;
  const std::uint32_t paletteSize = 16 * 4;
  const Bytes pixels = {
      0x03, 0x12,        // 3 pixels alternating 1, 2, 1
      0x00, 0x03, 0x34, 0x50,  // literal 3 pixels 3, 4, 5 (padded to a word)
      0x00, 0x00,        // end of line
      0x00, 0x02, 0x02, 0x00,  // move right by 2
      0x02, 0x66,        // 2 pixels of 6
      0x00, 0x01,        // end of bitmap
  };
  w.Text("BM", 2);
  w.U32(0), w.U32(0), w.U32(14 + 40 + paletteSize);
  w.U32(40), w.I32(6), w.I32(2), w.U16(1), w.U16(4), w.U32(2);
  w.U32(static_cast<std::uint32_t>(pixels.size())), w.U32(0), w.U32(0), w.U32(16), w.U32(0);
  for (unsigned i = 0; i < 16; ++i) w.U8(i), w.U8(i * 2), w.U8(i * 10), w.U8(0);  // B, G, R
  w.bytes.insert(w.bytes.end(), pixels.begin(), pixels.end());
  const auto image = DecodeBmp(w.bytes.data(), w.bytes.size());
  ASSERT_TRUE(image.has_value());
  auto red = [&](int x, int y) { return image->pixels[static_cast<std::size_t>((y * 6 + x) * 3)]; };
  const int bottom[6] = {1, 2, 1, 3, 4, 5};
  for (int x = 0; x < 6; ++x) EXPECT_EQ(red(x, 0), bottom[x] * 10) << x;
  EXPECT_EQ(red(0, 1), 0);
  EXPECT_EQ(red(1, 1), 0);
  EXPECT_EQ(red(2, 1), 60);
  EXPECT_EQ(red(3, 1), 60);
  EXPECT_EQ(image->pixels[static_cast<std::size_t>((1 * 6 + 2) * 3 + 1)], 12);  // green of index 6
}

TEST(BmpDecoder, WidthThreeGivesNineBytesPerRowWithoutPadding) {
  const Bytes rgb = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18};
  const Bytes file = WriteBmp24(3, 2, rgb);
  const auto image = DecodeBmp(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels, rgb);
}

TEST(BmpDecoder, RefusesWhatIsNotABitmapOrCannotBeRead) {
  const Bytes rgb(12, 7);
  Bytes file = WriteBmp24(2, 2, rgb);
  Bytes wrongMagic = file;
  wrongMagic[0] = 'X';
  EXPECT_FALSE(DecodeBmp(wrongMagic.data(), wrongMagic.size()));
  Bytes zeroWidth = file;
  Put32(zeroWidth, 18, 0);
  EXPECT_FALSE(DecodeBmp(zeroWidth.data(), zeroWidth.size()));
  Bytes huge = file;
  Put32(huge, 18, 100000), Put32(huge, 22, 100000);
  EXPECT_FALSE(DecodeBmp(huge.data(), huge.size()));
  Bytes oddDepth = file;
  oddDepth[28] = 2;
  EXPECT_FALSE(DecodeBmp(oddDepth.data(), oddDepth.size()));
  Bytes jpeg = file;
  Put32(jpeg, 30, 4);
  EXPECT_FALSE(DecodeBmp(jpeg.data(), jpeg.size()));
  EXPECT_FALSE(DecodeBmp(file.data(), 20));
  EXPECT_FALSE(DecodeBmpFile(".\\no\\such\\file.bmp"));
}

TEST(BmpDecoder, ShortFileLeavesTheMissingPixelsBlack) {
  const Bytes rgb(3 * 4 * 4, 200);
  Bytes file = WriteBmp24(4, 4, rgb);
  file.resize(file.size() - 20);
  const auto image = DecodeBmp(file.data(), file.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels.front(), 200);
  EXPECT_EQ(image->pixels.back(), 0);
}

TEST(BmpDecoder, PaletteIndexBeyondThePaletteIsBlack) {
  ByteWriter w;
  w.Text("BM", 2);
  w.U32(0), w.U32(0), w.U32(14 + 40 + 8);
  w.U32(40), w.I32(2), w.I32(1), w.U16(1), w.U16(8), w.U32(0);
  w.U32(0), w.U32(0), w.U32(0), w.U32(2), w.U32(0);
  w.U8(0), w.U8(0), w.U8(255), w.U8(0);  // index 0: red
  w.U8(255), w.U8(0), w.U8(0), w.U8(0);  // index 1: blue
  w.U8(0), w.U8(200), w.U8(0), w.U8(0);  // index 0 then 200
  const auto image = DecodeBmp(w.bytes.data(), w.bytes.size());
  ASSERT_TRUE(image.has_value());
  EXPECT_EQ(image->pixels, (Bytes{255, 0, 0, 0, 0, 0}));
}
