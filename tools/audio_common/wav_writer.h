#pragma once

#include <filesystem>
#include <vector>

// 16-bit PCM WAV, the one kind the game's sound loader reads. Samples are floats in -1..1
// (interleaved when stereo), clipped and rounded to the nearest integer.
void WriteWav16(const std::filesystem::path& path, int sampleRate, int channels,
                const std::vector<float>& samples);

// Reads a 16-bit PCM WAV written by anything (skips unknown chunks); false if it is not one.
bool ReadWav16(const std::filesystem::path& path, int& sampleRate, int& channels,
               std::vector<float>& samples);
