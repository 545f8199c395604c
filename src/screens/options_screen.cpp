#include <GL/gl.h>

#include "app/fight_bindings.h"
#include "app/key_names.h"
#include "app/settings.h"
#include "render/render.h"
#include "screens/menu_clocks.h"
#include "screens/menu_focus.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/screen_flow.h"
#include "screens/slide_offsets.h"

namespace {

const char* ResolutionText(int width) {
  switch (width) {
    case 640: return "640x480";
    case 800: return "800x600";
    case 1024: return "1024x768";
    default: return "";  // a size from a hand-edited file shows no value
  }
}

const char* BitsText(int bits, int a, const char* aText, int b, const char* bText) {
  if (bits == a) return aText;
  if (bits == b) return bText;
  return "";
}

// One row: its label steady, its value blinking; the value the keys' focus is on stands still.
void OptionRow(int row, float labelX, float y, const char* label, float valueX, const char* value) {
  TextAlpha = 1;
  PrintSmall(labelX, y, 1, "%s", label);
  TextAlpha = ShowsFocus(row) ? 1 : OptionValueAlpha();
  PrintSmall(valueX, y, 1, "%s", value);
  TextAlpha = 1;
}

// A help line: the key bound to a fighter's action, then what it does.
void KeyLine(float x, float y, int fighter, FightInput input, const char* what) {
  const int key = ActiveFightBindings.key[fighter][static_cast<int>(input)];
  PrintSmall(x, y, 1, "%s - %s", KeyLabel(key).c_str(), what);
}

void DrawControlsHelp() {
  TextAlpha = 1;
  PrintLarge(305, 300, 1, "Controls");
  PrintSmall(20, 260, 1, "First fighter ");
  PrintSmall(490, 260, 1, "Second fighter");
  const float columns[2] = {20, 490};
  for (int fighter = 0; fighter < 2; ++fighter) {
    const float x = columns[fighter];
    KeyLine(x, 234, fighter, FightInput::HandToHead, "hand impact to head");
    KeyLine(x, 214, fighter, FightInput::HandToBody, "hand impact to body");
    KeyLine(x, 194, fighter, FightInput::LegToBody, "leg impact to body");
    KeyLine(x, 174, fighter, FightInput::Forward, "step forward");
    KeyLine(x, 154, fighter, FightInput::Back, "step back");
    KeyLine(x, 134, fighter, FightInput::Block, "block");
  }
}

}  // namespace

void DrawOptionsScreen() {
  DrawMaskedBackground(7, 22);
  const float* rise = SlideOffsets.rise;
  DrawButtonAt(0, 10 + rise[0], ScreenFlow.hover[0]);
  PrintSmall(9, static_cast<float>(static_cast<int>(18 + rise[0])), 1, "  BACK");
  DrawButtonAt(202, 10 + rise[1], ScreenFlow.hover[1]);
  PrintSmall(210, static_cast<float>(static_cast<int>(18 + rise[1])), 1, "  APPLY");
  DrawButtonAt(404, 10 + rise[2], ScreenFlow.hover[2]);
  PrintSmall(412, static_cast<float>(static_cast<int>(18 + rise[2])), 1, "  MORE");
  DrawButtonAt(606, 10 + rise[3], ScreenFlow.hover[3]);
  PrintSmall(614, static_cast<float>(static_cast<int>(18 + rise[3])), 1, " CONTROLS");
  PrintLarge(305, 520, 1, "OPTIONS");

  TextAlpha = SettingsNoticeAlpha();
  if (ScreenFlow.settingsChanged) PrintSmall(130, 350, 1, "Changes will be applyed after reload of game!");

  const GameSettings& s = Settings;
  // The longest value starts a little further left so the three line up on their right.
  OptionRow(34, 60, 470, "Display resolution", s.width == 1024 ? 280.0f : 285.0f, ResolutionText(s.width));
  OptionRow(35, 60, 437, "Color Depth", 290, BitsText(s.colourBits, 16, "16 bit", 32, "32 bit"));
  OptionRow(36, 60, 401, "Depth Buffer", 290, BitsText(s.depthBits, 16, "16 bit", 24, "24 bit"));
  OptionRow(37, 480, 470, "Sound", 575, s.soundOn ? "YES" : "NO");
  OptionRow(38, 480, 437, "Music", 575, s.musicOn ? "YES" : "NO");

  DrawControlsHelp();
}
