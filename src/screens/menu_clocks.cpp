#include "screens/menu_clocks.h"

#include <cmath>

MenuClockSet MenuClocks;

void AdvanceMenuClocksAtFrameStart(float step) {
  MenuClocks.MenuPhase += 0.1f * step;
  MenuClocks.MenuPulse += 0.2f * step;
}

void AdvanceMenuClocksAfterFade(float step) {
  MenuClocks.MenuFadeClock += 0.01f * step;
  MenuClocks.ArrowWobble += 0.4f * step;
  // Kept small so the sine's argument never loses precision in a long session.
  if (MenuClocks.ArrowWobble > 1000) MenuClocks.ArrowWobble = 0;
}

float ButtonPulseScale(bool hovered) {
  return hovered ? 1.0f + 0.05f * std::sin(MenuClocks.MenuPulse) : 1.0f;
}

float ArrowShake(bool hovered) { return hovered ? 3.0f * std::sin(0.3f * MenuClocks.ArrowWobble) : 0.0f; }

float OptionValueAlpha() { return 0.5f + 0.5f * std::sin(2.0f * MenuClocks.MenuPhase); }

float SettingsNoticeAlpha() { return 0.5f + 0.5f * std::sin(2.0f * (MenuClocks.MenuPhase + 1.57f)); }
