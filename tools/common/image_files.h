#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "common/canvas.h"

// Writers of the picture formats the game reads. Each turns the canvas (top row first) into the
// file's bottom-up row order, clamps channels to 0..1 and rounds them to bytes. They throw
// std::runtime_error when the file cannot be written, so the generator stops with a message.

// 24-bit uncompressed Windows bitmap (BITMAPINFOHEADER, rows padded to 4 bytes); alpha is dropped.
void WriteBmp24(const std::filesystem::path& path, const Canvas& canvas);

// Uncompressed true-colour TGA (image type 2, no image id, no colour map, origin bottom left),
// BGR or BGRA pixels.
enum class TgaDepth { Rgb24, Rgba32 };
void WriteTga(const std::filesystem::path& path, const Canvas& canvas, TgaDepth depth);

// 8-bit PNG, for contact sheets that people look at and the desktop's icons (the game reads no
// PNG); RGBA keeps the canvas's alpha.
enum class PngChannels { Rgb, Rgba };
void WritePng(const std::filesystem::path& path, const Canvas& canvas, PngChannels channels = PngChannels::Rgb);

// The byte a channel value becomes in every file: clamped to 0..1, times 255, rounded.
std::uint8_t ChannelByte(float value);

// Writes bytes to a file, creating its folder; throws on failure.
void WriteFileBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes);
