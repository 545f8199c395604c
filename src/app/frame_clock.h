#pragma once

// The frame clock. Every motion and every clock of the game is scaled by `step`, the frame's
// elapsed time in hundredths of a second; a clock that grows by 0.01 × step per frame counts seconds.
struct FrameClockState {
  float step = 0.0f;             // 1.67 at 60 frames per second; 0.1 after a frame of 50 ms or more
  bool fightTick = false;        // the fight advances only in frames whose measured step was below 5
  float elapsedStep = 0.0f;      // the measured step, before a slow frame's 0.1: what paces a replay
  float framesPerSecond = 0.0f;  // 1 / seconds since the previous frame (infinite for equal readings)
  float lastSeconds = 0.0f;      // timer reading of the previous frame, seconds
  float lastTenths = 0.0f;       // timer reading of the previous frame, tenths of a second
};

extern FrameClockState FrameClock;  // zero at program start, so the first frame measures from TimerStart

// The animation clock in milliseconds: + 10 × step per frame.
extern float AnimClock;

// Measures one frame from the two timer readings RunFrame takes (milliseconds since TimerStart):
// the first gives the frame rate, the second the step. Advances AnimClock.
void AdvanceFrameClock(float firstReadingMs, float secondReadingMs);
