#pragma once

#include <cstddef>
#include <vector>

// A stereo mix that is a circle: whatever runs past the end sounds again at the start, so the
// finished track flows from its last sample into its first when the game loops it.
class LoopMix {
 public:
  explicit LoopMix(size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}
  size_t Frames() const { return left.size(); }
  // Adds a mono voice at `start`, panned with -1 (left) .. 1 (right) at constant power.
  void Add(size_t start, const std::vector<float>& voice, float gain, float pan);
  // Adds a stereo voice (two equal-length channels).
  void AddStereo(size_t start, const std::vector<float>& l, const std::vector<float>& r, float gain);
  // A stereo echo (ping-pong) run round the circle twice, so the repeats that leave the end come
  // back in at the start.
  void PingPongEcho(size_t delayFrames, float feedback, float wet);
  // Moves the start of the circle `frames` earlier.
  void Rotate(size_t frames);
  // Interleaved stereo, brought to the given RMS and kept under the peak by a soft limiter.
  std::vector<float> Master(float targetRms, float peakCeiling) const;

  std::vector<float> left;
  std::vector<float> right;
};
