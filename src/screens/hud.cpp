#include <GL/gl.h>

#include "fight/fight.h"
#include "render/render.h"
#include "render/texture_slots.h"
#include "screens/hud_rules.h"
#include "screens/menu_widgets.h"
#include "screens/overlay_projection.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"

namespace {

constexpr float kLifeBarLength = 260, kLifeBarHeight = 18;
constexpr float kTirednessBarLength = 160, kTirednessBarHeight = 12;

// The fill is cut to the value, not squeezed; the frame on top always has the full length.
void DrawBar(float x, float y, float value, float length, float height, int fillTexture) {
  const BarFill fill = BarFillFor(x, value, length);
  glDisable(GL_BLEND);
  BindTexture(fillTexture);
  glBegin(GL_QUADS);
  glTexCoord2f(0, 0);
  glVertex2f(x, y);
  glTexCoord2f(fill.textureRight, 0);
  glVertex2f(fill.right, y);
  glTexCoord2f(fill.textureRight, 1);
  glVertex2f(fill.right, y + height);
  glTexCoord2f(0, 1);
  glVertex2f(x, y + height);
  glEnd();

  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glColor4f(1, 1, 1, 1);
  glBindTexture(GL_TEXTURE_2D, TgaTextures[6].texture);
  DrawTexturedQuad(x, y, x + length, y + height);
  glDisable(GL_BLEND);
}

void DrawLife(int fighter, float lifeX, float nameX) {
  const FighterStatus& status = ShownFight.status[fighter];
  DrawBar(lifeX, 550, status.life, kLifeBarLength, kLifeBarHeight, 66);
  PrintSmall(lifeX, 570, 1, "LIFE");
  PrintLarge(nameX, 525, 1, "%s", CharacterName(ShownFight.match.character[fighter]));
}

void DrawTiredness(int fighter, float x) {
  const FighterStatus& status = ShownFight.status[fighter];
  DrawBar(x, 60, status.tiredness, kTirednessBarLength, kTirednessBarHeight, 2);
  PrintSmall(x, 45, 1, "tiredness");
  if (status.tired) PrintLarge(x, 80, 1, "TIRED");
}

void DrawRoundMarkers(int roundsWon, float x) {
  BindTexture(TextureSlot::kRoundMark);
  if (roundsWon >= 1) DrawTexturedQuad(x, 440, x + 30, 470);
  if (roundsWon >= 2) DrawTexturedQuad(x, 400, x + 30, 430);
}

void DrawComboTitle(int fighter, float x) {
  const FighterStatus& status = ShownFight.status[fighter];
  if (status.comboShown) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    TextAlpha = status.comboShowTime - 0.5f;
    if (const char* title = ComboTitle(status.comboLevel)) PrintLarge(x, 160, 1, "%s", title);
    if (const char* points = ComboPointsText(status.comboLevel, fighter, ScreenFlow.careerMode)) {
      PrintSmall(x, 150, 1, "%s", points);
    }
    TextAlpha = 1;
  }
}

}  // namespace

void BeginFightOverlay() {
  glMatrixMode(GL_PROJECTION);
  glPushMatrix();
  glLoadIdentity();
  LoadMenuProjection();
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glColor4f(1, 1, 1, 1);
}

void EndFightOverlay() {
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
  glMatrixMode(GL_PROJECTION);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glEnable(GL_LIGHTING);
  glEnable(GL_DEPTH_TEST);
}

void DrawHud() {
  BeginFightOverlay();
  const int round = ShownFight.match.roundNumber;
  if (round >= 1 && round <= 3) PrintLarge(335, 570, 1, "Round %d", round);

  DrawLife(1, 520, 515);
  DrawLife(0, 20, 15);
  DrawTiredness(1, 560);
  DrawTiredness(0, 20);

  DrawRoundMarkers(ShownFight.status[1].roundsLost, 22);   // rounds fighter one won
  DrawRoundMarkers(ShownFight.status[0].roundsLost, 750);  // rounds fighter two won

  DrawComboTitle(0, 20);
  DrawComboTitle(1, 560);
  glDisable(GL_BLEND);
  EndFightOverlay();
}

void DrawFightStatusLines(const char* first, const char* second) {
  BeginFightOverlay();
  glColor4f(1, 1, 1, 1);
  // Under the round's number, in the gap between the life bars: read with the rest of the
  // fight's state, and clear of the fighters, who stand at the bottom of the picture.
  PrintSmall(345, 550, 1, "%s", first);
  PrintSmall(345, 532, 1, "%s", second);
  EndFightOverlay();
}
