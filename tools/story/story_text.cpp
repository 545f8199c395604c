#include "story/story_text.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace {

constexpr int kArenas = 8;

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

[[noreturn]] void Fail(int lineNumber, const std::string& why) {
  throw std::runtime_error("story line " + std::to_string(lineNumber) + ": " + why);
}

int ParseNumber(const std::string& s, int lineNumber) {
  if (s.empty() || s.find_first_not_of("0123456789") != std::string::npos || s.size() > 3)
    Fail(lineNumber, "expected a number, got '" + s + "'");
  return std::stoi(s);
}

}  // namespace

std::string StoryFilePath() { return BRELLOCH_STORY_FILE; }

std::vector<ArenaStory> ParseStory(const std::string& text) {
  std::vector<ArenaStory> arenas(kArenas);
  std::vector<bool> seen(kArenas, false);
  ArenaStory* current = nullptr;
  std::istringstream in(text);
  std::string raw;
  int lineNumber = 0;
  while (std::getline(in, raw)) {
    ++lineNumber;
    const std::string line = Trim(raw);
    if (line.empty() || line[0] == '#') continue;
    if (line.rfind("arena ", 0) == 0) {
      const int n = ParseNumber(Trim(line.substr(6)), lineNumber);
      if (n < 1 || n > kArenas) Fail(lineNumber, "arena out of 1.." + std::to_string(kArenas));
      if (seen[n - 1]) Fail(lineNumber, "arena " + std::to_string(n) + " given twice");
      seen[n - 1] = true;
      current = &arenas[n - 1];
      current->arena = n;
      continue;
    }
    const auto colon = line.find(':');
    if (colon == std::string::npos) Fail(lineNumber, "expected 'key: text'");
    if (!current) Fail(lineNumber, "record before the first 'arena N'");
    const std::string key = Trim(line.substr(0, colon));
    const std::string value = Trim(line.substr(colon + 1));
    if (value.empty()) Fail(lineNumber, "empty text");
    if (key == "opponent") {
      current->opponent = value;
    } else if (key == "story") {
      current->storyLines.push_back(value);
    } else if (key == "taunt") {
      if (!current->taunt.empty()) Fail(lineNumber, "second taunt");
      current->taunt = value;
    } else if (key.rfind("picture ", 0) == 0) {
      const int k = ParseNumber(Trim(key.substr(8)), lineNumber);
      if (k != static_cast<int>(current->captions.size()) + 1)
        Fail(lineNumber, "pictures must be numbered 1, 2, 3... in order");
      current->captions.push_back(value);
    } else {
      Fail(lineNumber, "unknown key '" + key + "'");
    }
  }
  for (int n = 1; n <= kArenas; ++n)
    if (!seen[n - 1]) throw std::runtime_error("story: arena " + std::to_string(n) + " missing");
  return arenas;
}

std::vector<ArenaStory> ReadStory(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read story file " + path);
  std::ostringstream text;
  text << file.rdbuf();
  return ParseStory(text.str());
}

std::string StoryMonologue(const ArenaStory& story) {
  std::string out;
  for (const std::string& line : story.storyLines) {
    if (!out.empty()) out += ' ';
    out += line;
  }
  return out;
}
