#include "music/loop_mix.h"

#include <algorithm>
#include <cmath>

#include "audio_common/dsp.h"

void LoopMix::Add(size_t start, const std::vector<float>& voice, float gain, float pan) {
  const double angle = (double(pan) + 1.0) * kPi / 4.0;
  const float gl = gain * float(std::cos(angle)) * float(std::sqrt(2.0));
  const float gr = gain * float(std::sin(angle)) * float(std::sqrt(2.0));
  const size_t n = Frames();
  for (size_t i = 0; i < voice.size(); ++i) {
    const size_t at = (start + i) % n;
    left[at] += gl * voice[i];
    right[at] += gr * voice[i];
  }
}

void LoopMix::AddStereo(size_t start, const std::vector<float>& l, const std::vector<float>& r, float gain) {
  const size_t n = Frames();
  for (size_t i = 0; i < l.size() && i < r.size(); ++i) {
    const size_t at = (start + i) % n;
    left[at] += gain * l[i];
    right[at] += gain * r[i];
  }
}

void LoopMix::PingPongEcho(size_t delayFrames, float feedback, float wet) {
  const size_t n = Frames();
  if (delayFrames == 0 || delayFrames >= n) return;
  std::vector<float> echoL(n, 0.0f), echoR(n, 0.0f);
  // Two rounds: the second starts with the echoes the first left at the end.
  for (int round = 0; round < 2; ++round) {
    for (size_t i = 0; i < n; ++i) {
      const size_t from = (i + n - delayFrames) % n;
      const float inL = left[from] * 0.5f + right[from] * 0.5f;
      echoL[i] = feedback * echoR[from] + inL;
      echoR[i] = feedback * echoL[from];
    }
  }
  for (size_t i = 0; i < n; ++i) {
    left[i] += wet * echoL[i];
    right[i] += wet * echoR[i];
  }
}

void LoopMix::Rotate(size_t frames) {
  if (Frames() == 0) return;
  const size_t shift = frames % Frames();
  std::rotate(left.begin(), left.end() - long(shift), left.end());
  std::rotate(right.begin(), right.end() - long(shift), right.end());
}

std::vector<float> LoopMix::Master(float targetRms, float peakCeiling) const {
  std::vector<float> out(Frames() * 2);
  for (size_t i = 0; i < Frames(); ++i) {
    out[2 * i] = left[i];
    out[2 * i + 1] = right[i];
  }
  const float rms = RmsOf(out);
  if (rms > 0.0f) Scale(out, targetRms / rms);
  // Soft knee above 60 % of the ceiling; below it the signal is untouched.
  const float knee = 0.6f * peakCeiling;
  for (float& v : out) {
    const float a = std::fabs(v);
    if (a > knee) {
      const float over = (a - knee) / (peakCeiling - knee);
      v = std::copysign(knee + (peakCeiling - knee) * std::tanh(over), v);
    }
  }
  return out;
}
