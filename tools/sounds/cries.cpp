#include "sounds/cries.h"

#include <algorithm>
#include <cmath>

#include "audio_common/dsp.h"

namespace {

struct Vowel {
  double f[4];
  double bandwidth[4];
};

// Resonances of an adult male voice.
Vowel VowelOf(char v) {
  switch (v) {
    case 'o': return {{570, 840, 2410, 3300}, {80, 90, 120, 200}};
    case 'u': return {{640, 1190, 2390, 3300}, {80, 90, 120, 200}};
    case 'e': return {{530, 1840, 2480, 3400}, {70, 100, 120, 200}};
    default: return {{730, 1090, 2440, 3400}, {90, 110, 140, 200}};
  }
}

// One period of a Rosenberg glottal pulse at phase p in 0..1.
double GlottalPulse(double p) {
  if (p < 0.4) return 0.5 * (1.0 - std::cos(kPi * p / 0.4));
  if (p < 0.6) return std::cos(kPi * (p - 0.4) / 0.4);
  return 0.0;
}

}  // namespace

std::vector<float> SynthesizeCry(const CryShape& shape, int rate) {
  const size_t n = size_t(shape.seconds * rate);
  std::vector<float> out(n, 0.0f);
  Noise noise(shape.seed);
  OnePole jitterSmooth(rate, 30.0);
  const Vowel a = VowelOf(shape.vowelStart), b = VowelOf(shape.vowelEnd);
  const double gains[4] = {1.0, 0.65, 0.3, 0.12};
  Biquad formants[4];
  Biquad breathColour(Biquad::Kind::HighPass, rate, 900.0, 0.7);
  double phase = 0.0, previousPulse = 0.0;
  int cycle = 0;
  for (size_t i = 0; i < n; ++i) {
    const double t = double(i) / rate;
    const double x = t / shape.seconds;  // 0..1 through the cry
    if (i % 32 == 0) {
      // Vowels glide with an ease-in-out, so the cry opens and then falls closed.
      const double glide = 0.5 - 0.5 * std::cos(kPi * x);
      for (int k = 0; k < 4; ++k) {
        const double f = (a.f[k] + (b.f[k] - a.f[k]) * glide) * shape.formantScale;
        const double bw = a.bandwidth[k] + (b.bandwidth[k] - a.bandwidth[k]) * glide;
        formants[k].Set(Biquad::Kind::BandPass, rate, f, f / bw);
      }
    }
    const double jitter = jitterSmooth.Process(noise.Next()) * 0.04;
    const double vibrato = 0.015 * std::sin(2.0 * kPi * 5.5 * t);
    const double f0 = shape.pitchStart * std::pow(shape.pitchEnd / shape.pitchStart, x) *
                      (1.0 + jitter + vibrato);
    phase += f0 / rate;
    if (phase >= 1.0) {
      phase -= 1.0;
      ++cycle;
    }
    // Strain: every other period is weaker, the rough edge of a shout.
    const double subharmonic = (cycle & 1) ? 1.0 - shape.strain * 0.6 : 1.0;
    const double pulse = GlottalPulse(phase) * subharmonic;
    const double radiated = pulse - previousPulse;  // lips radiate the derivative
    previousPulse = pulse;
    const double breath = breathColour.Process(noise.Next()) * shape.breath * (0.4 + pulse);
    const double source = radiated * 6.0 + breath * 0.5;
    double voiced = 0.0;
    for (int k = 0; k < 4; ++k) voiced += gains[k] * formants[k].Process(float(source));
    const double release = std::min(1.0, (shape.seconds - t) / (shape.seconds * 0.45));
    const double envelope = std::min(1.0, t / shape.attack) * std::pow(std::max(release, 0.0), 1.5);
    out[i] = float(voiced * envelope);
  }
  // The sharp pulse edges and the clipping buzz above the voice's own range: roll them off.
  Biquad lowA(Biquad::Kind::LowPass, rate, 4200.0 * shape.formantScale, 0.7);
  Biquad lowB(Biquad::Kind::LowPass, rate, 4200.0 * shape.formantScale, 0.7);
  NormalizePeak(out, 1.0f);
  for (float& v : out) v = lowB.Process(lowA.Process(SoftClip(v * 1.4f)));
  return out;
}
