#include "audio_common/wav_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <stdexcept>

namespace {
void PutU32(std::ofstream& out, std::uint32_t v) {
  const char bytes[4] = {char(v & 0xff), char((v >> 8) & 0xff), char((v >> 16) & 0xff), char(v >> 24)};
  out.write(bytes, 4);
}
void PutU16(std::ofstream& out, std::uint16_t v) {
  const char bytes[2] = {char(v & 0xff), char(v >> 8)};
  out.write(bytes, 2);
}
std::uint32_t GetU32(const unsigned char* p) { return p[0] | p[1] << 8 | p[2] << 16 | std::uint32_t(p[3]) << 24; }
std::uint16_t GetU16(const unsigned char* p) { return std::uint16_t(p[0] | p[1] << 8); }
}  // namespace

void WriteWav16(const std::filesystem::path& path, int sampleRate, int channels,
                const std::vector<float>& samples) {
  std::ofstream out(path, std::ios::binary);
  if (!out) throw std::runtime_error("cannot write " + path.string());
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  PutU32(out, 36 + dataBytes);
  out.write("WAVEfmt ", 8);
  PutU32(out, 16);
  PutU16(out, 1);  // PCM
  PutU16(out, static_cast<std::uint16_t>(channels));
  PutU32(out, static_cast<std::uint32_t>(sampleRate));
  PutU32(out, static_cast<std::uint32_t>(sampleRate * channels * 2));
  PutU16(out, static_cast<std::uint16_t>(channels * 2));
  PutU16(out, 16);
  out.write("data", 4);
  PutU32(out, dataBytes);
  std::vector<char> pcm(samples.size() * 2);
  for (size_t i = 0; i < samples.size(); ++i) {
    const float clipped = std::clamp(samples[i], -1.0f, 1.0f);
    const auto v = static_cast<std::int16_t>(std::lround(clipped * 32767.0f));
    pcm[2 * i] = char(v & 0xff);
    pcm[2 * i + 1] = char((v >> 8) & 0xff);
  }
  out.write(pcm.data(), static_cast<std::streamsize>(pcm.size()));
  if (!out) throw std::runtime_error("short write to " + path.string());
}

bool ReadWav16(const std::filesystem::path& path, int& sampleRate, int& channels,
               std::vector<float>& samples) {
  std::ifstream in(path, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
      std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE")
    return false;
  bool haveFormat = false;
  size_t at = 12;
  while (at + 8 <= bytes.size()) {
    const std::string id(bytes.begin() + at, bytes.begin() + at + 4);
    const std::uint32_t length = GetU32(&bytes[at + 4]);
    const size_t body = at + 8;
    if (length > bytes.size() - body) return false;
    if (id == "fmt " && length >= 16) {
      if (GetU16(&bytes[body]) != 1 || GetU16(&bytes[body + 14]) != 16) return false;
      channels = GetU16(&bytes[body + 2]);
      sampleRate = static_cast<int>(GetU32(&bytes[body + 4]));
      haveFormat = true;
    } else if (id == "data" && haveFormat) {
      samples.resize(length / 2);
      for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<std::int16_t>(GetU16(&bytes[body + 2 * i])) / 32768.0f;
      }
      return channels > 0;
    }
    at = body + length + (length & 1);
  }
  return false;
}
