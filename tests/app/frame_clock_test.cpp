#include <gtest/gtest.h>

#include <cmath>

#include "app/frame_clock.h"

namespace {

class FrameClockTest : public ::testing::Test {
 protected:
  void SetUp() override {
    FrameClock = FrameClockState{};
    AnimClock = 0.0f;
  }
};

TEST_F(FrameClockTest, FirstFrameMeasuresFromTimerStart) {
  AdvanceFrameClock(30.0f, 30.0f);
  EXPECT_NEAR(FrameClock.step, 3.0f, 1e-4f);
  EXPECT_TRUE(FrameClock.fightTick);
  EXPECT_NEAR(FrameClock.framesPerSecond, 1.0f / 0.03f, 0.01f);
  EXPECT_NEAR(AnimClock, 30.0f, 1e-3f);

  // A slow start-up (the usual case) is a step of 0.1 that does not advance the fight.
  SetUp();
  AdvanceFrameClock(800.0f, 800.0f);
  EXPECT_FLOAT_EQ(FrameClock.step, 0.1f);
  EXPECT_FALSE(FrameClock.fightTick);
}

TEST_F(FrameClockTest, SixtyMillisecondFrameIsASlowFrame) {
  AdvanceFrameClock(1000.0f, 1000.0f);
  const float animBefore = AnimClock;
  AdvanceFrameClock(1060.0f, 1060.0f);
  EXPECT_FLOAT_EQ(FrameClock.step, 0.1f);
  EXPECT_FALSE(FrameClock.fightTick);
  EXPECT_NEAR(FrameClock.elapsedStep, 6.0f, 1e-3f);  // what a replay's pace follows
  EXPECT_NEAR(AnimClock - animBefore, 1.0f, 1e-4f);
  EXPECT_NEAR(FrameClock.framesPerSecond, 1.0f / 0.06f, 0.05f);
}

TEST_F(FrameClockTest, FiftyMillisecondsIsTheFirstSlowStep) {
  AdvanceFrameClock(1000.0f, 1000.0f);
  AdvanceFrameClock(1049.0f, 1049.0f);
  EXPECT_NEAR(FrameClock.step, 4.9f, 1e-3f);
  EXPECT_TRUE(FrameClock.fightTick);
  AdvanceFrameClock(1099.0f, 1099.0f);
  EXPECT_FLOAT_EQ(FrameClock.step, 0.1f);
  EXPECT_FALSE(FrameClock.fightTick);
}

TEST_F(FrameClockTest, EqualReadingsGiveAnInfiniteFrameRate) {
  AdvanceFrameClock(500.0f, 500.0f);
  AdvanceFrameClock(500.0f, 500.0f);
  EXPECT_TRUE(std::isinf(FrameClock.framesPerSecond));
  EXPECT_GT(FrameClock.framesPerSecond, 15.0f);
  EXPECT_FLOAT_EQ(FrameClock.step, 0.0f);
  EXPECT_TRUE(FrameClock.fightTick);
}

TEST_F(FrameClockTest, RateAndStepComeFromTheirOwnReadings) {
  AdvanceFrameClock(1000.0f, 1000.0f);
  // The second reading is taken a little after the first.
  AdvanceFrameClock(1016.0f, 1017.0f);
  EXPECT_NEAR(FrameClock.framesPerSecond, 62.5f, 0.1f);
  EXPECT_NEAR(FrameClock.step, 1.7f, 1e-3f);
  EXPECT_NEAR(FrameClock.lastTenths, 10.17f, 1e-4f);
}

}  // namespace
