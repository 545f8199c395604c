#include "app/frame_data.h"

#include <cmath>

#include "fight/fight.h"

namespace {

constexpr float kFramesPerSecond = 60.0f;

int Frames(float seconds) { return static_cast<int>(std::lround(seconds * kFramesPerSecond)); }
float Milliseconds(int frames) { return 1000.0f * static_cast<float>(frames) / kFramesPerSecond; }

}  // namespace

StrikeFrameData FrameDataOf(int character, int kind) {
  const StrikeTiming timing = StrikeTimingOf(character, kind);
  if (timing.seconds <= 0.0f) return StrikeFrameData{};
  StrikeFrameData d;
  d.startupFrames = Frames(timing.hitAtSeconds);
  d.activeFrames = 1;
  d.recoveryFrames = Frames(timing.seconds) - d.startupFrames - d.activeFrames;
  d.startupMs = Milliseconds(d.startupFrames);
  d.activeMs = Milliseconds(d.activeFrames);
  d.recoveryMs = Milliseconds(d.recoveryFrames);
  d.reach = timing.reach;
  return d;
}
