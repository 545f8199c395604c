#include "render/gl_test_window.h"

#include <GL/gl.h>

#include "platform/platform.h"
#include "render/render.h"

bool GlTest::windowOpen = false;

void GlTest::SetUpTestSuite() {
  if (windowOpen) return;
  windowOpen = StartWindowSystem() &&
               OpenGameWindow("render test", 800, 600, 32, 24, false) == WindowFailure::Created;
  if (windowOpen) glViewport(0, 0, 800, 600);
}

void GlTest::TearDownTestSuite() {}

void GlTest::SetUp() {
  if (!windowOpen) GTEST_SKIP() << "no GL window (run under xvfb-run)";
}

GlTest::Pixel GlTest::ReadPixel(int x, int y) {
  unsigned char rgba[4] = {};
  glFinish();
  glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
  return {rgba[0], rgba[1], rgba[2], rgba[3]};
}
