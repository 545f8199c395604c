#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A decoded picture: 24-bit RGB rows from the bottom row up, no padding between rows.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // 3 × width × height
};

// Largest picture accepted, in pixels (a hostile header cannot make us allocate more).
constexpr long long MaxBmpPixels = 4096LL * 4096LL;

// Decodes a Windows or OS/2 bitmap: core, info, V4 and V5 headers; 1, 4 and 8-bit palettes;
// 16-bit (5-5-5 and bit fields); 24-bit; 32-bit (plain and bit fields); RLE8 and RLE4; bottom-up
// and top-down rows. Pixels missing from a short file are black. Nothing for anything else, nor
// for a picture of more than `maxPixels` (the fuzz target asks for less, to stay fast).
std::optional<RgbImage> DecodeBmp(const std::uint8_t* data, std::size_t size, long long maxPixels = MaxBmpPixels);

// Reads and decodes the file named by a game path; nothing when it is missing or not a bitmap.
std::optional<RgbImage> DecodeBmpFile(const char* gamePath);
