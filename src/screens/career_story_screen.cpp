#include <GL/gl.h>

#include <string>

#include "app/frame_clock.h"
#include "app/game_options.h"
#include "app/settings.h"
#include "fight/fight.h"
#include "render/render.h"
#include "screens/career_story_rules.h"
#include "screens/menu_screens.h"
#include "screens/menu_widgets.h"
#include "screens/screen_flow.h"
#include "screens/screens.h"
#include "screens/slide_offsets.h"
#include "screens/subtitles.h"

namespace {

// The skip button's label, printed with the first glyph set, whose cells hold the font's own
// lettering for it.
constexpr const char* kSkipLabel = "SKIP >";

void DrawStoryPictures(int arena) {
  glLoadIdentity();
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  for (int k = 0; k < StoryPictureCount(arena); ++k) {
    float alpha = StoryPictureAlpha(arena, k, StoryClock);
    // A picture that could not be loaded stays black rather than flashing up as a white quad.
    if (alpha < 0 || StoryImages[k].texture == 0) continue;
    if (alpha > 1) alpha = 1;
    glColor4f(1, 1, 1, alpha);
    glBindTexture(GL_TEXTURE_2D, StoryImages[k].texture);
    DrawTexturedQuad(0, 0, 800, 600);
  }
  glDisable(GL_BLEND);
}

}  // namespace

void LoadStoryPictures(int arena) {
  if (arena < 1 || arena > 8) return;
  // A won match loads the next arena's pictures without ever showing them; let go of whatever is
  // still held first.
  for (TgaTexture& picture : StoryImages) picture.Release();
  LoadStoryImages(arena);
}

void ReleaseStoryImages(int arena) {
  if (arena < 1) return;
  const int count = arena == 1 ? 5 : 3;
  for (int k = 0; k < count; ++k) StoryImages[k].Release();
}

void DrawCareerStory() {
  glColor4f(1, 1, 1, 1);
  glDisable(GL_LIGHTING);
  const int arena = MatchState.arena;
  // The clock may leave the story; a later screen then draws in this same frame.
  if (RunStoryClock(FrameClock.step)) return;

  DrawStoryPictures(arena);
  // The monologue starts with the story, so the story clock tells how far into it the voice is.
  if (SubtitlesShown(UserOptions.subtitles, Settings.soundOn)) {
    DrawSpokenLine(std::to_string(arena) + ".wav", StoryClock / StoryClockRate(arena), kSubtitlesUnderPictures);
  }

  glColor4f(1, 1, 1, 1);
  glEnable(GL_LIGHTING);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  const float rise = SlideOffsets.rise[0];
  DrawButtonAt(675, 10 + rise, ScreenFlow.hover[0]);
  glDisable(GL_LIGHTING);
  glEnable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
  PrintSmall(690, static_cast<float>(static_cast<int>(18 + rise)), 0, "%s", kSkipLabel);
  glDisable(GL_BLEND);
  glEnable(GL_DEPTH_TEST);
}
