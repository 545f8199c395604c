// Content kind "voices": base/monologs/N.wav (the Boxer tells the story of arena N) and N_.wav
// (the opponent waiting in arena N speaks as the fight starts), from the shared story text.
#include <unistd.h>

#include <filesystem>
#include <map>
#include <stdexcept>

#include "audio_common/wav_writer.h"
#include "common/content_registry.h"
#include "story/story_text.h"
#include "voices/spoken_line.h"

namespace {

// The story slideshow lasts 42 s or more; the first round waits 8 s before its intro.
constexpr double kStorySeconds = 39.0;
constexpr double kTauntSeconds = 7.5;

const SpeakerVoice kBoxer = {"en-us+m7", 140, 30};

SpeakerVoice VoiceOf(const std::string& opponent) {
  static const std::map<std::string, SpeakerVoice> kVoices = {
      {"Kingpin", {"en-us+croak", 130, 20}},
      {"Cop", {"en-us+m2", 165, 45}},
      {"Truck driver", {"en-gb-scotland+m4", 140, 35}},
      {"Biker", {"en-us+m6", 160, 40}},
      {"Hooker", {"en-us+f2", 150, 55}},
      {"Inspector", {"en-gb-x-rp+m1", 140, 40}},
      {"Bandit", {"en-us+m5", 135, 25}},
  };
  const auto it = kVoices.find(opponent);
  return it == kVoices.end() ? kBoxer : it->second;
}

void WriteLine(const std::filesystem::path& file, const std::string& text, const SpeakerVoice& voice,
               double maxSeconds, const std::filesystem::path& scratch) {
  int rate = 0;
  std::vector<float> samples = SpeakLine(text, voice, maxSeconds, scratch, rate);
  ShapeVoice(samples, rate, 0.85f);
  WriteWav16(file, rate, 1, samples);
}

void WriteVoices(const std::filesystem::path& baseDir) {
  const std::filesystem::path dir = baseDir / "monologs";
  std::filesystem::create_directories(dir);
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("brelloch-voices-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  try {
    for (const ArenaStory& story : ReadStory()) {
      const std::string n = std::to_string(story.arena);
      WriteLine(dir / (n + ".wav"), StoryMonologue(story), kBoxer, kStorySeconds, scratch);
      // The ending has no opponent: its fight-start file is the Boxer's closing line.
      const bool hasTaunt = !story.taunt.empty();
      const std::string line = hasTaunt ? story.taunt : story.storyLines.back();
      WriteLine(dir / (n + "_.wav"), line, hasTaunt ? VoiceOf(story.opponent) : kBoxer,
                kTauntSeconds, scratch);
    }
  } catch (...) {
    std::filesystem::remove_all(scratch);
    throw;
  }
  std::filesystem::remove_all(scratch);
}

}  // namespace

REGISTER_CONTENT_KIND(voices, WriteVoices);
