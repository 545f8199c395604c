#include "audio_common/loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>

namespace {

using State = std::unique_ptr<ebur128_state, void (*)(ebur128_state*)>;

State Measure(const std::vector<float>& samples, int rate, int channels, int mode) {
  State state(ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate), mode),
              [](ebur128_state* s) { ebur128_destroy(&s); });
  if (!state) throw std::runtime_error("libebur128 could not start");
  if (ebur128_add_frames_float(state.get(), samples.data(), samples.size() / channels) != EBUR128_SUCCESS) {
    throw std::runtime_error("libebur128 could not measure");
  }
  return state;
}

// Gain reduction that holds each peak over `limit` for a few milliseconds around it and recovers
// smoothly, so that the limited recording does not click.
void LimitPeaks(std::vector<float>& samples, int rate, int channels, float limit) {
  const size_t frames = samples.size() / channels;
  std::vector<float> gain(frames, 1.0f);
  for (size_t f = 0; f < frames; ++f)
    for (int c = 0; c < channels; ++c) {
      const float v = std::abs(samples[f * channels + c]);
      if (v > limit) gain[f] = std::min(gain[f], limit / v);
    }
  const size_t hold = static_cast<size_t>(0.004 * rate);
  std::vector<float> held(gain);
  for (size_t f = 0; f < frames; ++f)
    if (gain[f] < 1.0f)
      for (size_t k = f > hold ? f - hold : 0; k < std::min(frames, f + hold + 1); ++k) held[k] = std::min(held[k], gain[f]);
  const float release = static_cast<float>(1.0 - std::exp(-1.0 / (0.03 * rate)));
  float g = 1.0f;
  for (size_t f = 0; f < frames; ++f) {  // falls at once, comes back slowly; then the same backwards
    g = held[f] < g ? held[f] : g + (held[f] - g) * release;
    held[f] = g;
  }
  g = 1.0f;
  for (size_t f = frames; f-- > 0;) {
    g = held[f] < g ? held[f] : g + (held[f] - g) * release;
    for (int c = 0; c < channels; ++c) samples[f * channels + c] *= g;
  }
}

}  // namespace

double IntegratedLoudness(const std::vector<float>& samples, int rate, int channels) {
  State state = Measure(samples, rate, channels, EBUR128_MODE_I);
  double lufs = 0;
  ebur128_loudness_global(state.get(), &lufs);
  return lufs;
}

double TruePeakDb(const std::vector<float>& samples, int rate, int channels) {
  State state = Measure(samples, rate, channels, EBUR128_MODE_TRUE_PEAK);
  double peak = 0;
  for (int c = 0; c < channels; ++c) {
    double p = 0;
    ebur128_true_peak(state.get(), static_cast<unsigned>(c), &p);
    peak = std::max(peak, p);
  }
  return 20 * std::log10(std::max(peak, 1e-9));
}

double MaxMomentaryLoudness(const std::vector<float>& samples, int rate, int channels) {
  std::vector<float> padded(samples);
  padded.resize(std::max(padded.size(), static_cast<size_t>(0.4 * rate) * channels), 0.0f);
  State state(ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate), EBUR128_MODE_M),
              [](ebur128_state* s) { ebur128_destroy(&s); });
  if (!state) throw std::runtime_error("libebur128 could not start");
  const size_t frames = padded.size() / channels, hop = static_cast<size_t>(0.01 * rate);
  double loudest = -HUGE_VAL;
  for (size_t f = 0; f < frames; f += hop) {
    ebur128_add_frames_float(state.get(), padded.data() + f * channels, std::min(hop, frames - f));
    double lufs = -HUGE_VAL;
    if (f + hop >= static_cast<size_t>(0.4 * rate) && ebur128_loudness_momentary(state.get(), &lufs) == EBUR128_SUCCESS) {
      loudest = std::max(loudest, lufs);
    }
  }
  return loudest;
}

void CapTruePeak(std::vector<float>& samples, int rate, int channels, double ceilingDbtp) {
  const double over = TruePeakDb(samples, rate, channels) - ceilingDbtp;
  if (over < 0) return;
  const float gain = static_cast<float>(std::pow(10.0, -(over + 0.1) / 20));
  for (float& v : samples) v *= gain;
}

void NormalizeLoudness(std::vector<float>& samples, int rate, int channels, double targetLufs,
                       double ceilingDbtp) {
  // The limiter works on sample peaks; true peaks between samples sit a little higher.
  float limit = static_cast<float>(std::pow(10.0, (ceilingDbtp - 0.5) / 20));
  for (int pass = 0; pass < 8; ++pass) {
    const double lufs = IntegratedLoudness(samples, rate, channels);
    if (!std::isfinite(lufs)) throw std::runtime_error("a silent recording has no loudness");
    const float gain = static_cast<float>(std::pow(10.0, (targetLufs - lufs) / 20));
    for (float& v : samples) v *= gain;
    LimitPeaks(samples, rate, channels, limit);
    const bool loudEnough = std::abs(IntegratedLoudness(samples, rate, channels) - targetLufs) < 0.2;
    const bool peaksBelow = TruePeakDb(samples, rate, channels) < ceilingDbtp;
    if (loudEnough && peaksBelow) return;
    if (!peaksBelow) limit *= 0.94f;
  }
  throw std::runtime_error("cannot reach the loudness target under the peak ceiling");
}
