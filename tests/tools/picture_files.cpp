#include "picture_files.h"

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::uint32_t Le(const std::vector<std::uint8_t>& b, size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b[at + i];
  return v;
}

std::optional<PictureFile> Fail(std::string* why, const std::string& text) {
  if (why) *why = text;
  return std::nullopt;
}

}  // namespace

std::optional<PictureFile> ReadBmp24(const std::filesystem::path& path, std::string* why) {
  const auto b = ReadAll(path);
  if (b.size() < 54) return Fail(why, "missing or shorter than its headers");
  if (b[0] != 'B' || b[1] != 'M') return Fail(why, "no BM signature");
  const std::uint32_t offset = Le(b, 10, 4);
  const int w = static_cast<int>(Le(b, 18, 4));
  const int h = static_cast<int>(Le(b, 22, 4));
  if (Le(b, 14, 4) != 40) return Fail(why, "not a BITMAPINFOHEADER");
  if (Le(b, 28, 2) != 24) return Fail(why, "not 24 bits per pixel");
  if (Le(b, 30, 4) != 0) return Fail(why, "compressed");
  if (w <= 0 || h <= 0) return Fail(why, "not a bottom-up picture");
  const size_t stride = (static_cast<size_t>(w) * 3 + 3) & ~size_t{3};
  if (Le(b, 2, 4) != b.size() || offset + stride * h != b.size())
    return Fail(why, "size fields do not match the file");
  PictureFile p{w, h, 3, Canvas(w, h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t at = offset + stride * (h - 1 - y) + x * 3;
      p.pixels.Set(x, y, {b[at + 2] / 255.0f, b[at + 1] / 255.0f, b[at] / 255.0f, 1});
    }
  return p;
}

std::optional<PictureFile> ReadTga(const std::filesystem::path& path, std::string* why) {
  const auto b = ReadAll(path);
  if (b.size() < 18) return Fail(why, "missing or shorter than its header");
  const std::vector<std::uint8_t> expected = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  if (!std::equal(expected.begin(), expected.end(), b.begin()))
    return Fail(why, "not an uncompressed true-colour TGA without id and colour map");
  const int w = static_cast<int>(Le(b, 12, 2)), h = static_cast<int>(Le(b, 14, 2));
  const int bits = b[16];
  if (bits != 24 && bits != 32) return Fail(why, "neither 24 nor 32 bits");
  if (b[17] & 0x20) return Fail(why, "top-down rows (the game would show it upside down)");
  const int bpp = bits / 8;
  if (b.size() != 18 + static_cast<size_t>(w) * h * bpp) return Fail(why, "pixel data size");
  PictureFile p{w, h, bpp, Canvas(w, h)};
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const size_t at = 18 + (static_cast<size_t>(h - 1 - y) * w + x) * bpp;
      p.pixels.Set(x, y, {b[at + 2] / 255.0f, b[at + 1] / 255.0f, b[at] / 255.0f,
                          bpp == 4 ? b[at + 3] / 255.0f : 1.0f});
    }
  return p;
}

std::string BankName(int entry) {
  char name[32];
  std::snprintf(name, sizeof name, "textures/tex%02d.bmp", entry);
  return name;
}
