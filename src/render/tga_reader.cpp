#include "render/tga_reader.h"

#include <algorithm>
#include <cstring>

std::optional<TgaImage> ReadTga(const std::uint8_t* data, std::size_t size, long long maxPixels) {
  static const std::uint8_t plainHeader[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  if (size < 18 || std::memcmp(data, plainHeader, 12) != 0) return std::nullopt;
  const std::uint8_t* spec = data + 12;
  TgaImage image;
  image.width = spec[0] + 256 * spec[1];
  image.height = spec[2] + 256 * spec[3];
  const int bitsPerPixel = spec[4];
  if (bitsPerPixel != 24 && bitsPerPixel != 32) return std::nullopt;
  if (image.width == 0 || image.height == 0) return std::nullopt;
  if (static_cast<long long>(image.width) * image.height > maxPixels) return std::nullopt;
  image.components = bitsPerPixel / 8;

  const std::size_t length = static_cast<std::size_t>(image.width) * image.height * image.components;
  image.pixels.assign(length, 0);
  std::memcpy(image.pixels.data(), data + 18, std::min(length, size - 18));
  for (std::size_t i = 0; i < length; i += image.components) std::swap(image.pixels[i], image.pixels[i + 2]);
  return image;
}
