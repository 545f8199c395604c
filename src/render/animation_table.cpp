#include "render/animation_table.h"

#include <cctype>
#include <cstdlib>

namespace {

constexpr std::size_t MaxNameLength = 255;

// Word-by-word reading that can also drop the rest of the current line.
class WordReader {
 public:
  explicit WordReader(std::string_view text) : text_(text) {}

  bool Next(std::string& word) {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    if (pos_ >= text_.size()) return false;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
    word.assign(text_.substr(start, pos_ - start));
    return true;
  }
  void SkipLine() {
    while (pos_ < text_.size() && text_[pos_] != '\n') ++pos_;
  }

 private:
  std::string_view text_;
  std::size_t pos_ = 0;
};

// Frame numbers and rates far beyond any model; the clamp keeps every sum of them in range.
constexpr long NumberLimit = 1L << 24;

// A decimal number at the start of a word (0 when there is none), clamped.
int ToInt(const std::string& word) {
  const long value = std::strtol(word.c_str(), nullptr, 10);
  return static_cast<int>(value > NumberLimit ? NumberLimit : value < -NumberLimit ? -NumberLimit : value);
}

}  // namespace

void ReadAnimationTable(std::string_view text, ModelPart& upper, ModelPart& lower) {
  upper.animations.clear();
  lower.animations.clear();
  AnimationInfo table[AnimationTableSize];
  int line = 0;
  int torsoOffset = 0;
  WordReader reader(text);
  std::string word;
  while (line < AnimationTableSize && reader.Next(word)) {
    if (!std::isdigit(static_cast<unsigned char>(word[0]))) {
      reader.SkipLine();
      continue;
    }
    std::string frames, looping, fps, marker, name;
    if (!reader.Next(frames) || !reader.Next(looping) || !reader.Next(fps) || !reader.Next(marker) ||
        !reader.Next(name)) {
      break;  // an unfinished last line is not an animation
    }
    AnimationInfo& entry = table[line];
    entry.firstFrame = ToInt(word);
    entry.endFrame = entry.firstFrame + ToInt(frames);
    entry.loopingFrames = ToInt(looping);
    entry.framesPerSecond = ToInt(fps);
    entry.name = name.substr(0, MaxNameLength);

    if (entry.name.find("BOTH") != std::string::npos) {
      upper.animations.push_back(entry);
      lower.animations.push_back(entry);
    } else if (entry.name.find("TORSO") != std::string::npos) {
      upper.animations.push_back(entry);
    } else if (entry.name.find("LEGS") != std::string::npos) {
      // Leg frames follow the torso frames in the file; a table long enough to have both is
      // shifted back by the torso's length.
      if (torsoOffset == 0) torsoOffset = table[13].firstFrame - table[14].firstFrame;
      entry.firstFrame -= torsoOffset;
      entry.endFrame -= torsoOffset;
      lower.animations.push_back(entry);
    }
    ++line;
  }
}
