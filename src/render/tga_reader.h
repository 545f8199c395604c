#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// An uncompressed true-colour TGA picture with its rows in file order.
struct TgaImage {
  int width = 0;
  int height = 0;
  int components = 0;                 // 3 (RGB) or 4 (RGBA)
  std::vector<std::uint8_t> pixels;   // width × height × components, red first
};

// Largest picture accepted, in pixels.
constexpr long long MaxTgaPixels = 4096LL * 4096LL;

// Accepts only the plain header (no image identifier, no colour map, type 2, zero origin) with 24
// or 32 bits per pixel; the descriptor byte is ignored. Pixels missing from a short file are zero.
// Nothing for a picture of more than `maxPixels` (the fuzz target asks for less, to stay fast).
std::optional<TgaImage> ReadTga(const std::uint8_t* data, std::size_t size, long long maxPixels = MaxTgaPixels);
