#pragma once

// Keeps frames at least one period apart, for when nothing else (a working vsync) does. A frame
// that took longer than the period starts the next one at once; lost time is never caught up
// in a burst.
class FramePacer {
 public:
  explicit FramePacer(double framesPerSecond) : period_(1.0 / framesPerSecond) {}
  // Called when a frame has been shown, with the clock in seconds: how long to wait before the
  // next frame may begin.
  double DelayBefore(double now);

 private:
  double period_;
  double next_ = -1;  // earliest start of the next frame; negative before the first frame
};

// The cap stands this much above the display's refresh rate, so a working vsync never meets it.
constexpr double kCapAboveRefresh = 1.05;
