#include "audio_common/dsp.h"

#include <algorithm>

void Biquad::Set(Kind kind, double rate, double hz, double q, double gainDb) {
  hz = std::clamp(hz, 10.0, rate * 0.45);
  const double w = 2.0 * kPi * hz / rate;
  const double cw = std::cos(w), sw = std::sin(w);
  const double alpha = sw / (2.0 * q);
  double nb0 = 0, nb1 = 0, nb2 = 0, na0 = 1, na1 = 0, na2 = 0;
  switch (kind) {
    case Kind::LowPass:
      nb0 = (1 - cw) / 2; nb1 = 1 - cw; nb2 = (1 - cw) / 2;
      na0 = 1 + alpha; na1 = -2 * cw; na2 = 1 - alpha;
      break;
    case Kind::HighPass:
      nb0 = (1 + cw) / 2; nb1 = -(1 + cw); nb2 = (1 + cw) / 2;
      na0 = 1 + alpha; na1 = -2 * cw; na2 = 1 - alpha;
      break;
    case Kind::BandPass:  // 0 dB peak gain
      nb0 = alpha; nb1 = 0; nb2 = -alpha;
      na0 = 1 + alpha; na1 = -2 * cw; na2 = 1 - alpha;
      break;
    case Kind::Peak: {
      const double a = std::pow(10.0, gainDb / 40.0);
      nb0 = 1 + alpha * a; nb1 = -2 * cw; nb2 = 1 - alpha * a;
      na0 = 1 + alpha / a; na1 = -2 * cw; na2 = 1 - alpha / a;
      break;
    }
  }
  b0 = nb0 / na0; b1 = nb1 / na0; b2 = nb2 / na0; a1 = na1 / na0; a2 = na2 / na0;
}

float PeakOf(const std::vector<float>& s) {
  float p = 0.0f;
  for (float v : s) p = std::max(p, std::fabs(v));
  return p;
}

float RmsOf(const std::vector<float>& s) {
  double sum = 0.0;
  for (float v : s) sum += double(v) * v;
  return s.empty() ? 0.0f : float(std::sqrt(sum / double(s.size())));
}

void Scale(std::vector<float>& s, float gain) {
  for (float& v : s) v *= gain;
}

void NormalizePeak(std::vector<float>& s, float peak) {
  const float p = PeakOf(s);
  if (p > 0.0f) Scale(s, peak / p);
}

void FadeEdges(std::vector<float>& s, int rate, double inSeconds, double outSeconds) {
  const size_t in = std::min(s.size(), size_t(inSeconds * rate));
  const size_t out = std::min(s.size(), size_t(outSeconds * rate));
  for (size_t i = 0; i < in; ++i) s[i] *= float(i) / float(in);
  for (size_t i = 0; i < out; ++i) s[s.size() - 1 - i] *= float(i) / float(out);
}

void MixAt(std::vector<float>& into, const std::vector<float>& part, size_t offset, float gain) {
  if (into.size() < offset + part.size()) into.resize(offset + part.size(), 0.0f);
  for (size_t i = 0; i < part.size(); ++i) into[offset + i] += gain * part[i];
}

std::vector<float> Resample(const std::vector<float>& s, int fromRate, int toRate) {
  if (s.empty() || fromRate == toRate) return s;
  const size_t n = size_t(double(s.size()) * toRate / fromRate);
  std::vector<float> out(n);
  for (size_t i = 0; i < n; ++i) {
    const double x = double(i) * fromRate / toRate;
    const size_t j = size_t(x);
    const double f = x - double(j);
    const float a = s[std::min(j, s.size() - 1)], b = s[std::min(j + 1, s.size() - 1)];
    out[i] = float(a + (b - a) * f);
  }
  return out;
}
