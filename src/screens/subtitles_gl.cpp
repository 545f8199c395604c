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

// Subtitles print in the small font on a dark strip.
constexpr float kSubtitleRowHeight = 20, kSmallAdvance = 10, kSmallCell = 21;

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

void DrawSpokenLine(const std::string& recording, double seconds, const SubtitleBox& box) {
  if (recording.empty()) return;
  const SubtitleLine* line = SubtitleAt(SpokenLines(), recording, seconds);
  if (line == nullptr) return;
  const std::vector<std::string> rows = WrapSubtitle(line->text, box.columns);
  const float top = box.baseline + kSubtitleRowHeight * static_cast<float>(rows.size()) + 4;
  // The letters lie on the strip at its own depth: with the depth test on they would not show.
  const bool depthTest = glIsEnabled(GL_DEPTH_TEST) == GL_TRUE;
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);
  glColor4f(0, 0, 0, 0.6f);
  glBegin(GL_QUADS);
  glVertex2f(box.left, box.baseline - 4);
  glVertex2f(box.right, box.baseline - 4);
  glVertex2f(box.right, top);
  glVertex2f(box.left, top);
  glEnd();
  glEnable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  const float centre = (box.left + box.right) / 2;
  for (size_t r = 0; r < rows.size(); ++r) {
    const float width = kSmallAdvance * static_cast<float>(rows[r].size() - 1) + kSmallCell;
    const float y = box.baseline + kSubtitleRowHeight * static_cast<float>(rows.size() - 1 - r);
    PrintSmall(centre - width / 2, y, 1, "%s", rows[r].c_str());
  }
  glDisable(GL_BLEND);
  if (depthTest) glEnable(GL_DEPTH_TEST);
}

