#include "app/display_geometry.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kMenuWidth = 800;
constexpr double kMenuHeight = 600;
}  // namespace

MenuSpaceBox MenuSpaceEdges(int width, int height) {
  MenuSpaceBox box;
  if (width <= 0 || height <= 0) return box;
  const double aspect = static_cast<double>(width) / height;
  if (aspect > kMenuWidth / kMenuHeight) {
    const double bar = (kMenuHeight * aspect - kMenuWidth) / 2;
    box.left = -bar;
    box.right = kMenuWidth + bar;
  } else {
    const double bar = (kMenuWidth / aspect - kMenuHeight) / 2;
    box.bottom = -bar;
    box.top = kMenuHeight + bar;
  }
  return box;
}

PixelRect MenuAreaPixels(int width, int height) {
  const MenuSpaceBox box = MenuSpaceEdges(width, height);
  const double perUnitX = width / (box.right - box.left);
  const double perUnitY = height / (box.top - box.bottom);
  PixelRect area;
  area.x = static_cast<int>(std::lround(-box.left * perUnitX));
  area.y = static_cast<int>(std::lround(-box.bottom * perUnitY));
  area.width = width - 2 * area.x;
  area.height = height - 2 * area.y;
  return area;
}

void ClientToMenuUnits(int clientX, int clientY, int clientWidth, int clientHeight, int& menuX, int& menuY) {
  if (clientWidth <= 0 || clientHeight <= 0) {
    menuX = clientX;
    menuY = clientY;
    return;
  }
  const MenuSpaceBox box = MenuSpaceEdges(clientWidth, clientHeight);
  menuX = static_cast<int>(box.left + clientX * (box.right - box.left) / clientWidth);
  menuY = static_cast<int>(kMenuHeight - box.top + clientY * (box.top - box.bottom) / clientHeight);
}

void MenuUnitsToClient(int menuX, int menuY, int clientWidth, int clientHeight, int& clientX, int& clientY) {
  if (clientWidth <= 0 || clientHeight <= 0) {
    clientX = menuX;
    clientY = menuY;
    return;
  }
  const MenuSpaceBox box = MenuSpaceEdges(clientWidth, clientHeight);
  clientX = static_cast<int>(std::ceil((menuX - box.left) * clientWidth / (box.right - box.left) - 1e-9));
  clientY = static_cast<int>(std::ceil((menuY - (kMenuHeight - box.top)) * clientHeight / (box.top - box.bottom) - 1e-9));
  // Rounding of the edges' fractions can land one pixel off: step to the first that reads back.
  int x = 0;
  int y = 0;
  ClientToMenuUnits(clientX - 1, clientY - 1, clientWidth, clientHeight, x, y);
  if (x == menuX) --clientX;
  if (y == menuY) --clientY;
  ClientToMenuUnits(clientX, clientY, clientWidth, clientHeight, x, y);
  if (x < menuX) ++clientX;
  if (y < menuY) ++clientY;
}

void FrameSize(int windowWidth, int windowHeight, bool fullscreen, int chosenHeight, int& width, int& height) {
  width = windowWidth;
  height = windowHeight;
  if (!fullscreen || chosenHeight <= 0 || chosenHeight >= windowHeight || windowHeight <= 0) return;
  height = chosenHeight;
  width = std::max(1, static_cast<int>(std::lround(static_cast<double>(windowWidth) * chosenHeight / windowHeight)));
}
