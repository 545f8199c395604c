#pragma once

#include <filesystem>
#include <string>
#include <vector>

// A voice of the espeak-ng speech synthesiser, as the game's characters use it.
struct SpeakerVoice {
  const char* voice;  // espeak-ng voice and variant, e.g. "en-us+m7"
  int wordsPerMinute;
  int pitch;          // 0..99
};

// Speaks `text` with espeak-ng (the command-line tool; no library header is installed) and
// returns the recording as mono floats at `rate` (espeak-ng's 22050 Hz). When the line would run
// longer than `maxSeconds`, it is spoken again faster so that it fits. Throws when espeak-ng fails.
std::vector<float> SpeakLine(const std::string& text, const SpeakerVoice& speaker, double maxSeconds,
                             const std::filesystem::path& scratchDir, int& rate);

// Shapes a raw recording for the game: rumble cut, a little presence, even level, a short lead-in
// of silence and soft ends.
void ShapeVoice(std::vector<float>& samples, int rate, float peak);
