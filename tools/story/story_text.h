#pragma once

#include <string>
#include <vector>

// The career story file (tools/story/story.txt): per arena the Boxer's monologue, the taunt of the
// opponent waiting there and the captions of the story pictures. Pictures and voices both read it,
// so what is shown and what is said stay the same story.

struct ArenaStory {
  int arena = 0;                         // 1..8; 8 is the ending
  std::string opponent;                  // roster name; empty for the ending
  std::vector<std::string> storyLines;   // spoken in order (monologs/N.wav)
  std::string taunt;                     // the opponent's line at fight start (monologs/N_.wav)
  std::vector<std::string> captions;     // caption of story picture k + 1 (scene/lNs<k+1>.tga)
};

// The file the build reads; its path is fixed when the generator is built.
std::string StoryFilePath();

// Parses the story text. Throws std::runtime_error naming the line on a malformed record, an
// arena out of 1..8, a picture number out of order, or a missing arena.
std::vector<ArenaStory> ParseStory(const std::string& text);
// Reads and parses the file; throws when it cannot be read.
std::vector<ArenaStory> ReadStory(const std::string& path = StoryFilePath());
// The whole monologue of an arena as one paragraph.
std::string StoryMonologue(const ArenaStory& story);
