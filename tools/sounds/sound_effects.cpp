#include "sounds/sound_effects.h"

#include <algorithm>
#include <cmath>

#include "audio_common/dsp.h"
#include "sounds/cries.h"

namespace {

constexpr int R = kEffectRate;
using K = Biquad::Kind;

size_t Frames(double seconds) { return size_t(seconds * R); }

// A sine whose pitch falls from `from` to `to` with the given time constant: the body of a thump.
class FallingTone {
 public:
  FallingTone(double fromHz, double toHz, double fallSeconds)
      : from(fromHz), to(toHz), fall(fallSeconds) {}
  float At(double t) {
    phase += 2.0 * kPi * (to + (from - to) * std::exp(-t / fall)) / R;
    return float(std::sin(phase));
  }

 private:
  double from, to, fall, phase = 0.0;
};

// One footfall: the heel's dull thud, then the sole's short scuff.
std::vector<float> Footfall(unsigned seed, float weight) {
  std::vector<float> s(Frames(0.16));
  Noise noise(seed);
  Biquad heel(K::LowPass, R, 700.0, 0.8);
  Biquad scuff(K::BandPass, R, 2600.0, 1.4);
  FallingTone thud(110.0, 60.0, 0.02);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const float w = noise.Next();
    s[i] = weight * (1.4f * heel.Process(w) * PercEnvelope(t, 0.002, 0.022) +
                     0.7f * thud.At(t) * PercEnvelope(t, 0.003, 0.035)) +
           0.25f * scuff.Process(w) * PercEnvelope(t - 0.045, 0.004, 0.025);
  }
  FadeEdges(s, R, 0.0, 0.03);  // the scuff's last whisper ends at rest, not on a cut
  return s;
}

// A plucked synth note for the combo jingles: a few harmonics under a closing filter.
std::vector<float> Stab(double note, double seconds, double brightness) {
  std::vector<float> s(Frames(seconds));
  const double f = MidiHz(note);
  Biquad filter;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    if (i % 32 == 0) filter.Set(K::LowPass, R, 600.0 + brightness * 5000.0 * std::exp(-t / 0.12), 1.2);
    double v = 0.0;
    for (int h = 1; h <= 7; ++h) v += std::sin(2.0 * kPi * f * h * t * (1.0 + 0.0015 * h)) / h;
    v += 0.5 * std::sin(kPi * f * t);  // an octave below
    s[i] = float(filter.Process(float(v)) * PercEnvelope(t, 0.003, seconds * 0.35));
  }
  return s;
}

void Echo(std::vector<float>& s, double delaySeconds, float feedback, double tailSeconds) {
  const size_t d = Frames(delaySeconds);
  s.resize(s.size() + Frames(tailSeconds), 0.0f);
  for (size_t i = d; i < s.size(); ++i) s[i] += feedback * s[i - d];
}

}  // namespace

std::vector<float> LandedHit() {
  std::vector<float> s(Frames(0.38));
  Noise noise(11);
  Biquad smack(K::BandPass, R, 1700.0, 0.9);
  Biquad flesh(K::BandPass, R, 420.0, 1.1);
  Biquad crack(K::HighPass, R, 3500.0, 0.7);
  FallingTone thump(170.0, 48.0, 0.03);
  Biquad tame(K::LowPass, R, 9000.0, 0.7);  // a punch, not a hiss
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const float w = noise.Next();
    const float v = 0.9f * thump.At(t) * PercEnvelope(t, 0.002, 0.09) +
                    2.4f * smack.Process(w) * PercEnvelope(t, 0.0005, 0.025) +
                    1.6f * flesh.Process(w) * PercEnvelope(t, 0.001, 0.05) +
                    0.6f * crack.Process(w) * PercEnvelope(t, 0.0, 0.004);
    s[i] = tame.Process(SoftClip(1.6f * v));
  }
  FadeEdges(s, R, 0.0, 0.03);
  NormalizePeak(s, 0.95f);
  return s;
}

std::vector<float> BlockedHit() {
  std::vector<float> s(Frames(0.3));
  Noise noise(12);
  Biquad muffled(K::LowPass, R, 650.0, 0.9);
  Biquad leather(K::BandPass, R, 1100.0, 2.0);
  FallingTone knock(150.0, 70.0, 0.02);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const float w = noise.Next();
    const float v = 0.8f * knock.At(t) * PercEnvelope(t, 0.001, 0.06) +
                    1.8f * muffled.Process(w) * PercEnvelope(t, 0.001, 0.04) +
                    0.9f * leather.Process(w) * PercEnvelope(t, 0.0005, 0.012);
    s[i] = SoftClip(1.3f * v);
  }
  FadeEdges(s, R, 0.0, 0.03);
  NormalizePeak(s, 0.75f);
  return s;
}

std::vector<float> FootstepLoop() {
  // Four steps of slightly different weight; each is mixed around the loop, so a tail that runs
  // past the end sounds at the start and the loop has no seam.
  const size_t length = Frames(1.6);
  std::vector<float> loop(length, 0.0f);
  const float weights[4] = {1.0f, 0.8f, 0.95f, 0.75f};
  for (int k = 0; k < 4; ++k) {
    const std::vector<float> step = Footfall(20 + k, weights[k]);
    const size_t start = Frames(0.05 + 0.4 * k);
    for (size_t i = 0; i < step.size(); ++i) loop[(start + i) % length] += step[i];
  }
  NormalizePeak(loop, 0.55f);
  return loop;
}

std::vector<float> ComboJingle(int level) {
  // Each level climbs higher and rings longer: two notes, then three and a top, then a full run
  // with a crash.
  static const double kRuns[3][5] = {{72, 79, 0, 0, 0}, {72, 76, 79, 84, 0}, {72, 76, 79, 84, 88}};
  const double gap = 0.085;
  std::vector<float> s;
  int notes = 0;
  for (double note : kRuns[level - 1]) {
    if (note == 0) break;
    const bool last = notes + 1 == (level == 1 ? 2 : level == 2 ? 4 : 5);
    MixAt(s, Stab(note, last ? 0.5 + 0.2 * level : 0.25, 0.4 + 0.2 * level), Frames(gap * notes),
          last ? 1.0f : 0.8f);
    ++notes;
  }
  if (level >= 2) {
    // A low hit under the top note.
    std::vector<float> boom(Frames(0.5));
    FallingTone tone(120.0, 45.0, 0.05);
    for (size_t i = 0; i < boom.size(); ++i) boom[i] = tone.At(double(i) / R) * PercEnvelope(double(i) / R, 0.002, 0.12);
    MixAt(s, boom, Frames(gap * (notes - 1)), 0.9f);
  }
  if (level == 3) {
    std::vector<float> crash(Frames(1.2));
    Noise noise(33);
    Biquad bright(K::HighPass, R, 4500.0, 0.7);
    for (size_t i = 0; i < crash.size(); ++i) crash[i] = bright.Process(noise.Next()) * PercEnvelope(double(i) / R, 0.002, 0.35);
    MixAt(s, crash, Frames(gap * (notes - 1)), 0.5f);
  }
  Echo(s, 0.11, 0.28, 0.3);
  FadeEdges(s, R, 0.0, 0.08);
  NormalizePeak(s, 0.8f + 0.05f * level);
  return s;
}

std::vector<float> MenuClickSound() {
  std::vector<float> s(Frames(0.08));
  Noise noise(41);
  Biquad tick(K::BandPass, R, 4200.0, 1.5);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    s[i] = float(std::sin(2.0 * kPi * 2200.0 * t)) * PercEnvelope(t, 0.0005, 0.008) +
           0.4f * float(std::sin(2.0 * kPi * 900.0 * t)) * PercEnvelope(t, 0.001, 0.015) +
           1.2f * tick.Process(noise.Next()) * PercEnvelope(t, 0.0, 0.003);
  }
  FadeEdges(s, R, 0.0, 0.01);
  NormalizePeak(s, 0.7f);
  return s;
}

std::vector<float> MenuHoverSound() {
  std::vector<float> s(Frames(0.06));
  double phase = 0.0;
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    phase += 2.0 * kPi * (2600.0 + 600.0 * std::exp(-t / 0.01)) / R;
    s[i] = float(std::sin(phase)) * PercEnvelope(t, 0.002, 0.016);
  }
  FadeEdges(s, R, 0.0, 0.01);
  NormalizePeak(s, 0.45f);
  return s;
}

std::vector<float> SlideInWhoosh() {
  std::vector<float> s(Frames(0.62));
  Noise noise(51);
  Biquad sweep;
  Biquad air(K::HighPass, R, 200.0, 0.7);
  FallingTone landing(95.0, 55.0, 0.03);
  for (size_t i = 0; i < s.size(); ++i) {
    const double t = double(i) / R;
    const double x = std::min(1.0, t / 0.45);
    if (i % 16 == 0) sweep.Set(K::BandPass, R, 250.0 + 2600.0 * std::sin(kPi * x) * std::sqrt(x) + 300.0 * x, 1.3);
    const float body = float(std::sin(kPi * x)) * float(std::sin(kPi * x));
    s[i] = 2.5f * sweep.Process(air.Process(noise.Next())) * body * (t < 0.45 ? 1.0f : 0.0f) +
           0.5f * landing.At(t - 0.42) * PercEnvelope(t - 0.42, 0.002, 0.05);
  }
  FadeEdges(s, R, 0.005, 0.05);
  NormalizePeak(s, 0.7f);
  return s;
}

std::vector<float> KnockoutCry(bool female) {
  CryShape shape = female ? CryShape{1.25, 460, 210, 'a', 'o', 1.18, 0.04, 0.35, 0.25, 61}
                          : CryShape{1.35, 200, 88, 'a', 'o', 1.0, 0.04, 0.3, 0.45, 62};
  std::vector<float> s = SynthesizeCry(shape, R);
  NormalizePeak(s, 0.85f);
  return s;
}

std::vector<float> PainGrunt(bool female) {
  CryShape shape = female ? CryShape{0.34, 380, 300, 'a', 'e', 1.18, 0.012, 0.45, 0.2, 71}
                          : CryShape{0.38, 165, 118, 'u', 'o', 1.0, 0.01, 0.4, 0.5, 72};
  std::vector<float> s = SynthesizeCry(shape, R);
  NormalizePeak(s, 0.8f);
  return s;
}
