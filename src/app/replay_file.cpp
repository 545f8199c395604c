#include "app/replay_file.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

namespace {

constexpr char kMagic[] = "BRELLOCH-REPLAY\n";
constexpr std::size_t kMagicSize = sizeof kMagic - 1;
constexpr std::size_t kFrameSize = 7;

class Writer {
 public:
  void U8(std::uint8_t v) { bytes.push_back(v); }
  void U16(std::uint16_t v) { Little(v, 2); }
  void U32(std::uint32_t v) { Little(v, 4); }
  void I32(int v) { Little(static_cast<std::uint32_t>(v), 4); }
  void U64(std::uint64_t v) { Little(v, 8); }
  void F32(float v) {
    std::uint32_t bits;
    std::memcpy(&bits, &v, 4);
    U32(bits);
  }
  std::vector<std::uint8_t> bytes;

 private:
  void Little(std::uint64_t v, int count) {
    for (int i = 0; i < count; ++i) bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
  }
};

class Reader {
 public:
  explicit Reader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}
  bool Has(std::size_t count) const { return bytes_.size() - at_ >= count; }
  std::size_t Left() const { return bytes_.size() - at_; }
  std::uint8_t U8() { return bytes_[at_++]; }
  std::uint16_t U16() { return static_cast<std::uint16_t>(Little(2)); }
  std::uint32_t U32() { return static_cast<std::uint32_t>(Little(4)); }
  int I32() { return static_cast<int>(static_cast<std::int32_t>(U32())); }
  std::uint64_t U64() { return Little(8); }
  float F32() {
    const std::uint32_t bits = U32();
    float v;
    std::memcpy(&v, &bits, 4);
    return v;
  }
  std::string Text(std::size_t count) {
    std::string s(reinterpret_cast<const char*>(bytes_.data() + at_), count);
    at_ += count;
    return s;
  }

 private:
  std::uint64_t Little(int count) {
    std::uint64_t v = 0;
    for (int i = 0; i < count; ++i) v |= std::uint64_t{bytes_[at_++]} << (8 * i);
    return v;
  }
  const std::vector<std::uint8_t>& bytes_;
  std::size_t at_ = 0;
};

bool Within(int v, int lowest, int highest) { return v >= lowest && v <= highest; }

}  // namespace

const char* GameVersion() { return BRELLOCH_VERSION; }

std::vector<std::uint8_t> ReplayBytes(const Replay& r) {
  Writer w;
  for (std::size_t i = 0; i < kMagicSize; ++i) w.U8(static_cast<std::uint8_t>(kMagic[i]));
  w.U32(kReplayFormatVersion);
  w.U16(static_cast<std::uint16_t>(r.gameVersion.size()));
  for (char c : r.gameVersion) w.U8(static_cast<std::uint8_t>(c));
  w.U32(r.seed);
  for (int v : {r.gameMode, r.difficulty, r.arena, r.characters[0], r.characters[1]}) w.I32(v);
  w.U32(static_cast<std::uint32_t>(r.startState.size()));
  for (std::uint8_t b : r.startState) w.U8(b);
  w.U32(static_cast<std::uint32_t>(r.frames.size()));
  for (const ReplayFrame& f : r.frames) {
    w.F32(f.step);
    w.U8(f.simulate ? 1 : 0);
    w.U8(f.commands[0].held);
    w.U8(f.commands[1].held);
  }
  w.U64(r.finalHash);
  return std::move(w.bytes);
}

bool ReplayFromBytes(const std::vector<std::uint8_t>& bytes, Replay& out, std::string& error) {
  Reader in(bytes);
  if (!in.Has(kMagicSize) || in.Text(kMagicSize) != std::string(kMagic, kMagicSize)) {
    error = "this is not a Brelloch replay";
    return false;
  }
  if (!in.Has(6)) {
    error = "the replay is cut short";
    return false;
  }
  const std::uint32_t format = in.U32();
  const std::uint16_t versionLength = in.U16();
  if (!in.Has(versionLength)) {
    error = "the replay is cut short";
    return false;
  }
  Replay r;
  r.gameVersion = in.Text(versionLength);
  if (format != kReplayFormatVersion || r.gameVersion != GameVersion()) {
    error = "the replay was recorded by Brelloch " + (r.gameVersion.empty() ? std::string("?") : r.gameVersion) +
            " and this is Brelloch " + GameVersion() + ": only replays of the same version play the same fight";
    return false;
  }
  if (!in.Has(4 + 5 * 4 + 4)) {
    error = "the replay is cut short";
    return false;
  }
  r.seed = in.U32();
  r.gameMode = in.I32();
  r.difficulty = in.I32();
  r.arena = in.I32();
  r.characters[0] = in.I32();
  r.characters[1] = in.I32();
  const std::uint32_t stateSize = in.U32();
  if (stateSize > kLargestStartState || !in.Has(std::size_t{stateSize} + 4)) {
    error = "the replay is damaged (its start state does not fit)";
    return false;
  }
  for (std::uint32_t i = 0; i < stateSize; ++i) r.startState.push_back(in.U8());
  const std::uint32_t count = in.U32();
  if (!Within(r.gameMode, 0, 2) || !Within(r.difficulty, 1, 5) || !Within(r.arena, 1, 7) ||
      !Within(r.characters[0], 0, 7) || !Within(r.characters[1], 0, 7) || count > kLongestReplayFrames) {
    error = "the replay is damaged (its match settings are out of range)";
    return false;
  }
  if (in.Left() != std::size_t{count} * kFrameSize + 8) {
    error = "the replay is damaged (its length does not match its frames)";
    return false;
  }
  r.frames.resize(count);
  for (ReplayFrame& f : r.frames) {
    f.step = in.F32();
    const std::uint8_t flags = in.U8();
    f.commands[0].held = in.U8();
    f.commands[1].held = in.U8();
    f.simulate = (flags & 1u) != 0;
    const std::uint8_t allInputs = (1u << kFightInputCount) - 1;
    if (!std::isfinite(f.step) || f.step <= 0.0f || f.step > 1000.0f || (flags & ~1u) != 0 ||
        (f.commands[0].held & ~allInputs) != 0 || (f.commands[1].held & ~allInputs) != 0) {
      error = "the replay is damaged (a frame holds impossible values)";
      return false;
    }
  }
  r.finalHash = in.U64();
  out = std::move(r);
  return true;
}

bool WriteReplayFile(const std::string& path, const Replay& replay) {
  const std::vector<std::uint8_t> bytes = ReplayBytes(replay);
  const std::string temporary = path + ".tmp";
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    if (!file) return false;
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    std::remove(temporary.c_str());
    return false;
  }
  return true;
}

bool ReadReplayFile(const std::string& path, Replay& replay, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    error = "cannot open " + path;
    return false;
  }
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return ReplayFromBytes(bytes, replay, error);
}
