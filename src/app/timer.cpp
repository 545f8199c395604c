#include "app/timer.h"

#include "platform/platform.h"

TimerRecord Timer;

void TimerStart() {
  Timer = TimerRecord{};
  const std::uint64_t frequency = PerformanceFrequency();
  if (frequency != 0) {
    Timer.startCount = PerformanceCounter();
    Timer.usePerformanceCounter = true;
    Timer.secondsPerCount = 1.0f / static_cast<float>(frequency);
  } else {
    Timer.startMs = MillisecondTicks();
    Timer.secondsPerCount = 0.001f;
  }
}

float TimerNowMs() {
  if (Timer.usePerformanceCounter) {
    return static_cast<float>(PerformanceCounter() - Timer.startCount) * Timer.secondsPerCount * 1000.0f;
  }
  return static_cast<float>(MillisecondTicks() - Timer.startMs) * Timer.secondsPerCount * 1000.0f;
}
