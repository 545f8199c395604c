#include "platform/frame_pacer.h"

#include <gtest/gtest.h>

namespace {

TEST(FramePacer, QuickFramesAreHeldToTheCap) {
  FramePacer pacer(50);  // 20 ms a frame
  double now = 10.0;
  EXPECT_DOUBLE_EQ(pacer.DelayBefore(now), 0) << "the first frame starts at once";
  for (int frame = 0; frame < 100; ++frame) {
    now += 0.003;  // a 3 ms frame
    const double delay = pacer.DelayBefore(now);
    EXPECT_NEAR(delay, 0.017, 1e-9);
    now += delay;
  }
  EXPECT_NEAR(now, 10.0 + 100 * 0.020, 1e-9) << "100 frames took 100 periods";
}

TEST(FramePacer, ASlowFrameStartsTheNextAtOnceWithoutABurstAfterIt) {
  FramePacer pacer(50);
  double now = 0;
  pacer.DelayBefore(now);
  now += 0.070;  // one frame three periods late
  EXPECT_DOUBLE_EQ(pacer.DelayBefore(now), 0);
  now += 0.005;
  EXPECT_NEAR(pacer.DelayBefore(now), 0.015, 1e-9) << "the lost time is not caught up";
}

}  // namespace
