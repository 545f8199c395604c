// The generated pictures read back through the game's own BMP and TGA readers, as the game
// loads them: the whole TextureBank, the sprites, the font and every story picture.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "render/bmp_decoder.h"
#include "render/tga_reader.h"

namespace {

std::optional<TgaImage> ReadGameTga(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file),
                                        std::istreambuf_iterator<char>()};
  return ReadTga(bytes.data(), bytes.size());
}

TEST(GameReadersTest, TheWholeTextureBankDecodes) {
  for (int entry = 0; entry < 76; ++entry) {
    char path[64];
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", entry);
    SCOPED_TRACE(path);
    const auto image = DecodeBmpFile(path);
    ASSERT_TRUE(image);
    EXPECT_EQ(image->pixels.size(), static_cast<size_t>(image->width) * image->height * 3);
  }
}

TEST(GameReadersTest, LoadingImagesAndFontUploadWithFourByteRows) {
  for (int entry : {16, 55, 0, 40}) {
    char path[64];
    std::snprintf(path, sizeof path, ".\\base\\textures\\tex%02d.bmp", entry);
    const auto image = DecodeBmpFile(path);
    ASSERT_TRUE(image) << path;
    EXPECT_EQ(image->width * 3 % 4, 0) << path;
  }
  const auto font = ReadGameTga("base/textures/text.tga");
  ASSERT_TRUE(font);
  EXPECT_EQ(font->components, 4);
  EXPECT_EQ(font->width, 512);
}

TEST(GameReadersTest, SpritesAreRgbaAndStoryPicturesRgb) {
  for (int i = 0; i <= 6; ++i) {
    const auto sprite = ReadGameTga("base/textures/tex0" + std::to_string(i) + ".tga");
    ASSERT_TRUE(sprite) << i;
    EXPECT_EQ(sprite->components, 4) << i;
  }
  for (int arena = 1; arena <= 8; ++arena)
    for (int k = 1; k <= (arena == 1 ? 5 : 3); ++k) {
      const std::string name = "base/scene/l" + std::to_string(arena) + "s" + std::to_string(k) + ".tga";
      const auto picture = ReadGameTga(name);
      ASSERT_TRUE(picture) << name;
      EXPECT_EQ(picture->components, 3) << name;
    }
}

TEST(GameReadersTest, TheFontsTopRowIsTheLastRowInTheFile) {
  // Rows go to GL in file order, so the grid's top row (cells 0..15, the display face's
  // punctuation) must come last: its cell of '!' has ink in the file's top 32 rows.
  const auto font = ReadGameTga("base/textures/text.tga");
  ASSERT_TRUE(font);
  int inkTop = 0, inkBottom = 0;
  for (int y = 0; y < 32; ++y)
    for (int x = 32; x < 64; ++x) {
      inkTop += font->pixels[((font->height - 1 - y) * font->width + x) * 4 + 3] > 128;
      inkBottom += font->pixels[(y * font->width + x) * 4 + 3] > 128;
    }
  EXPECT_GT(inkTop, 10);
  EXPECT_EQ(inkBottom, 0);
}

}  // namespace
