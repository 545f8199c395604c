#pragma once

#include <cstdint>

// The frame timer on the desktop's high-resolution counter, or its millisecond clock without one.
struct TimerRecord {
  bool usePerformanceCounter = false;
  std::uint64_t startCount = 0;  // counter reading at TimerStart
  std::uint32_t startMs = 0;     // millisecond clock at TimerStart, without the counter
  float secondsPerCount = 0.0f;  // 1 / counter frequency, or 0.001
};

extern TimerRecord Timer;  // cleared by TimerStart, once, during the renderer start-up

void TimerStart();
// Milliseconds since TimerStart.
float TimerNowMs();
