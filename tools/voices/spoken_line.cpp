#include "voices/spoken_line.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "audio_common/dsp.h"
#include "audio_common/wav_writer.h"

namespace {

constexpr double kLeadIn = 0.25;   // a breath before the first word
constexpr double kTail = 0.3;
constexpr double kPause = 0.45;    // between two lines of a monologue

void Run(const std::string& command) {
  if (std::system(command.c_str()) != 0) throw std::runtime_error("speech synthesis failed: " + command);
}

std::string Quoted(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

// The synthesiser's raw recording of one line into `wave`.
void Synthesise(const std::string& text, const SpeakerVoice& speaker, const std::filesystem::path& scratch,
                const std::filesystem::path& wave) {
  const std::filesystem::path textFile = scratch / "line.txt";
  std::ofstream(textFile) << text << "\n";
  if (!VoiceInstalled(speaker)) {
    // -w writes a proper WAV header (standard output would not).
    Run(std::string("espeak-ng -v ") + speaker.espeak + " -s 150 -p " + std::to_string(speaker.espeakPitch) +
        " -a 160 -f " + Quoted(textFile) + " -w " + Quoted(wave));
  } else if (speaker.engine == SpeechEngine::Flite) {
    Run(std::string("flite -voice ") + speaker.voice + " -f " + Quoted(textFile) + " -o " + Quoted(wave));
  } else {
    Run(std::string("text2wave -eval '(voice_") + speaker.voice + ")' " + Quoted(textFile) + " -o " +
        Quoted(wave) + " >/dev/null 2>&1");
  }
}

// One line in the character's voice at kVoiceRate: pitch and tempo through sox, without dither so
// that the same text always gives the same samples.
std::vector<float> SpeakOne(const std::string& text, const SpeakerVoice& speaker, double tempo,
                            const std::filesystem::path& scratch) {
  const std::filesystem::path raw = scratch / "raw.wav", shifted = scratch / "line.wav";
  Synthesise(text, speaker, scratch, raw);
  std::ostringstream sox;
  sox << "sox -D -V1 " << Quoted(raw) << " -b 16 -c 1 " << Quoted(shifted);
  if (VoiceInstalled(speaker) && speaker.pitchCents != 0) sox << " pitch " << speaker.pitchCents;
  if (tempo != 1.0) sox << " tempo -s " << tempo;
  sox << " rate -v " << kVoiceRate;
  Run(sox.str());
  int rate = 0, channels = 0;
  std::vector<float> samples;
  if (!ReadWav16(shifted, rate, channels, samples) || channels != 1 || rate != kVoiceRate) {
    throw std::runtime_error("no usable recording of: " + text);
  }
  // The synthesisers' own silences at the ends would stretch the pauses unevenly.
  const auto loud = [](float v) { return std::abs(v) > 0.01f; };
  const auto first = std::find_if(samples.begin(), samples.end(), loud);
  const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
  if (first >= last) throw std::runtime_error("silent recording of: " + text);
  std::vector<float> trimmed(first, last);
  ShapeVoice(trimmed, kVoiceRate);
  return trimmed;
}

}  // namespace

bool VoiceInstalled(const SpeakerVoice& speaker) {
  if (speaker.engine == SpeechEngine::Flite) {
    return std::system(("flite -lv 2>/dev/null | tr ' ' '\\n' | grep -qx " + std::string(speaker.voice)).c_str()) == 0;
  }
  for (const char* language : {"us", "english"}) {
    if (std::filesystem::exists(std::filesystem::path("/usr/share/festival/voices") / language / speaker.voice)) {
      return true;
    }
  }
  return false;
}

std::vector<float> SpeakLines(const std::vector<std::string>& lines, const SpeakerVoice& speaker,
                              double maxSeconds, const std::filesystem::path& scratchDir,
                              std::vector<LineTiming>& timings) {
  double tempo = speaker.tempo;
  for (int attempt = 0; attempt < 4; ++attempt) {
    std::vector<float> recording(static_cast<size_t>(kLeadIn * kVoiceRate), 0.0f);
    timings.clear();
    for (const std::string& line : lines) {
      if (!timings.empty()) recording.resize(recording.size() + static_cast<size_t>(kPause * kVoiceRate), 0.0f);
      const double start = double(recording.size()) / kVoiceRate;
      const std::vector<float> spoken = SpeakOne(line, speaker, tempo, scratchDir);
      recording.insert(recording.end(), spoken.begin(), spoken.end());
      timings.push_back({start, double(recording.size()) / kVoiceRate, line});
    }
    recording.resize(recording.size() + static_cast<size_t>(kTail * kVoiceRate), 0.0f);
    const double seconds = double(recording.size()) / kVoiceRate;
    if (seconds <= maxSeconds) return recording;
    tempo *= seconds / maxSeconds * 1.03;
  }
  throw std::runtime_error("lines too long to speak in " + std::to_string(maxSeconds) + " s: " + lines.front());
}

void ShapeVoice(std::vector<float>& samples, int rate) {
  Biquad rumble(Biquad::Kind::HighPass, rate, 90.0, 0.7);
  Biquad presence(Biquad::Kind::Peak, rate, 2800.0, 0.9, 2.0);
  for (float& v : samples) v = presence.Process(rumble.Process(v));
  // Even out the loud and quiet syllables a little; the level is set on the whole recording.
  NormalizePeak(samples, 1.0f);
  for (float& v : samples) v = SoftClip(1.3f * v);
  FadeEdges(samples, rate, 0.01, 0.04);
}
