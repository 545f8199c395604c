#include "screens/subtitles.h"

#include <sstream>

std::vector<SubtitleLine> ParseSubtitleLines(const std::string& fileText) {
  std::vector<SubtitleLine> lines;
  std::istringstream in(fileText);
  std::string row;
  while (std::getline(in, row)) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream fields(row);
    SubtitleLine line;
    if (!(fields >> line.recording >> line.start >> line.end) || line.end <= line.start) continue;
    std::getline(fields >> std::ws, line.text);
    if (!line.text.empty() && line.text.back() == '\r') line.text.pop_back();
    if (!line.text.empty()) lines.push_back(line);
  }
  return lines;
}

const SubtitleLine* SubtitleAt(const std::vector<SubtitleLine>& lines, const std::string& recording,
                               double seconds) {
  for (const SubtitleLine& line : lines) {
    if (line.recording == recording && seconds >= line.start && seconds < line.end) return &line;
  }
  return nullptr;
}

std::vector<std::string> WrapSubtitle(const std::string& text, size_t width) {
  std::vector<std::string> rows;
  std::istringstream words(text);
  std::string word, row;
  while (words >> word) {
    if (!row.empty() && row.size() + 1 + word.size() > width) {
      rows.push_back(row);
      row.clear();
    }
    row += (row.empty() ? "" : " ") + word;
  }
  if (!row.empty()) rows.push_back(row);
  return rows;
}

SpokenMoment FightMonologMoment(const MatchRecord& match) {
  if (match.gameMode != Career || match.roundNumber != 1 || !(match.RoundClock < 0.0f)) return {};
  return {std::to_string(match.arena) + "_.wav", match.RoundClock - kCareerFirstIntro};
}

namespace {
SpokenMoment storyMonologStart;  // seconds: the timer reading it started at
}  // namespace

void NoteStoryMonologStart(int arena, double nowSeconds) {
  storyMonologStart = {std::to_string(arena) + ".wav", nowSeconds};
}

void NoteStoryMonologStop() { storyMonologStart = {}; }

SpokenMoment StoryMonologMoment(double nowSeconds) {
  if (storyMonologStart.recording.empty()) return {};
  return {storyMonologStart.recording, nowSeconds - storyMonologStart.seconds};
}
