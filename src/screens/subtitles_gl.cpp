#include <GL/gl.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/game_path.h"
#include "render/render.h"
#include "screens/screens.h"
#include "screens/subtitles.h"

namespace {

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

}  // namespace

void DrawSpokenLine(const std::string& recording, double seconds) {
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

