#include <GL/gl.h>

#include "app/settings.h"
#include "render/render.h"
#include "screens/menu_clocks.h"
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
    case 0: return "Desktop";
    default: return "";  // a size from a hand-edited file shows no value
  }
}

const char* BitsText(int bits, int a, const char* aText, int b, const char* bText) {
  if (bits == a) return aText;
  if (bits == b) return bText;
  return "";
}

// One row: its label steady, its value blinking.
void OptionRow(float labelX, float y, const char* label, float valueX, const char* value) {
  TextAlpha = 1;
  PrintSmall(labelX, y, 1, "%s", label);
  TextAlpha = OptionValueAlpha();
  PrintSmall(valueX, y, 1, "%s", value);
  TextAlpha = 1;
}

// A help line with its key letter printed over the line's first character.
void KeyLine(float x, float y, const char* key, const char* line) {
  PrintSmall(x, y, 1, "%s", line);
  PrintSmall(x, y, 1, "%s", key);
}

void DrawControlsHelp() {
  TextAlpha = 1;
  PrintLarge(305, 300, 1, "Controls");
  PrintSmall(20, 260, 1, "First fighter ");
  KeyLine(20, 234, "Z", "  - hand impact to head");
  KeyLine(20, 214, "X", "  - hand impact to body");
  KeyLine(20, 194, "C", "  - leg impact to body");
  KeyLine(20, 174, "B", "  - step forward");
  KeyLine(20, 154, "V", "  - step back");
  PrintSmall(20, 134, 1, "SPACE - block");
  PrintSmall(490, 260, 1, "Second fighter");
  KeyLine(490, 234, "I", "  - hand impact to head");
  KeyLine(490, 214, "O", "  - hand impact to body");
  KeyLine(490, 194, "P", "  - leg impact to body");
  PrintSmall(490, 174, 1, "LEFT ARROW - step forward");
  PrintSmall(490, 154, 1, "RIGHT ARROW - step back");
  KeyLine(490, 134, "L", "  - block");
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
  PrintLarge(305, 520, 1, "OPTIONS");

  TextAlpha = SettingsNoticeAlpha();
  if (ScreenFlow.settingsChanged) PrintSmall(130, 350, 1, "Changes will be applyed after reload of game!");

  const GameSettings& s = Settings;
  // The longest value starts a little further left so the three line up on their right.
  OptionRow(60, 470, "Display resolution", s.width == 1024 ? 280.0f : 285.0f, ResolutionText(s.width));
  OptionRow(60, 437, "Color Depth", 290, BitsText(s.colourBits, 16, "16 bit", 32, "32 bit"));
  OptionRow(60, 401, "Depth Buffer", 290, BitsText(s.depthBits, 16, "16 bit", 24, "24 bit"));
  OptionRow(480, 470, "Sound", 575, s.soundOn ? "YES" : "NO");
  OptionRow(480, 437, "Music", 575, s.musicOn ? "YES" : "NO");

  DrawControlsHelp();
}
