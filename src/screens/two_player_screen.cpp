#include <GL/gl.h>

#include "fight/fight.h"
#include "render/render.h"
#include "render/texture_slots.h"
#include "screens/arena_titles.h"
#include "screens/menu_clocks.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/screen_flow.h"
#include "screens/slide_offsets.h"

namespace {

float Slid(float base, float offset) { return static_cast<float>(static_cast<int>(base + offset)); }

void DrawArrowAt(float x, float y, bool sideArrow, int kind, bool hovered) {
  glPushMatrix();
  glTranslatef(x, y, 0);
  if (sideArrow) {
    DrawSideArrow(kind, hovered);
  } else {
    DrawArenaArrow(kind, hovered);
  }
  glPopMatrix();
}

void DrawStats(int character, float x) {
  if (character < 0 || character >= kCharacterCount) return;
  const CharacterStats& stats = Roster[character];
  const struct {
    float value;
    float y;
    const char* label;
  } bars[3] = {{stats.power * 0.5f, 135, "power"},
               {0.13f / stats.strikeTime, 110, "speed"},
               {stats.endurance * 0.5f, 85, "endurance"}};
  for (const auto& bar : bars) {
    glPushMatrix();
    glTranslatef(x, bar.y, 0);
    DrawStatBar(bar.value);
    glPopMatrix();
    PrintSmall(x, bar.y - 12, 1, "%s", bar.label);
    glColor4f(1, 1, 1, 1);
  }
}

void DrawPreview(int character, float x, float spinDegrees, float faceDegrees) {
  if (character < 0 || character > 7) return;
  glPushMatrix();
  glTranslatef(x, -1.1f, -10);
  glRotatef(spinDegrees, 0, 1, 0);
  glRotatef(faceDegrees, 0, 1, 0);
  glRotatef(-90, 1, 0, 0);
  BindTexture(TextureSlot::FighterSkin(character));
  FighterModels[character].Draw();
  glPopMatrix();
}

// Each name centred under its preview, by eye for the font.
const float kNameXOne[8] = {53, 32, 64, 57, 54, 60, 30, 58};
const float kNameXTwo[8] = {620, 601, 627, 625, 623, 626, 600, 626};

void PrintName(int character, const float (&columns)[8]) {
  if (character < 0 || character > 7) return;
  PrintLarge(columns[character], 200, 1, "%s", CharacterName(character));
}

}  // namespace

void DrawTwoPlayerScreen() {
  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  DrawFullScreenQuad(21);
  const int picture = ArenaPictureTexture(MatchState.arena);
  if (picture >= 0) BindTexture(picture);
  DrawTexturedQuad(200, 240, 600, 455);

  const SlideOffsetSet& s = SlideOffsets;
  const bool* hover = ScreenFlow.hover;
  DrawButtonAt(0, 10 + s.rise[0], hover[0]);
  PrintSmall(9, Slid(18, s.rise[0]), 1, "  BACK");
  DrawButtonAt(679, 10 + s.rise[1], hover[1]);
  PrintSmall(695, Slid(18, s.rise[1]), 1, "  FIGHT");

  DrawArrowAt(s.fromLeft[0], 160, true, 0, hover[2]);
  DrawArrowAt(152 + s.fromLeft[1], 160, true, 1, hover[3]);
  DrawArrowAt(567 + s.fromRight[0], 160, true, 0, hover[4]);
  DrawArrowAt(720 + s.fromRight[1], 160, true, 1, hover[5]);
  DrawArrowAt(340, 180 + s.rise[2], false, 1, hover[6]);
  DrawArrowAt(340, 130 + s.rise[3], false, 0, hover[7]);

  if (ScreenFlow.trainingMode) {
    PrintLarge(290, 520, 1, "  TRAINING");
  } else {
    PrintLarge(305, 520, 1, "2 PLAYERS");
  }
  if (const char* title = ArenaTitle(MatchState.arena)) PrintLarge(200, 215, 1, "%s", title);

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glColor4f(1, 1, 1, 1);
  DrawStats(MatchState.character[0], 10);
  DrawStats(MatchState.character[1], 575);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}

void DrawTwoPlayerPreviews() {
  glEnable(GL_LIGHTING);
  const float spin = 10 * MenuClocks.MenuPhase;
  // The menu's slide offsets double as world units here: the previews fly in from far outside.
  DrawPreview(MatchState.character[0], SlideOffsets.fromLeft[0] - 5.4f, spin, -60);
  DrawPreview(MatchState.character[1], SlideOffsets.fromRight[0] + 5.4f, -spin, -120);

  glDisable(GL_LIGHTING);
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
  PrintName(MatchState.character[0], kNameXOne);
  PrintName(MatchState.character[1], kNameXTwo);
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
}
