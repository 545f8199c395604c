#pragma once

#include <string>
#include <vector>

#include "fight/match_state.h"

// The spoken lines as text, timed to the speech: base/monologs/lines.txt, written by the voice
// generator from the same story text the voices speak, gives per recording when each line is heard.
// GL-free; the story screen, the versus screen and the fight's overlays draw what these decide.

struct SubtitleLine {
  std::string recording;  // "3.wav", "3_.wav"
  double start = 0, end = 0;  // seconds from the recording's start
  std::string text;
};

// The file's lines ("recording start end words", '#' comments); malformed rows are skipped.
std::vector<SubtitleLine> ParseSubtitleLines(const std::string& fileText);

// The line heard `seconds` into `recording`, or null between lines.
const SubtitleLine* SubtitleAt(const std::vector<SubtitleLine>& lines, const std::string& recording,
                               double seconds);

// Subtitles show when the option asks for them, and always while the sound is off.
inline bool SubtitlesShown(int subtitlesOption, bool soundOn) { return subtitlesOption != 0 || !soundOn; }

// A line cut at spaces into rows of at most `width` characters (a longer word gets a row of its own).
std::vector<std::string> WrapSubtitle(const std::string& text, size_t width);

// How far into which recording the voice is; no recording while nothing is being said.
struct SpokenMoment {
  std::string recording;
  double seconds = 0;
};

// A career fight's monologue starts with the fight, as the first round's clock runs up from
// kCareerFirstIntro, and is over before the count-in.
SpokenMoment FightMonologMoment(const MatchRecord& match);

// The story monologue goes on after the story screen: a won career match starts the next arena's
// story and shows the versus screen while it is told. Its start and stop are noted with the
// timer's seconds, so its moment follows the voice whatever screen or frame rate comes between.
void NoteStoryMonologStart(int arena, double nowSeconds);
void NoteStoryMonologStop();
SpokenMoment StoryMonologMoment(double nowSeconds);
