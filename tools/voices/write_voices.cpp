// Content kind "voices": base/monologs/N.wav (the Boxer tells the story of arena N) and N_.wav
// (the opponent waiting in arena N speaks as the fight starts), from the shared story text, and
// monologs/lines.txt, when each line is heard in them (for the subtitles).
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>

#include "audio_common/loudness.h"
#include "audio_common/wav_writer.h"
#include "common/content_registry.h"
#include "story/story_text.h"
#include "voices/spoken_line.h"

namespace {

// The story slideshow lasts 42 s or more; the first round waits 8 s before its intro.
constexpr double kStorySeconds = 39.0;
constexpr double kTauntSeconds = 7.5;
// Every line at one loudness, far enough under the music for the words to carry over it.
constexpr double kVoiceLufs = -18.0;
constexpr double kPeakCeilingDbtp = -1.5;

// The Boxer tells the whole story: the most natural male voice, a little lower and calmer.
const SpeakerVoice kBoxer = {SpeechEngine::Flite, "rms", -150, 0.94, "en-us+m7", 30};

SpeakerVoice VoiceOf(const std::string& opponent) {
  static const std::map<std::string, SpeakerVoice> kVoices = {
      // The boss of the block: deep and slow.
      {"Kingpin", {SpeechEngine::Flite, "awb", -450, 0.88, "en-us+croak", 20}},
      // Clipped and quick.
      {"Cop", {SpeechEngine::FestivalVoice, "ked_diphone", 100, 1.08, "en-us+m2", 45}},
      // A Scots driver, as he was written.
      {"Truck driver", {SpeechEngine::Flite, "awb", -100, 1.0, "en-gb-scotland+m4", 35}},
      {"Biker", {SpeechEngine::FestivalVoice, "kal_diphone", -300, 0.95, "en-us+m6", 40}},
      {"Hooker", {SpeechEngine::FestivalVoice, "cmu_us_slt_arctic_hts", -100, 0.96, "en-us+f2", 55}},
      // Measured and high.
      {"Inspector", {SpeechEngine::Flite, "rms", 250, 0.9, "en-gb-x-rp+m1", 40}},
      {"Bandit", {SpeechEngine::FestivalVoice, "ked_diphone", -400, 0.92, "en-us+m5", 25}},
  };
  const auto it = kVoices.find(opponent);
  return it == kVoices.end() ? kBoxer : it->second;
}

// Writes one recording and appends when each of its lines is heard to `timings`.
void WriteRecording(const std::filesystem::path& dir, const std::string& file, const std::vector<std::string>& lines,
                    const SpeakerVoice& voice, double maxSeconds, const std::filesystem::path& scratch,
                    std::ostream& timings) {
  std::vector<LineTiming> heard;
  std::vector<float> samples = SpeakLines(lines, voice, maxSeconds, scratch, heard);
  NormalizeLoudness(samples, kVoiceRate, 1, kVoiceLufs, kPeakCeilingDbtp);
  WriteWav16(dir / file, kVoiceRate, 1, samples);
  char times[64];
  for (const LineTiming& line : heard) {
    std::snprintf(times, sizeof times, " %.2f %.2f ", line.start, line.end);
    timings << file << times << line.text << "\n";
  }
}

void WriteVoices(const std::filesystem::path& baseDir) {
  const std::filesystem::path dir = baseDir / "monologs";
  std::filesystem::create_directories(dir);
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("brelloch-voices-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  std::ostringstream timings;
  timings << "# When each spoken line is heard: recording, start and end in seconds, the words.\n";
  try {
    for (const ArenaStory& story : ReadStory()) {
      const std::string n = std::to_string(story.arena);
      WriteRecording(dir, n + ".wav", story.storyLines, kBoxer, kStorySeconds, scratch, timings);
      // The ending has no opponent: its fight-start file is the Boxer's closing line.
      const bool hasTaunt = !story.taunt.empty();
      const std::string line = hasTaunt ? story.taunt : story.storyLines.back();
      WriteRecording(dir, n + "_.wav", {line}, hasTaunt ? VoiceOf(story.opponent) : kBoxer, kTauntSeconds,
                     scratch, timings);
    }
  } catch (...) {
    std::filesystem::remove_all(scratch);
    throw;
  }
  std::filesystem::remove_all(scratch);
  std::ofstream(dir / "lines.txt", std::ios::binary) << timings.str();
}

}  // namespace

REGISTER_CONTENT_KIND(voices, WriteVoices);
