#include "app/pointer.h"

#include "platform/platform.h"
#include "screens/screen_flow.h"

void ClientToMenuUnits(int clientX, int clientY, int clientWidth, int clientHeight, int& menuX, int& menuY) {
  menuX = clientWidth > 0 ? clientX * 800 / clientWidth : clientX;
  menuY = clientHeight > 0 ? clientY * 600 / clientHeight : clientY;
}

// The menus are drawn over the whole client area, so the pointer is scaled by the area's real size:
// a display that could not take the requested mode, a window resized by the desktop or a resolution
// changed in the options all keep the buttons under the pointer.
void ReadPointer() {
  int x = 0;
  int y = 0;
  ReadPointerPosition(x, y);
  SetPointerFromClient(x, y);
}

void SetPointerFromClient(int clientX, int clientY) {
  int width = 0;
  int height = 0;
  WindowClientSize(width, height);
  ClientToMenuUnits(clientX, clientY, width, height, ScreenFlow.PointerX, ScreenFlow.PointerY);
}
