#include "platform/frame_pacer.h"

#include <algorithm>

double FramePacer::DelayBefore(double now) {
  const double start = next_ < 0 ? now : std::max(now, next_);
  next_ = start + period_;
  return start - now;
}
