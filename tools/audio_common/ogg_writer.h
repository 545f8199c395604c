#pragma once

#include <filesystem>
#include <vector>

// Encodes floats in -1..1 (interleaved when stereo) as Ogg Vorbis with libvorbisenc at the given
// VBR quality. A fixed stream serial number keeps the bytes the same from run to run.
void WriteOggVorbis(const std::filesystem::path& path, int sampleRate, int channels,
                    const std::vector<float>& samples, float quality = 0.4f);
