#pragma once

#include <gtest/gtest.h>

// A shared 800 × 600 window with a GL context for the renderer's GL tests (opened once through
// the platform layer; the tests run under Xvfb or SDL's offscreen driver).
class GlTest : public ::testing::Test {
 public:
  // The colour at window pixel (x, y), origin bottom left, as read back from the frame.
  struct Pixel {
    int r, g, b, a;
  };
  static Pixel ReadPixel(int x, int y);

 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;

  static bool windowOpen;
};
