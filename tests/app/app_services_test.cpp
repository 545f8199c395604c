#include <gtest/gtest.h>

#include "app/display_geometry.h"
#include "app/pointer.h"
#include "app/timer.h"
#include "platform/platform.h"
#include "screens/screen_flow.h"

namespace {

// A counter and pointer the test sets; nothing else is asked of it.
class SetClock : public Automation {
 public:
  bool NextMessage(WindowMessage&) override { return false; }
  std::uint64_t Counter() override { return count; }
  std::uint64_t CounterFrequency() override { return 1000000; }
  void Pointer(int& x, int& y) override {
    x = pointerX;
    y = pointerY;
  }
  void PointerWarped(int, int) override {}
  void MessageShown(const char*, const char*) override {}
  bool AnswerYesNo(const char*, const char*) override { return false; }
  bool RefusesDisplayMode(int, int, int) override { return false; }
  void BeforeSwap() override {}

  std::uint64_t count = 0;
  int pointerX = 0;
  int pointerY = 0;
};

class AppServicesTest : public ::testing::Test {
 protected:
  void SetUp() override { UseAutomation(&clock); }
  void TearDown() override { UseAutomation(nullptr); }
  SetClock clock;
};

TEST_F(AppServicesTest, TimerCountsMillisecondsFromTimerStart) {
  clock.count = 5000000;  // the counter does not start at 0
  TimerStart();
  EXPECT_TRUE(Timer.usePerformanceCounter);
  EXPECT_EQ(Timer.startCount, 5000000u);
  EXPECT_FLOAT_EQ(TimerNowMs(), 0.0f);
  clock.count += 60000;
  EXPECT_NEAR(TimerNowMs(), 60.0f, 1e-3f);
  clock.count += 2500000;
  EXPECT_NEAR(TimerNowMs(), 2560.0f, 0.01f);
}

TEST_F(AppServicesTest, PointerIsScaledToMenuUnitsByTheClientArea) {
  int x = 0;
  int y = 0;
  ClientToMenuUnits(639, 479, 640, 480, x, y);
  EXPECT_EQ(x, 798);
  EXPECT_EQ(y, 598);
  ClientToMenuUnits(799, 599, 800, 600, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  // The menus fill a 1024 × 768 area, so its right edge is the menu's right edge.
  ClientToMenuUnits(1023, 767, 1024, 768, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  ClientToMenuUnits(512, 384, 1024, 768, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  ClientToMenuUnits(37, 41, 0, 0, x, y);
  EXPECT_EQ(x, 37);
  EXPECT_EQ(y, 41);
}

TEST_F(AppServicesTest, ReadPointerStoresTheCursorInScreenFlow) {
  // Without a window the client area is empty and the position is taken as it is.
  clock.pointerX = 123;
  clock.pointerY = 456;
  ReadPointer();
  EXPECT_EQ(ScreenFlow.PointerX, 123);
  EXPECT_EQ(ScreenFlow.PointerY, 456);
}

}  // namespace
