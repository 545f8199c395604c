// Writes contact sheets of the generated pictures into the build folder (contact_sheets/*.png) so
// that people can look at every picture at once, each with its number or file name.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/image_files.h"
#include "common/text.h"
#include "picture_files.h"

namespace {

namespace fs = std::filesystem;
const fs::path kBase = "base";
const fs::path kSheets = "contact_sheets";

// A checkerboard behind transparent pictures shows their alpha.
void Checker(Canvas& c, float x, float y, float w, float h) {
  for (int yy = static_cast<int>(y); yy < static_cast<int>(y + h); ++yy)
    for (int xx = static_cast<int>(x); xx < static_cast<int>(x + w); ++xx)
      c.Set(xx, yy, ((xx / 8 + yy / 8) % 2) ? Rgba{0.35f, 0.35f, 0.4f, 1} : Rgba{0.2f, 0.2f, 0.25f, 1});
}

// Draws each picture into a cell of the sheet, fitted with its proportions, labelled below.
class Sheet {
 public:
  Sheet(int columns, int rows, int cellW, int cellH)
      : cellW_(cellW), cellH_(cellH), columns_(columns),
        canvas_(columns * cellW, rows * cellH, {0.09f, 0.09f, 0.1f, 1}),
        label_(kBoldFontFile, 13) {}

  void Add(const PictureFile& p, const std::string& label) {
    const int col = count_ % columns_, row = count_ / columns_;
    ++count_;
    const float x0 = col * cellW_ + 4.0f, y0 = row * cellH_ + 4.0f;
    const float boxW = cellW_ - 8.0f, boxH = cellH_ - 24.0f;
    const float scale = std::min(boxW / p.width, boxH / p.height);
    const float w = p.width * scale, h = p.height * scale;
    const float x = x0 + (boxW - w) / 2, y = y0 + (boxH - h) / 2;
    if (p.components == 4) Checker(canvas_, x, y, w, h);
    canvas_.DrawScaled(p.pixels, x, y, w, h);
    label_.Draw(canvas_, x0, y0 + boxH + 15, label, {0.95f, 0.85f, 0.6f, 1});
  }
  void AddMissing(const std::string& label) {
    const int col = count_ % columns_, row = count_ / columns_;
    ++count_;
    label_.Draw(canvas_, col * cellW_ + 4.0f, row * cellH_ + cellH_ / 2.0f, label + " MISSING",
                {1, 0.2f, 0.2f, 1});
  }
  void Write(const fs::path& path) const { WritePng(path, canvas_); }

 private:
  int cellW_, cellH_, columns_, count_ = 0;
  Canvas canvas_;
  FontFace label_;
};

TEST(ContactSheetsTest, TextureBankAndSprites) {
  Sheet sheet(10, 9, 180, 150);
  std::string why;
  for (int entry = 0; entry < 76; ++entry) {
    const auto p = ReadBmp24(kBase / BankName(entry), &why);
    p ? sheet.Add(*p, std::to_string(entry)) : sheet.AddMissing(std::to_string(entry));
  }
  for (const char* name : {"tex00", "tex01", "tex02", "tex03", "tex04", "tex05", "tex06", "text"}) {
    const auto p = ReadTga(kBase / "textures" / (std::string(name) + ".tga"), &why);
    p ? sheet.Add(*p, std::string(name) + ".tga") : sheet.AddMissing(name);
  }
  sheet.Write(kSheets / "texture_bank.png");
  EXPECT_TRUE(fs::exists(kSheets / "texture_bank.png"));
}

TEST(ContactSheetsTest, StoryPictures) {
  Sheet sheet(5, 6, 330, 270);
  std::string why;
  for (int arena = 1; arena <= 8; ++arena)
    for (int k = 1; k <= (arena == 1 ? 5 : 3); ++k) {
      const std::string name = "l" + std::to_string(arena) + "s" + std::to_string(k) + ".tga";
      const auto p = ReadTga(kBase / "scene" / name, &why);
      p ? sheet.Add(*p, name) : sheet.AddMissing(name);
    }
  sheet.Write(kSheets / "story.png");
  EXPECT_TRUE(fs::exists(kSheets / "story.png"));
}

}  // namespace
