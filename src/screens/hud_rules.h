#pragma once

#include "fight/fight.h"

// The HUD's few decisions, apart from its drawing.

// "COMBO", "SUPER COMBO", "ULTRA COMBO" for combo levels 2 to 4; null otherwise.
const char* ComboTitle(int comboLevel);

// The points a combo earns, shown only under fighter one's title in the career; null otherwise.
const char* ComboPointsText(int comboLevel, int fighterIndex, bool careerMode);

// The title's clock is the fight's (RunComboShowClock, kComboTitleEnd in fight/fight.h).

// A bar of value v drawn as a fill cut to its length: the fill quad's right edge and its texture
// width. Below 0 the fill extends to the left of the bar's start.
struct BarFill {
  float right;
  float textureRight;
};
BarFill BarFillFor(float x, float value, float length);

// The round banner and count-in picture of the intro at clock t: the TextureBank entry and its
// alpha, or entry -1 when no picture shows.
struct IntroPicture {
  int texture;
  float alpha;
};
IntroPicture IntroPictureAt(float roundClock, int roundNumber);

