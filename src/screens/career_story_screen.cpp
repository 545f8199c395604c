#include <GL/gl.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "app/game_options.h"
#include "app/game_path.h"
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

// Subtitles print in the small font, centred above the pictures' caption band, on a dark strip.
constexpr size_t kSubtitleWidth = 64;  // characters of the small font across the screen, with margins
constexpr float kSubtitleBaseline = 100, kSubtitleRowHeight = 20, kSmallAdvance = 10, kSmallCell = 21;

const std::vector<SubtitleLine>& SpokenLines() {
  static const std::vector<SubtitleLine> lines = [] {
    std::ifstream in(NativePath(".\\base\\monologs\\lines.txt"), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return ParseSubtitleLines(text.str());
  }();
  return lines;
}

void DrawSubtitle(const std::string& recording, double seconds) {
  const SubtitleLine* line = SubtitleAt(SpokenLines(), recording, seconds);
  if (line == nullptr) return;
  const std::vector<std::string> rows = WrapSubtitle(line->text, kSubtitleWidth);
  const float top = kSubtitleBaseline + kSubtitleRowHeight * static_cast<float>(rows.size()) + 4;
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);
  glColor4f(0, 0, 0, 0.6f);
  glBegin(GL_QUADS);
  glVertex2f(40, kSubtitleBaseline - 4);
  glVertex2f(760, kSubtitleBaseline - 4);
  glVertex2f(760, top);
  glVertex2f(40, top);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  for (size_t r = 0; r < rows.size(); ++r) {
    const float width = kSmallAdvance * static_cast<float>(rows[r].size() - 1) + kSmallCell;
    const float y = kSubtitleBaseline + kSubtitleRowHeight * static_cast<float>(rows.size() - 1 - r);
    PrintSmall(400 - width / 2, y, 1, "%s", rows[r].c_str());
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
    DrawSubtitle(std::to_string(arena) + ".wav", StoryClock / StoryClockRate(arena));
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
