#include "voices/spoken_line.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>

#include "audio_common/dsp.h"
#include "audio_common/wav_writer.h"

namespace {

std::vector<float> RunEspeak(const std::string& text, const SpeakerVoice& speaker, int speed,
                             const std::filesystem::path& scratchDir, int& rate) {
  const std::filesystem::path textFile = scratchDir / "line.txt";
  const std::filesystem::path waveFile = scratchDir / "line.wav";
  std::ofstream(textFile) << text << "\n";
  // -w writes a proper WAV header (standard output would not).
  const std::string command = std::string("espeak-ng -v ") + speaker.voice + " -s " +
                              std::to_string(speed) + " -p " + std::to_string(speaker.pitch) +
                              " -a 160 -f '" + textFile.string() + "' -w '" + waveFile.string() + "'";
  if (std::system(command.c_str()) != 0) throw std::runtime_error("espeak-ng failed: " + command);
  int channels = 0;
  std::vector<float> samples;
  if (!ReadWav16(waveFile, rate, channels, samples) || channels != 1) {
    throw std::runtime_error("espeak-ng wrote no usable WAV for: " + text);
  }
  return samples;
}

}  // namespace

std::vector<float> SpeakLine(const std::string& text, const SpeakerVoice& speaker, double maxSeconds,
                             const std::filesystem::path& scratchDir, int& rate) {
  int speed = speaker.wordsPerMinute;
  std::vector<float> samples = RunEspeak(text, speaker, speed, scratchDir, rate);
  for (int attempt = 0; attempt < 4; ++attempt) {
    const double seconds = double(samples.size()) / rate + 0.6;  // with the lead-in and tail
    if (seconds <= maxSeconds) break;
    speed = int(speed * seconds / maxSeconds * 1.04) + 1;
    samples = RunEspeak(text, speaker, speed, scratchDir, rate);
  }
  if (double(samples.size()) / rate + 0.6 > maxSeconds) {
    throw std::runtime_error("line too long to speak in " + std::to_string(maxSeconds) + " s: " + text);
  }
  return samples;
}

void ShapeVoice(std::vector<float>& samples, int rate, float peak) {
  Biquad rumble(Biquad::Kind::HighPass, rate, 90.0, 0.7);
  Biquad presence(Biquad::Kind::Peak, rate, 2800.0, 0.9, 3.0);
  Biquad body(Biquad::Kind::Peak, rate, 180.0, 0.8, 2.0);
  for (float& v : samples) v = body.Process(presence.Process(rumble.Process(v)));
  // Even out the loud and quiet syllables a little before the level is set.
  NormalizePeak(samples, 1.0f);
  for (float& v : samples) v = SoftClip(1.5f * v);
  FadeEdges(samples, rate, 0.01, 0.05);
  std::vector<float> shaped(size_t(0.25 * rate), 0.0f);  // a breath before the first word
  shaped.insert(shaped.end(), samples.begin(), samples.end());
  shaped.resize(shaped.size() + size_t(0.3 * rate), 0.0f);
  NormalizePeak(shaped, peak);
  samples.swap(shaped);
}
