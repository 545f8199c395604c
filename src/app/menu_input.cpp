#include "app/menu_input.h"

#include "app/input_state.h"
#include "screens/controls_rules.h"
#include "screens/menu_focus.h"

namespace {

bool KeyToMenu(int virtualKey, MenuKey& key) {
  switch (virtualKey) {
    case VirtualKey::Up: key = MenuKey::Up; return true;
    case VirtualKey::Down: key = MenuKey::Down; return true;
    case VirtualKey::Left: key = MenuKey::Left; return true;
    case VirtualKey::Right: key = MenuKey::Right; return true;
    case VirtualKey::Tab: key = KeyState[VirtualKey::Shift] ? MenuKey::Previous : MenuKey::Next; return true;
    case VirtualKey::Return:
    case VirtualKey::Space: key = MenuKey::Activate; return true;
    case VirtualKey::Escape: key = MenuKey::Back; return true;
    default: return false;
  }
}

bool ButtonToMenu(PadButton button, MenuKey& key) {
  switch (button) {
    case PadButton::DpadUp:
    case PadButton::StickUp: key = MenuKey::Up; return true;
    case PadButton::DpadDown:
    case PadButton::StickDown: key = MenuKey::Down; return true;
    case PadButton::DpadLeft:
    case PadButton::StickLeft: key = MenuKey::Left; return true;
    case PadButton::DpadRight:
    case PadButton::StickRight: key = MenuKey::Right; return true;
    case PadButton::A:
    case PadButton::Start: key = MenuKey::Activate; return true;
    case PadButton::B: key = MenuKey::Back; return true;
    default: return false;
  }
}

}  // namespace

void MenuKeyPressed(int virtualKey, bool repeat) {
  if (ControlsWaiting()) {
    if (!repeat) CaptureKey(virtualKey);
    return;
  }
  MenuKey key;
  if (KeyToMenu(virtualKey, key)) HandleMenuKey(key);
}

void MenuPadPressed(std::uint32_t pressed) {
  for (int i = 0; i < kPadButtonCount; ++i) {
    if (((pressed >> i) & 1u) == 0) continue;
    const PadButton button = static_cast<PadButton>(i);
    if (ControlsWaiting()) {
      CapturePadButton(button);
      continue;
    }
    MenuKey key;
    if (ButtonToMenu(button, key)) HandleMenuKey(key);
  }
}
