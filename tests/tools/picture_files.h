#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "common/canvas.h"

// Independent readers of the generated pictures for the content tests: they check every header
// field the game relies on instead of trusting the writers.
struct PictureFile {
  int width = 0;
  int height = 0;
  int components = 0;  // 3 or 4
  Canvas pixels{1, 1};  // top row first, like the canvas
};

// 24-bit uncompressed bottom-up BMP; nothing for anything else. `why` says what was wrong.
std::optional<PictureFile> ReadBmp24(const std::filesystem::path& path, std::string* why);
// Uncompressed true-colour TGA with no image id and no colour map, 24 or 32 bits.
std::optional<PictureFile> ReadTga(const std::filesystem::path& path, std::string* why);

// Name of TextureBank entry n: "textures/texNN.bmp".
std::string BankName(int entry);
