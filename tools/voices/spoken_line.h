#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The speech synthesisers the characters speak with, all run as Debian's command-line tools (no
// library headers are installed): festival with its HTS and diphone voices, flite with its
// clustergen voices, and espeak-ng as the fallback when a voice is not installed.
enum class SpeechEngine { FestivalVoice, Flite };

// A character's voice: a synthesiser voice made recognisably its own by a pitch shift and a
// tempo (sox, deterministic), and the espeak-ng voice that stands in when the first is missing.
struct SpeakerVoice {
  SpeechEngine engine;
  const char* voice;   // festival voice ("cmu_us_slt_arctic_hts") or flite voice ("rms")
  int pitchCents;      // sox pitch shift
  double tempo;        // sox tempo factor, 1 = as synthesised
  const char* espeak;  // espeak-ng voice and variant, e.g. "en-us+m7"
  int espeakPitch;     // 0..99
};

// Whether the synthesiser voice is installed (otherwise the line is spoken by espeak-ng).
bool VoiceInstalled(const SpeakerVoice& speaker);

// The rate every spoken line is delivered at.
constexpr int kVoiceRate = 22050;

// One spoken line's place in its recording, in seconds from the recording's start.
struct LineTiming {
  double start, end;
  std::string text;
};

// Speaks the lines one after another with short pauses between them and returns the recording as
// mono floats at kVoiceRate with a breath of silence before and after, and when each line is heard.
// When the whole would run longer than `maxSeconds`, it is spoken faster so that it fits. Throws
// when a synthesiser fails or the lines cannot fit.
std::vector<float> SpeakLines(const std::vector<std::string>& lines, const SpeakerVoice& speaker,
                              double maxSeconds, const std::filesystem::path& scratchDir,
                              std::vector<LineTiming>& timings);

// Shapes a raw line for the game: rumble cut, a little presence, even syllables, soft ends.
void ShapeVoice(std::vector<float>& samples, int rate);
