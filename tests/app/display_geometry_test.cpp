#include "app/display_geometry.h"

#include <gtest/gtest.h>

namespace {

double Aspect(const MenuSpaceBox& box) { return (box.right - box.left) / (box.top - box.bottom); }

TEST(MenuSpace, A43WindowShowsExactlyTheMenuUnits) {
  for (const auto& size : {std::pair{800, 600}, std::pair{640, 480}, std::pair{1024, 768}}) {
    const MenuSpaceBox box = MenuSpaceEdges(size.first, size.second);
    EXPECT_DOUBLE_EQ(box.left, 0);
    EXPECT_DOUBLE_EQ(box.right, 800);
    EXPECT_DOUBLE_EQ(box.bottom, 0);
    EXPECT_DOUBLE_EQ(box.top, 600);
  }
}

TEST(MenuSpace, WideAndTallWindowsGetCentredBarsAndKeepTheUnitsSquare) {
  const MenuSpaceBox wide = MenuSpaceEdges(1920, 1080);
  EXPECT_NEAR(wide.left, -(600.0 * 16 / 9 - 800) / 2, 1e-9);
  EXPECT_NEAR(wide.right - 800, -wide.left, 1e-9);
  EXPECT_DOUBLE_EQ(wide.bottom, 0);
  EXPECT_DOUBLE_EQ(wide.top, 600);
  EXPECT_NEAR(Aspect(wide), 1920.0 / 1080, 1e-9);

  const MenuSpaceBox tall = MenuSpaceEdges(600, 1000);
  EXPECT_DOUBLE_EQ(tall.left, 0);
  EXPECT_DOUBLE_EQ(tall.right, 800);
  EXPECT_NEAR(tall.bottom, -(800.0 * 1000 / 600 - 600) / 2, 1e-9);
  EXPECT_NEAR(Aspect(tall), 600.0 / 1000, 1e-9);
}

TEST(MenuSpace, TheAreaInPixelsIsTheCentred43Part) {
  const PixelRect wide = MenuAreaPixels(1920, 1080);
  EXPECT_EQ(wide.x, 240);
  EXPECT_EQ(wide.y, 0);
  EXPECT_EQ(wide.width, 1440);
  EXPECT_EQ(wide.height, 1080);
  const PixelRect tall = MenuAreaPixels(600, 1000);
  EXPECT_EQ(tall.x, 0);
  EXPECT_EQ(tall.y, 275);  // 600 wide gives 450 high, centred in 1000
  EXPECT_EQ(tall.height, 450);
  const PixelRect square = MenuAreaPixels(1024, 768);
  EXPECT_EQ(square.x, 0);
  EXPECT_EQ(square.width, 1024);
  EXPECT_EQ(square.height, 768);
}

TEST(MenuSpace, ThePointerMapsOntoTheCentredArea) {
  int x = 0;
  int y = 0;
  // 1920 × 1080: the 4:3 area is 1440 wide and starts 240 pixels in.
  ClientToMenuUnits(240, 0, 1920, 1080, x, y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
  ClientToMenuUnits(960, 540, 1920, 1080, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 300);
  ClientToMenuUnits(1679, 1079, 1920, 1080, x, y);
  EXPECT_EQ(x, 799);
  EXPECT_EQ(y, 599);
  ClientToMenuUnits(0, 0, 1920, 1080, x, y);
  EXPECT_LT(x, 0) << "the left bar is outside the menus";
  // Tall: 800 × 1000, the area is 600 high and starts 200 pixels down.
  ClientToMenuUnits(400, 200, 800, 1000, x, y);
  EXPECT_EQ(x, 400);
  EXPECT_EQ(y, 0);
}

TEST(MenuSpace, MenuUnitsToClientGivesThePixelThatReadsBack) {
  for (const auto& size : {std::pair{1920, 1080}, std::pair{800, 600}, std::pair{1366, 768}, std::pair{900, 1200}}) {
    for (int menuX : {0, 1, 155, 399, 589, 799}) {
      for (int menuY : {0, 85, 441, 599}) {
        int clientX = 0;
        int clientY = 0;
        MenuUnitsToClient(menuX, menuY, size.first, size.second, clientX, clientY);
        int x = -1;
        int y = -1;
        ClientToMenuUnits(clientX, clientY, size.first, size.second, x, y);
        EXPECT_EQ(x, menuX) << size.first << "x" << size.second;
        EXPECT_EQ(y, menuY) << size.first << "x" << size.second;
        ClientToMenuUnits(clientX - 1, clientY - 1, size.first, size.second, x, y);
        EXPECT_LT(x, menuX) << "not the first pixel";
        EXPECT_LT(y, menuY) << "not the first pixel";
      }
    }
  }
}

TEST(FrameSize, FullScreenDrawsAtTheChosenHeightInTheWindowsShape) {
  int width = 0;
  int height = 0;
  FrameSize(1920, 1080, true, 600, width, height);
  EXPECT_EQ(width, 1067);
  EXPECT_EQ(height, 600);
  FrameSize(1920, 1080, false, 600, width, height);
  EXPECT_EQ(width, 1920) << "a window draws at its own size";
  EXPECT_EQ(height, 1080);
  FrameSize(1024, 768, true, 768, width, height);
  EXPECT_EQ(width, 1024) << "never larger than the desktop";
  FrameSize(1280, 720, true, 0, width, height);
  EXPECT_EQ(width, 1280) << "the desktop's own size";
  EXPECT_EQ(height, 720);
}

}  // namespace
