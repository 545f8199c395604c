#pragma once

#include <cmath>
#include <cstdint>
#include <vector>

// Small signal-building helpers for the generated sounds, voices and music. Everything is
// deterministic: noise comes from a seeded generator, never from the clock.

constexpr double kPi = 3.14159265358979323846;

// xorshift64*: the same sequence on every machine for a seed.
class Noise {
 public:
  explicit Noise(std::uint64_t seed) : state(seed * 0x9E3779B97F4A7C15ull + 1) {}
  // Uniform in -1..1.
  float Next() {
    state ^= state >> 12;
    state ^= state << 25;
    state ^= state >> 27;
    const double unit = double((state * 0x2545F4914F6CDD1Dull) >> 11) / 9007199254740992.0;
    return float(unit * 2.0 - 1.0);
  }
  // Uniform in 0..1.
  float Unit() { return 0.5f * (Next() + 1.0f); }

 private:
  std::uint64_t state;
};

// RBJ biquad; coefficients may be changed between samples for sweeps.
class Biquad {
 public:
  enum class Kind { LowPass, HighPass, BandPass, Peak };
  Biquad() = default;
  Biquad(Kind kind, double rate, double hz, double q, double gainDb = 0.0) { Set(kind, rate, hz, q, gainDb); }
  void Set(Kind kind, double rate, double hz, double q, double gainDb = 0.0);
  float Process(float x) {
    const double y = b0 * x + z1;
    z1 = b1 * x - a1 * y + z2;
    z2 = b2 * x - a2 * y;
    return float(y);
  }

 private:
  double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0, z1 = 0, z2 = 0;
};

// One-pole smoother / low-pass.
class OnePole {
 public:
  OnePole(double rate, double hz) { SetCutoff(rate, hz); }
  void SetCutoff(double rate, double hz) { k = 1.0 - std::exp(-2.0 * kPi * hz / rate); }
  float Process(float x) {
    y += k * (x - y);
    return float(y);
  }

 private:
  double k = 1, y = 0;
};

// Attack then exponential decay with the given time constant; 0 before t = 0.
inline float PercEnvelope(double t, double attack, double decay) {
  if (t < 0) return 0.0f;
  if (t < attack) return float(t / attack);
  return float(std::exp(-(t - attack) / decay));
}

// Linear attack, hold at 1, linear release at the end of `length`.
inline float GateEnvelope(double t, double length, double attack, double release) {
  if (t < 0 || t > length) return 0.0f;
  float g = 1.0f;
  if (t < attack) g = float(t / attack);
  if (t > length - release) g = std::min(g, float((length - t) / release));
  return g;
}

inline double MidiHz(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

// Levels.
float PeakOf(const std::vector<float>& s);
float RmsOf(const std::vector<float>& s);
void Scale(std::vector<float>& s, float gain);
void NormalizePeak(std::vector<float>& s, float peak);
// Gentle saturation that keeps small signals linear.
inline float SoftClip(float x) { return std::tanh(x); }
// Short linear fades at both ends, so a one-shot starts and ends at rest.
void FadeEdges(std::vector<float>& s, int rate, double inSeconds, double outSeconds);
// Mixes `part` into `into` at `offset` frames (mono), growing `into` if needed.
void MixAt(std::vector<float>& into, const std::vector<float>& part, size_t offset, float gain = 1.0f);
// Linear-interpolated resampling of mono audio.
std::vector<float> Resample(const std::vector<float>& s, int fromRate, int toRate);
