#include <string>

#include "app/bindings_file.h"
#include "app/key_names.h"
#include "render/render.h"
#include "screens/controls_rules.h"
#include "screens/menu_buttons.h"
#include "screens/menu_clocks.h"
#include "screens/menu_focus.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/screen_flow.h"
#include "screens/slide_offsets.h"

namespace {

// The key and the pad button stand this far right of the action's name (room for 11 letters each).
constexpr float kKeyColumn = 130;
constexpr float kPadColumn = 255;

float Slid(float base, float offset) { return static_cast<float>(static_cast<int>(base + offset)); }

// A row blinks like an option value while the pointer or the focus is on it, never quite out, so
// the focus can always be read; the row waiting for a key shows a blinking question mark instead.
float HighlightAlpha() { return 0.35f + 0.65f * OptionValueAlpha(); }

bool Highlighted(int row) {
  if (ScreenFlow.focusByKeys) return ShowsFocus(row);
  const MenuButtonRow* under = ButtonUnderPointer(GameState::Controls, ScreenFlow.PointerX, ScreenFlow.PointerY);
  return under != nullptr && under->row == row;
}

void BindingLine(int fighter, int input, float slide) {
  const int row = kFirstBindingRow + fighter * kFightInputCount + input;
  const float x = (fighter == 0 ? kBindingColumnOne : kBindingColumnTwo) + slide;
  const float y = static_cast<float>(kFirstBindingBaseline - kBindingSpacing * input);
  const bool waiting = ControlsScreen.waitingRow == row;
  TextAlpha = Highlighted(row) && !waiting ? HighlightAlpha() : 1;
  PrintSmall(Slid(x, 0), y, 1, "%s", FightInputLabel(input));
  if (waiting) {
    TextAlpha = OptionValueAlpha();
    PrintSmall(Slid(x + kKeyColumn, 0), y, 1, "?");
  } else {
    const FightBindings& b = ActiveFightBindings;
    PrintSmall(Slid(x + kKeyColumn, 0), y, 1, "%s", KeyLabel(b.key[fighter][input]).c_str());
    PrintSmall(Slid(x + kPadColumn, 0), y, 1, "%s", PadButtonLabel(b.pad[fighter][input]));
  }
  TextAlpha = 1;
}

}  // namespace

void DrawControlsScreen() {
  DrawMaskedBackground(7, 22);
  const float* rise = SlideOffsets.rise;
  DrawButtonAt(0, 10 + rise[0], ScreenFlow.hover[0]);
  PrintSmall(9, Slid(18, rise[0]), 1, "  BACK");
  DrawButtonAt(202, 10 + rise[1], ScreenFlow.hover[1]);
  PrintSmall(210, Slid(18, rise[1]), 1, " DEFAULTS");
  TextAlpha = 1;
  PrintLarge(290, 520, 1, "CONTROLS");

  const float slides[2] = {SlideOffsets.fromLeft[0], SlideOffsets.fromRight[0]};
  const char* const titles[2] = {"First fighter", "Second fighter"};
  for (int fighter = 0; fighter < 2; ++fighter) {
    const float x = (fighter == 0 ? kBindingColumnOne : kBindingColumnTwo) + slides[fighter];
    PrintSmall(Slid(x, 0), 465, 1, "%s", titles[fighter]);
    PrintSmall(Slid(x + kKeyColumn, 0), 445, 1, "KEY");
    PrintSmall(Slid(x + kPadColumn, 0), 445, 1, "PAD");
    for (int input = 0; input < kFightInputCount; ++input) BindingLine(fighter, input, slides[fighter]);
  }

  PrintSmall(120, kSinglePadBaseline, 1, "One pad in a 2 players match plays");
  TextAlpha = Highlighted(kSinglePadRow) ? HighlightAlpha() : 1;
  const bool secondPlays = ActiveFightBindings.singlePad == SinglePad::PlaysFighterTwo;
  PrintSmall(520, kSinglePadBaseline, 1, "%s", secondPlays ? "SECOND FIGHTER" : "FIRST FIGHTER");
  TextAlpha = 1;
  if (!ControlsScreen.notice.empty()) PrintSmall(20, kControlsNoticeBaseline, 1, "%s", ControlsScreen.notice.c_str());
}
