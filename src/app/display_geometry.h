#pragma once

// The shapes the window, the drawn frame and the menus take on each other.

// The menus, the HUD and the announcements are laid out on 800 × 600 units (y up). On a window
// of another shape they keep their proportions: the 4:3 area is centred and the rest is bars,
// left and right on a wide window, above and below on a tall one. These are the window's edges
// in those units (0, 800, 0, 600 on a 4:3 window).
struct MenuSpaceBox {
  double left = 0;
  double right = 800;
  double bottom = 0;
  double top = 600;
};
MenuSpaceBox MenuSpaceEdges(int width, int height);

// The 4:3 area itself in the pixels of a width × height viewport (x, y from the bottom left).
struct PixelRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};
PixelRect MenuAreaPixels(int width, int height);

// A position in the window's client area (of clientWidth × clientHeight, y down) in menu units
// (x from the left, y from the TOP of the 4:3 area), truncated toward zero; an empty client area
// leaves the position as it is.
void ClientToMenuUnits(int clientX, int clientY, int clientWidth, int clientHeight, int& menuX, int& menuY);

// The other way: the first client pixel that reads back as the menu position (where the window
// has at least one pixel per unit; the nearest one otherwise).
void MenuUnitsToClient(int menuX, int menuY, int clientWidth, int clientHeight, int& clientX, int& clientY);

// The size a frame is drawn at in a window of windowWidth × windowHeight: in a window, the
// window's own size; full screen, the chosen resolution's height (never more than the window's)
// at the window's shape, which is then scaled up to the window.
void FrameSize(int windowWidth, int windowHeight, bool fullscreen, int chosenHeight, int& width, int& height);
