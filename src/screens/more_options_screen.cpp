#include <GL/gl.h>

#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/menu_focus.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/more_option_rows.h"
#include "screens/screen_flow.h"
#include "screens/slide_offsets.h"

void DrawMoreOptionsScreen() {
  DrawMaskedBackground(7, 22);
  const float rise = SlideOffsets.rise[0];
  DrawButtonAt(0, 10 + rise, ScreenFlow.hover[0]);
  PrintSmall(9, static_cast<float>(static_cast<int>(18 + rise)), 1, "  BACK");
  TextAlpha = 1;
  PrintLarge(250, 520, 1, "MORE OPTIONS");
  for (int i = 0; i < MoreOptionRowCount(); ++i) {
    const MoreOptionRow& row = MoreOptionAt(i);
    const float y = MoreOptionRowY(i);
    TextAlpha = 1;
    PrintSmall(kMoreOptionLabelX, y, 1, "%s", row.label);
    TextAlpha = ShowsFocus(kFirstMoreOptionTarget + i) ? 1 : OptionValueAlpha();
    PrintSmall(kMoreOptionValueX, y, 1, "%s", row.valueText());
  }
  TextAlpha = 1;
}
