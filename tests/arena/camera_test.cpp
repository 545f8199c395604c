#include <gtest/gtest.h>

#include <cmath>

#include "arena/camera.h"

namespace {

const float kOrigin[3] = {0.0f, 0.0f, 0.0f};

// A camera that has settled on the straight side view at the fighters' height.
void SettleStraight(float midY) {
  StartFightCamera();
  ResetCameraSway();
  Camera.swayDirection[0] = 0.0f;
  Camera.look[0] = 0.0f;
  Camera.look[1] = -1.0f;
  Camera.height = midY + 1.9f;
}

TEST(Camera, SettledViewLooksAcrossTheFightLine) {
  SettleStraight(0.0f);
  // roundOver: no sway, so swayAngle stays 0 and nothing moves.
  const CameraView view = AdvanceCamera(kOrigin, kOrigin, true, 1.0f);
  EXPECT_FLOAT_EQ(view.eye[0], 0.0f);
  EXPECT_FLOAT_EQ(view.eye[1], 1.9f);
  EXPECT_FLOAT_EQ(view.eye[2], 6.5f);
  EXPECT_FLOAT_EQ(view.centre[0], 0.0f);
  EXPECT_FLOAT_EQ(view.centre[1], 0.0f);
  EXPECT_FLOAT_EQ(view.centre[2], -30.0f);
  EXPECT_FLOAT_EQ(ListenerPosition[0], 0.0f);
  EXPECT_FLOAT_EQ(ListenerPosition[1], 1.9f);
  EXPECT_FLOAT_EQ(ListenerPosition[2], 6.4f);
}

TEST(Camera, FollowsTheMidpointOfTheFighters) {
  SettleStraight(0.5f);
  const float one[3] = {-3.0f, 0.5f, 0.0f};
  const float two[3] = {5.0f, 0.5f, 2.0f};
  const CameraView view = AdvanceCamera(one, two, true, 1.0f);
  EXPECT_FLOAT_EQ(view.eye[0], 1.0f);
  EXPECT_FLOAT_EQ(view.eye[2], 1.0f + 6.5f);
  EXPECT_FLOAT_EQ(view.centre[1], 0.5f);
  EXPECT_FLOAT_EQ(ListenerPosition[1], 2.4f);
}

TEST(Camera, DeadZonesHoldSmallGaps) {
  SettleStraight(0.0f);
  // Gaps just inside the dead zones (0.06 for the height, 0.01 for the look) do not move at all.
  Camera.height = 1.955f;
  Camera.look[1] = -0.991f;
  AdvanceCamera(kOrigin, kOrigin, true, 1.0f);
  EXPECT_FLOAT_EQ(Camera.height, 1.955f);
  EXPECT_FLOAT_EQ(Camera.look[1], -0.991f);

  // Just outside, each moves by its share of the gap.
  Camera.height = 2.0f;
  Camera.look[1] = -0.9f;
  AdvanceCamera(kOrigin, kOrigin, true, 2.0f);
  EXPECT_NEAR(Camera.height, 2.0f - 0.1f * 0.015f * 2.0f, 1e-6);
  EXPECT_NEAR(Camera.look[1], -0.9f - 0.1f * 0.015f * 2.0f, 1e-6);
}

TEST(Camera, OpeningSweepStartsDiagonalAndHigh) {
  StartFightCamera();
  ResetCameraSway();
  Camera.swayDirection[0] = 0.0f;
  const CameraView view = AdvanceCamera(kOrigin, kOrigin, false, 1.0f);
  // look x moves from 1 toward the sway's 0.0009, look z from −2 toward −1 (not renormalised).
  EXPECT_LT(Camera.look[0], 1.0f);
  EXPECT_GT(Camera.look[1], -2.0f);
  EXPECT_LT(Camera.height, 5.0f);
  const float eyeDistance = std::hypot(view.eye[0], view.eye[2]);
  EXPECT_GT(eyeDistance, 6.5f * 2.0f);
}

TEST(Camera, SwayCycleThenPause) {
  SettleStraight(0.0f);
  // One full cycle is 2π / 0.003 ≈ 2094 step units of camera application.
  int calls = 0;
  while (Camera.swayClock >= 0.0f && calls < 5000) {
    AdvanceCamera(kOrigin, kOrigin, false, 1.0f);
    ++calls;
  }
  EXPECT_NEAR(calls, 2095, 2);
  EXPECT_FLOAT_EQ(Camera.swayClock, -20.0f);
  EXPECT_FLOAT_EQ(Camera.swayAngle, 0.0f);

  // The pause: about 6667 units during which the sway angle stays 0.
  int pauseCalls = 0;
  while (Camera.swayClock <= 0.0f && pauseCalls < 10000) {
    EXPECT_FLOAT_EQ(Camera.swayAngle, 0.0f);
    AdvanceCamera(kOrigin, kOrigin, false, 1.0f);
    ++pauseCalls;
  }
  EXPECT_NEAR(pauseCalls, 6667, 5);
}

TEST(Camera, CallsPerFrameSetTheSwaySpeed) {
  // Three applications a frame (arenas 1 and 2) finish the cycle in two thirds of the frames.
  auto framesForCycle = [](int callsPerFrame) {
    SettleStraight(0.0f);
    int frames = 0;
    while (Camera.swayClock >= 0.0f) {
      for (int c = 0; c < callsPerFrame; ++c) AdvanceCamera(kOrigin, kOrigin, false, 1.67f);
      ++frames;
    }
    return frames;
  };
  const int twice = framesForCycle(2);
  const int thrice = framesForCycle(3);
  EXPECT_NEAR(twice, 2094 / (2 * 1.67), 2);
  EXPECT_NEAR(thrice, 2094 / (3 * 1.67), 2);
}

TEST(Camera, SwayTurnsTheLookSideways) {
  SettleStraight(0.0f);
  Camera.swayClock = 0.0f;
  Camera.swayAngle = 3.14159265f / 2.0f - 0.003f;
  AdvanceCamera(kOrigin, kOrigin, false, 1.0f);
  // x = 0.3 before renormalising; the vector is then scaled to unit length and y stays 0.
  const float expectedX = 0.3f / std::sqrt(0.09f + 1.0f);
  EXPECT_NEAR(Camera.swayDirection[0], expectedX, 1e-5);
  EXPECT_FLOAT_EQ(Camera.swayDirection[1], 0.0f);
  EXPECT_FLOAT_EQ(Camera.swayDirection[3], 0.0f);
  EXPECT_FLOAT_EQ(Camera.lookTarget[0], Camera.swayDirection[0]);
}

TEST(Camera, KnockoutFreezesTheSwayButNotTheSmoothing) {
  SettleStraight(0.0f);
  Camera.swayAngle = 1.0f;
  Camera.swayClock = 1.0f;
  Camera.height = 3.0f;
  AdvanceCamera(kOrigin, kOrigin, true, 1.0f);
  EXPECT_FLOAT_EQ(Camera.swayAngle, 1.0f);
  EXPECT_FLOAT_EQ(Camera.swayClock, 1.0f);
  EXPECT_LT(Camera.height, 3.0f);
}

TEST(Camera, ZeroSwayVectorBeforeTheFirstRoundStaysFinite) {
  Camera = CameraState{};
  StartFightCamera();
  const CameraView view = AdvanceCamera(kOrigin, kOrigin, true, 1.0f);
  for (float v : view.eye) EXPECT_TRUE(std::isfinite(v));
  for (float v : view.centre) EXPECT_TRUE(std::isfinite(v));
}

}  // namespace
