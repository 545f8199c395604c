#include "app/settings.h"
#include "screens/menu_buttons.h"
#include "screens/menu_clocks.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

namespace {

// Whether the button is under the pointer, or focused when the keys were used last.
bool Hovered(const MenuButtonRow& button) {
  if (ScreenFlow.focusByKeys) return button.row == ScreenFlow.focusTarget;
  return PointerInside(button.rect, ScreenFlow.PointerX, ScreenFlow.PointerY);
}

void PlayHover() {
  if (Settings.soundOn) RunEffect(ScreenEffects.menuHover);
}

}  // namespace

void UpdateHover() {
  bool slotShowsFocus = false;
  for (const MenuButtonRow& button : MenuButtons) {
    if (button.state != ScreenFlow.gameState || button.hoverSlot < 0) continue;
    bool& flag = ScreenFlow.hover[button.hoverSlot];
    const bool over = Hovered(button);
    if (over && !flag) {
      PlayHover();
      if (ScreenFlow.gameState == GameState::MainMenu) MenuClocks.MenuPulse = kPulseFullSize;
    }
    flag = over;
    slotShowsFocus = slotShowsFocus || (over && ScreenFlow.focusByKeys);
  }
  // A focused value has no hover slot; moving the focus onto it still sounds.
  if (ScreenFlow.focusByKeys && !slotShowsFocus && ScreenFlow.focusTarget != ScreenFlow.focusHeard) PlayHover();
  ScreenFlow.focusHeard = ScreenFlow.focusByKeys ? ScreenFlow.focusTarget : 0;
}
