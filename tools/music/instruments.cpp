#include "music/instruments.h"

#include <algorithm>
#include <cmath>

#include "audio_common/dsp.h"

namespace {

constexpr int R = kMusicRate;
using K = Biquad::Kind;

size_t Frames(double seconds) { return size_t(std::max(0.0, seconds) * R); }

// Band-limited saw by polyBLEP: cheap, and no aliasing whistle on high notes.
class Saw {
 public:
  explicit Saw(double hz, double startPhase = 0.0) : step(hz / R), phase(startPhase) {}
  void SetHz(double hz) { step = hz / R; }
  float Next() {
    double v = 2.0 * phase - 1.0 - Blep(phase);
    phase += step;
    if (phase >= 1.0) phase -= 1.0;
    return float(v);
  }
  // A pulse from two saws half a period apart.
  float NextSquare() {
    const double p2 = std::fmod(phase + 0.5, 1.0);
    double v = (2.0 * phase - 1.0 - Blep(phase)) - (2.0 * p2 - 1.0 - Blep(p2));
    phase += step;
    if (phase >= 1.0) phase -= 1.0;
    return float(0.5 * v);
  }

 private:
  double Blep(double p) const {
    if (p < step) {
      const double t = p / step;
      return t + t - t * t - 1.0;
    }
    if (p > 1.0 - step) {
      const double t = (p - 1.0) / step;
      return t * t + t + t + 1.0;
    }
    return 0.0;
  }
  double step;
  double phase;
};

// Attack, decay to sustain, release at the end of the note.
float Adsr(double t, double length, double attack, double decay, double sustain, double release) {
  if (t < 0 || t > length + release) return 0.0f;
  double level = t < attack ? t / attack : sustain + (1.0 - sustain) * std::exp(-(t - attack) / decay);
  if (t > length) level *= 1.0 - (t - length) / release;
  return float(level);
}

}  // namespace

std::vector<float> KickDrum(float punch) {
  std::vector<float> s(Frames(0.35));
  double phase = 0.0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    phase += 2.0 * kPi * (48.0 + 110.0 * std::exp(-t / 0.035)) / R;
    const double click = std::exp(-t / 0.002) * punch;
    s[i] = float(std::tanh(1.4 * (std::sin(phase) * std::exp(-t / 0.16) + 0.3 * click)));
  }
  FadeEdges(s, R, 0.0, 0.02);
  return s;
}

std::vector<float> SnareDrum(float body, unsigned seed) {
  std::vector<float> s(Frames(0.25));
  Noise noise(seed);
  Biquad crack(K::BandPass, R, 2200.0, 0.8);
  Biquad sizzle(K::HighPass, R, 5000.0, 0.7);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const float w = noise.Next();
    s[i] = float(1.6 * crack.Process(w) * std::exp(-t / 0.09) + 0.5 * sizzle.Process(w) * std::exp(-t / 0.06) +
                 body * std::sin(2.0 * kPi * 190.0 * t) * std::exp(-t / 0.04));
  }
  FadeEdges(s, R, 0.0, 0.02);
  return s;
}

std::vector<float> HiHat(bool open, unsigned seed) {
  std::vector<float> s(Frames(open ? 0.3 : 0.06));
  Noise noise(seed);
  Biquad high(K::HighPass, R, 7000.0, 0.7);
  Biquad shimmer(K::BandPass, R, 10000.0, 1.0);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const float w = noise.Next();
    s[i] = float((high.Process(w) + 0.6 * shimmer.Process(w)) * std::exp(-t / (open ? 0.09 : 0.018)));
  }
  FadeEdges(s, R, 0.0, 0.01);
  return s;
}

std::vector<float> BassNote(double midi, double seconds, bool square, float bite) {
  const double release = 0.04;
  std::vector<float> s(Frames(seconds + release));
  Saw osc(MidiHz(midi));
  Saw sub(MidiHz(midi - 12.0));
  Biquad filter;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    if (i % 32 == 0) filter.Set(K::LowPass, R, 180.0 + bite * 1400.0 * std::exp(-t / 0.08), 1.4);
    const float raw = (square ? osc.NextSquare() : osc.Next()) + 0.5f * sub.NextSquare();
    s[i] = filter.Process(raw) * Adsr(t, seconds, 0.004, 0.15, 0.7, release);
  }
  return s;
}

void PadChord(const std::vector<double>& midis, double seconds, float brightness,
              std::vector<float>& left, std::vector<float>& right) {
  const double release = 0.5;
  const size_t n = Frames(seconds + release);
  left.assign(n, 0.0f);
  right.assign(n, 0.0f);
  for (size_t k = 0; k < midis.size(); ++k) {
    const double hz = MidiHz(midis[k]);
    Saw l1(hz * 0.997, 0.1 * double(k)), l2(hz * 1.004, 0.37), r1(hz * 1.003, 0.61), r2(hz * 0.996, 0.83);
    Biquad fl(K::LowPass, R, 700.0 + 2200.0 * brightness, 0.7), fr(K::LowPass, R, 700.0 + 2200.0 * brightness, 0.7);
    for (size_t i = 0; i < n; ++i) {
      const double t = double(i) / R;
      const float env = Adsr(t, seconds, 0.35, 1.0, 1.0, release);
      left[i] += fl.Process(l1.Next() + l2.Next()) * env;
      right[i] += fr.Process(r1.Next() + r2.Next()) * env;
    }
  }
  const float scale = 0.25f / float(std::max<size_t>(1, midis.size()));
  for (size_t i = 0; i < n; ++i) {
    left[i] *= scale;
    right[i] *= scale;
  }
}

std::vector<float> ChordStab(const std::vector<double>& midis, double seconds) {
  std::vector<float> s(Frames(seconds + 0.03));
  for (double m : midis) {
    Saw osc(MidiHz(m), 0.25);
    Biquad filter;
    for (size_t i = 0; i < s.size(); ++i) {
      const double t = double(i) / R;
      if (i % 32 == 0) filter.Set(K::LowPass, R, 500.0 + 3500.0 * std::exp(-t / 0.05), 1.0);
      s[i] += filter.Process(osc.Next()) * Adsr(t, seconds, 0.002, 0.06, 0.3, 0.03);
    }
  }
  Scale(s, 0.5f / float(std::max<size_t>(1, midis.size())));
  return s;
}

std::vector<float> LeadNote(double midi, double seconds, bool saw, float brightness) {
  const double release = 0.08;
  std::vector<float> s(Frames(seconds + release));
  const double hz = MidiHz(midi);
  Saw osc(hz), detuned(hz * 1.005, 0.5);
  Biquad filter(K::LowPass, R, 1200.0 + 3500.0 * brightness, 0.9);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    // Vibrato only on held notes, after they have settled.
    const double depth = 0.006 * std::clamp((t - 0.18) / 0.2, 0.0, 1.0);
    const double wobble = 1.0 + depth * std::sin(2.0 * kPi * 5.2 * t);
    osc.SetHz(hz * wobble);
    detuned.SetHz(hz * 1.005 * wobble);
    const float raw = saw ? 0.6f * (osc.Next() + detuned.Next()) : osc.NextSquare() + 0.4f * detuned.NextSquare();
    s[i] = filter.Process(raw) * Adsr(t, seconds, 0.008, 0.2, 0.75, release);
  }
  return s;
}
