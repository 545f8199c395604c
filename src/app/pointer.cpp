#include "app/pointer.h"

#include "app/display_geometry.h"
#include "platform/platform.h"
#include "screens/screen_flow.h"

// The menus keep their proportions in the client area, so the pointer is mapped by the area's real
// size and shape: a resized window, full screen on a wide desktop or a resolution changed in the
// options all keep the buttons under the pointer.
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
