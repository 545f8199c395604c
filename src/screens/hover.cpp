#include "app/settings.h"
#include "screens/menu_buttons.h"
#include "screens/menu_clocks.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

void UpdateHover() {
  for (const MenuButtonRow& button : MenuButtons) {
    if (button.state != ScreenFlow.gameState || button.hoverSlot < 0) continue;
    bool& flag = ScreenFlow.hover[button.hoverSlot];
    const bool over = PointerInside(button.rect, ScreenFlow.PointerX, ScreenFlow.PointerY);
    if (over && !flag) {
      if (Settings.soundOn) RunEffect(ScreenEffects.menuHover);
      if (ScreenFlow.gameState == GameState::MainMenu) MenuClocks.MenuPulse = kPulseFullSize;
    }
    flag = over;
  }
}
