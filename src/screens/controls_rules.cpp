#include "screens/controls_rules.h"

#include "app/bindings_file.h"
#include "app/input_state.h"
#include "app/key_names.h"
#include "screens/screen_rules.h"

ControlsScreenState ControlsScreen;

namespace {

constexpr const char* kFighterWords[2] = {"first fighter", "second fighter"};

std::string Describe(int fighter, int input) {
  return std::string(kFighterWords[fighter]) + " " + FightInputLabel(input);
}

// A stick direction is bound as the d-pad direction it doubles.
PadButton DpadOf(PadButton button) {
  switch (button) {
    case PadButton::StickUp: return PadButton::DpadUp;
    case PadButton::StickDown: return PadButton::DpadDown;
    case PadButton::StickLeft: return PadButton::DpadLeft;
    case PadButton::StickRight: return PadButton::DpadRight;
    default: return button;
  }
}

void Finish(const std::string& notice) {
  ControlsScreen.waitingRow = 0;
  ControlsScreen.notice = notice;
  PlayMenuClick();
}

}  // namespace

bool BindingOfRow(int row, int& fighter, int& input) {
  if (row < kFirstBindingRow || row > kLastBindingRow) return false;
  fighter = (row - kFirstBindingRow) / kFightInputCount;
  input = (row - kFirstBindingRow) % kFightInputCount;
  return true;
}

void EnterControlsScreen() { ControlsScreen = ControlsScreenState{}; }

void ChooseBinding(int row) {
  int fighter = 0;
  int input = 0;
  if (!BindingOfRow(row, fighter, input)) return;
  ControlsScreen.waitingRow = row;
  ControlsScreen.notice = "Press a key or a pad button for " + Describe(fighter, input) + " (Escape cancels)";
  PlayMenuClick();
}

void RestoreDefaultBindings() {
  ActiveFightBindings = DefaultFightBindings();
  Finish("Default controls restored");
}

void ToggleSinglePad() {
  SinglePad& s = ActiveFightBindings.singlePad;
  s = s == SinglePad::PlaysFighterTwo ? SinglePad::PlaysFighterOne : SinglePad::PlaysFighterTwo;
  PlayMenuClick();
}

bool ControlsWaiting() { return ControlsScreen.waitingRow != 0; }

void CaptureKey(int virtualKey) {
  int fighter = 0;
  int input = 0;
  if (!BindingOfRow(ControlsScreen.waitingRow, fighter, input)) return;
  if (virtualKey == VirtualKey::Escape) return Finish("");
  if (!BindableKey(virtualKey) || KeyFileName(virtualKey).empty()) {
    ControlsScreen.notice = KeyLabel(virtualKey) + " cannot be chosen; press another key (Escape cancels)";
    return;
  }
  FightBindings& b = ActiveFightBindings;
  int& bound = b.key[fighter][input];
  int otherFighter = 0;
  int otherInput = 0;
  std::string notice;
  if (KeyBoundElsewhere(b, virtualKey, fighter, input, otherFighter, otherInput)) {
    b.key[otherFighter][otherInput] = bound;
    notice = KeyLabel(virtualKey) + " was " + Describe(otherFighter, otherInput) + ", which now has " + KeyLabel(bound);
  }
  bound = virtualKey;
  Finish(notice);
}

void CapturePadButton(PadButton pressed) {
  int fighter = 0;
  int input = 0;
  if (!BindingOfRow(ControlsScreen.waitingRow, fighter, input)) return;
  if (pressed == PadButton::Back) return Finish("");
  const PadButton button = DpadOf(pressed);
  if (!BindableButton(button)) {
    ControlsScreen.notice = std::string(PadButtonLabel(button)) + " cannot be chosen; press another button";
    return;
  }
  FightBindings& b = ActiveFightBindings;
  PadButton& bound = b.pad[fighter][input];
  int otherInput = 0;
  std::string notice;
  if (PadBoundElsewhere(b, button, fighter, input, otherInput)) {
    b.pad[fighter][otherInput] = bound;
    notice = std::string(PadButtonLabel(button)) + " was " + Describe(fighter, otherInput) + ", which now has " +
             PadButtonLabel(bound);
  }
  bound = button;
  Finish(notice);
}
