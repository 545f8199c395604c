#include "app/frame_clock.h"

#include <cmath>

FrameClockState FrameClock;
float AnimClock = 0.0f;

void AdvanceFrameClock(float firstReadingMs, float secondReadingMs) {
  const float seconds = firstReadingMs / 1000.0f;
  FrameClock.framesPerSecond = 1.0f / (seconds - FrameClock.lastSeconds);
  FrameClock.lastSeconds = seconds;

  const float tenths = secondReadingMs / 100.0f;
  FrameClock.step = std::fabs(tenths - FrameClock.lastTenths) * 10.0f;
  FrameClock.lastTenths = tenths;
  FrameClock.elapsedStep = FrameClock.step;

  // A frame of 50 ms or more is not simulated: the fight stands still and everything else moves a little.
  if (FrameClock.step >= 5.0f) {
    FrameClock.step = 0.1f;
    FrameClock.fightTick = false;
  } else {
    FrameClock.fightTick = true;
  }
  AnimClock += 10.0f * FrameClock.step;
}
