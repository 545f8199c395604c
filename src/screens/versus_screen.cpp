#include <GL/gl.h>

#include <cmath>

#include "app/frame_clock.h"
#include "app/game_options.h"
#include "app/pointer.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "render/render.h"
#include "render/texture_slots.h"
#include "screens/arena_titles.h"
#include "screens/menu_clocks.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/online_screen_rules.h"
#include "screens/prefight_slides.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"
#include "screens/slide_offsets.h"
#include "screens/subtitles.h"

namespace {

void DrawPreview(int character, float x, float turnDegrees) {
  if (character < 0 || character > 7) return;
  glPushMatrix();
  glTranslatef(x, -3.6f, -4.2f);
  glRotatef(turnDegrees, 0, 1, 0);
  glRotatef(-90, 1, 0, 0);  // the models stand on their z axis
  BindTexture(TextureSlot::FighterSkin(character));
  FighterModels[character].Draw();
  glPopMatrix();
}

}  // namespace

void DrawVersusScreen() {
  AdvancePreFightSlides(FrameClock.step);
  const PreFightSlideState& slides = PreFightSlides;

  glDisable(GL_DEPTH_TEST);
  glDisable(GL_LIGHTING);
  glColor4f(1, 1, 1, 1);
  if (!MenuOverClearFrame) {
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    DrawFullScreenQuad(10);
    DrawFullScreenQuad(22);
  }
  glDisable(GL_BLEND);
  glBlendFunc(GL_ONE, GL_ONE);

  // Arena 8 has no picture: the quad keeps whatever texture is bound.
  const int picture = ArenaPictureTexture(MatchState.arena);
  if (picture >= 0) BindTexture(picture);
  const float pictureX = 900 - slides.pictureSlide;
  DrawTexturedQuad(pictureX, 137.5f, pictureX + 600, 137.5f + 325);

  if (const char* title = ArenaTitle(MatchState.arena)) {
    PrintLarge(static_cast<float>(static_cast<int>(slides.captionSlide - 605)), 500, 1, "%s", title);
  }

  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
  const float left = SlideOffsets.fromLeft[0];
  const float right = SlideOffsets.fromRight[0];
  DrawButtonAt(left, 10, ScreenFlow.hover[0]);
  PrintSmall(static_cast<float>(static_cast<int>(9 + left)), 18, 1, "  BACK");
  DrawButtonAt(679 + right, 10, ScreenFlow.hover[1]);
  PrintSmall(static_cast<float>(static_cast<int>(695 + right)), 18, 1, " NEXT");
  PrintLarge(340, 90, 1, "  VS");
  if (OnlineScreen.versus) DrawOnlineSetupNotice();
  if (SubtitlesShown(UserOptions.subtitles, Settings.soundOn)) {
    const SpokenMoment heard = StoryMonologMoment(FrameClock.lastSeconds);
    DrawSpokenLine(heard.recording, heard.seconds, kSubtitlesAboveTheCaption);
  }

  ReadPointer();
  DrawPointer();
  glColor4f(1, 1, 1, 1);
  glEnable(GL_LIGHTING);
  FinishFlatMenu();

  glPushMatrix();
  glLoadIdentity();
  const GLfloat lightPosition[4] = {0, 3, 0, 1};
  glLightfv(GL_LIGHT1, GL_POSITION, lightPosition);
  const float sway = 20 * std::sin(0.1f * MenuClocks.MenuPhase);
  DrawPreview(MatchState.character[0], slides.previewSlide - 2.8f, sway + 20);
  DrawPreview(MatchState.character[1], 2.8f - slides.previewSlide, -sway - 160);
  glDisable(GL_LIGHTING);
  glPopMatrix();
}
