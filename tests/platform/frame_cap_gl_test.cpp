// The frame cap on a real window: where vsync does not wait (a virtual X server never does), frames
// still come no faster than a little above the refresh rate, while without vsync they race.
#include <GL/gl.h>
#include <SDL.h>
#include <gtest/gtest.h>

#include <chrono>

#include "platform/frame_pacer.h"
#include "platform/platform.h"

namespace {

using Clock = std::chrono::steady_clock;

// Frames shown within the given time, each a cleared window.
int FramesWithin(double seconds) {
  int frames = 0;
  const Clock::time_point end = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                   std::chrono::duration<double>(seconds));
  while (Clock::now() < end) {
    glClear(GL_COLOR_BUFFER_BIT);
    SwapWindowBuffers();
    ++frames;
  }
  return frames;
}

TEST(FrameCap, WithVsyncOnTheFramesKeepToTheCap) {
  if (!StartWindowSystem() || OpenGameWindow("frame cap", 64, 64, 32, 24, false) != WindowFailure::Created) {
    GTEST_SKIP() << "no GL window (run under xvfb-run)";
  }
  SDL_DisplayMode mode;
  const int refresh = SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate : 60;
  const double cap = refresh * kCapAboveRefresh;

  SetVsync(false);
  const int racing = FramesWithin(0.5);
  if (racing < cap) GTEST_SKIP() << "this machine cannot draw faster than the cap just now (" << racing * 2 << "/s)";

  SetVsync(true);
  FramesWithin(0.1);  // the pacer starts with the first frame
  const double seconds = 1.0;
  const int capped = FramesWithin(seconds);
  EXPECT_LE(capped, cap * seconds + 2) << "without vsync " << racing * 2 << " frames a second";
  EXPECT_GE(capped, 0.25 * cap * seconds) << "the cap holds frames back far too long";
  ReleaseGlContext();
  DeleteGlContext();
  DestroyGameWindowHandle();
  StopWindowSystem();
}

}  // namespace
