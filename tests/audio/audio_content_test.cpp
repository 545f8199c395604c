// The generated sounds, voices and music, checked with the game's own loaders.
#include <AL/alut.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "audio/audio.h"
#include "audio/loopback.h"
#include "audio_common/dsp.h"
#include "audio_common/loudness.h"
#include "audio_common/ogg_writer.h"
#include "audio_common/wav_writer.h"
#include "music/composer.h"
#include "music/instruments.h"

namespace fs = std::filesystem;

namespace {

const char* const kSoundFiles[] = {"steps.wav", "F1.wav", "F2.wav", "death1.wav", "death2.wav",
                                   "pain1.wav", "pain2.wav", "combo.wav", "scombo.wav",
                                   "ucombo.wav", "menu1.wav", "menu2.wav", "menu3.wav"};
const char* const kMusicFiles[] = {"menu.ogg", "1.ogg", "2.ogg", "3.ogg", "4.ogg"};

struct Decoded {
  int rate = 0;
  int channels = 0;
  std::vector<float> samples;  // interleaved
  double Seconds() const { return channels ? double(samples.size() / size_t(channels)) / rate : 0.0; }
};

// Through the same loader as SoundSource::Load, which wants a current context.
bool LoadsWithTheWavLoader(const fs::path& path, ALenum& format, ALfloat& frequency) {
  static LoopbackAudio context;
  static const bool started = alutInitWithoutContext(nullptr, nullptr) == AL_TRUE;
  if (!started) return false;
  ALsizei size = 0;
  void* data = alutLoadMemoryFromFile(path.string().c_str(), &format, &size, &frequency);
  std::free(data);
  return data != nullptr && size > 0;
}

Decoded DecodeWav(const fs::path& path) {
  Decoded d;
  EXPECT_TRUE(ReadWav16(path, d.rate, d.channels, d.samples)) << path;
  return d;
}

Decoded DecodeOgg(const fs::path& path) {
  Decoded d;
  OggVorbis_File vf;
  if (ov_fopen(path.string().c_str(), &vf) != 0) return d;
  const vorbis_info* info = ov_info(&vf, -1);
  d.rate = int(info->rate);
  d.channels = info->channels;
  char buffer[16384];
  int bitstream = 0;
  long got;
  while ((got = ov_read(&vf, buffer, sizeof buffer, 0, 2, 1, &bitstream)) > 0) {
    for (long i = 0; i + 1 < got; i += 2) {
      d.samples.push_back(float(std::int16_t(std::uint8_t(buffer[i]) | std::uint8_t(buffer[i + 1]) << 8)) / 32768.0f);
    }
  }
  ov_clear(&vf);
  return d;
}

// The jump from the last frame back to the first, against the steps the signal itself takes:
// it must be no larger than the sharpest 1 % of them.
void ExpectSeamless(const Decoded& d) {
  const size_t frames = d.samples.size() / size_t(d.channels);
  ASSERT_GT(frames, 2u);
  for (int c = 0; c < d.channels; ++c) {
    std::vector<float> steps;
    steps.reserve(frames);
    for (size_t i = 1; i < frames; ++i) {
      steps.push_back(std::fabs(d.samples[i * d.channels + c] - d.samples[(i - 1) * d.channels + c]));
    }
    std::nth_element(steps.begin(), steps.begin() + long(steps.size() * 99 / 100), steps.end());
    const float sharp = steps[steps.size() * 99 / 100];
    const float seam = std::fabs(d.samples[c] - d.samples[(frames - 1) * d.channels + c]);
    EXPECT_LE(seam, std::max(sharp, 0.002f)) << "channel " << c;
  }
}

TEST(AudioContent, EverySoundEffectLoadsAndSitsInItsLevelRange) {
  for (const char* name : kSoundFiles) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path("base") / "sound" / name;
    ALenum format = 0;
    ALfloat frequency = 0;
    ASSERT_TRUE(LoadsWithTheWavLoader(path, format, frequency));
    EXPECT_EQ(format, AL_FORMAT_MONO16);
    EXPECT_EQ(frequency, 44100.0f);
    const Decoded d = DecodeWav(path);
    EXPECT_GT(d.Seconds(), 0.04);
    EXPECT_LT(d.Seconds(), 2.0);
    EXPECT_GT(PeakOf(d.samples), 0.4f);
    EXPECT_LT(PeakOf(d.samples), 0.99f) << "no clipping";
    EXPECT_GT(RmsOf(d.samples), 0.03f);
    // One-shots start and end at rest, so they never click on or off.
    if (std::string(name) != "steps.wav") {
      EXPECT_LT(std::fabs(d.samples.back()), 0.01f);
    }
  }
  // The three combo sounds climb in length and weight.
  const Decoded combo = DecodeWav("base/sound/combo.wav");
  const Decoded super = DecodeWav("base/sound/scombo.wav");
  const Decoded ultra = DecodeWav("base/sound/ucombo.wav");
  EXPECT_LT(combo.Seconds(), super.Seconds());
  EXPECT_LT(super.Seconds(), ultra.Seconds());
}

TEST(AudioContent, TheFootstepLoopHasNoSeam) {
  const Decoded steps = DecodeWav("base/sound/steps.wav");
  ExpectSeamless(steps);
}

TEST(AudioContent, MonologuesFitTheirScreens) {
  for (int arena = 1; arena <= 8; ++arena) {
    for (const char* suffix : {"", "_"}) {
      const fs::path path = fs::path("base") / "monologs" / (std::to_string(arena) + suffix + ".wav");
      SCOPED_TRACE(path.string());
      ALenum format = 0;
      ALfloat frequency = 0;
      ASSERT_TRUE(LoadsWithTheWavLoader(path, format, frequency));
      EXPECT_EQ(format, AL_FORMAT_MONO16);
      const Decoded d = DecodeWav(path);
      // The story slideshow lasts 42 s at the least; the first round waits 8 s for its intro.
      if (*suffix) {
        EXPECT_GT(d.Seconds(), 1.0);
        EXPECT_LT(d.Seconds(), 8.0);
      } else {
        EXPECT_GT(d.Seconds(), 10.0);
        EXPECT_LT(d.Seconds(), 40.0);
      }
      EXPECT_GT(PeakOf(d.samples), 0.3f) << "speech, not silence";
      EXPECT_LT(PeakOf(d.samples), 0.95f);
    }
  }
}

// monologs/lines.txt tells when each spoken line is heard: every recording has its lines, in
// order, inside the recording, each long enough to read.
TEST(AudioContent, LineTimesLieInsideTheirRecordings) {
  std::ifstream in(fs::path("base") / "monologs" / "lines.txt");
  ASSERT_TRUE(in) << "base/monologs/lines.txt";
  std::map<std::string, std::vector<std::pair<double, double>>> times;
  std::string row;
  while (std::getline(in, row)) {
    if (row.empty() || row[0] == '#') continue;
    std::istringstream fields(row);
    std::string file, text;
    double start = 0, end = 0;
    ASSERT_TRUE(fields >> file >> start >> end) << row;
    std::getline(fields >> std::ws, text);
    EXPECT_FALSE(text.empty()) << row;
    times[file].push_back({start, end});
  }
  ASSERT_EQ(times.size(), 16u);
  for (const auto& [file, lines] : times) {
    const Decoded d = DecodeWav(fs::path("base") / "monologs" / file);
    double previousEnd = 0;
    for (const auto& [start, end] : lines) {
      EXPECT_GE(start, previousEnd) << file;
      EXPECT_GT(end - start, 0.5) << file;
      EXPECT_LE(end, d.Seconds()) << file;
      previousEnd = end;
    }
    EXPECT_EQ(lines.size() > 1, file.find('_') == std::string::npos) << file << ": monologues have several lines";
  }
}

// EBU R128 through libebur128: the music tracks within 1 LU of each other, the voices too, the
// effects in their documented ranges, and no true peak at -1 dBTP or above.
TEST(AudioContent, LoudnessIsEvenAndTruePeaksStayUnderOneDecibel) {
  const auto spread = [](const std::vector<double>& v) {
    return *std::max_element(v.begin(), v.end()) - *std::min_element(v.begin(), v.end());
  };
  std::vector<double> music;
  for (const char* name : kMusicFiles) {
    const Decoded d = DecodeOgg(fs::path("base") / "music" / name);
    music.push_back(IntegratedLoudness(d.samples, d.rate, d.channels));
    EXPECT_LT(TruePeakDb(d.samples, d.rate, d.channels), -1.0) << name;
    std::printf("music %-10s %6.2f LUFS %6.2f dBTP\n", name, music.back(), TruePeakDb(d.samples, d.rate, d.channels));
  }
  EXPECT_LE(spread(music), 1.0) << "music tracks";

  std::vector<double> voices;
  for (int arena = 1; arena <= 8; ++arena)
    for (const char* suffix : {"", "_"}) {
      const std::string name = std::to_string(arena) + suffix + ".wav";
      const Decoded d = DecodeWav(fs::path("base") / "monologs" / name);
      voices.push_back(IntegratedLoudness(d.samples, d.rate, d.channels));
      EXPECT_LT(TruePeakDb(d.samples, d.rate, d.channels), -1.0) << name;
    }
  EXPECT_LE(spread(voices), 1.0) << "voices";
  std::printf("voices %6.2f .. %6.2f LUFS\n", *std::min_element(voices.begin(), voices.end()),
              *std::max_element(voices.begin(), voices.end()));
  // The voices carry over the music.
  EXPECT_GT(*std::min_element(voices.begin(), voices.end()), *std::max_element(music.begin(), music.end()) + 1.0);

  // Effects are mostly shorter than the integrated measure's 400 ms blocks: their loudest 400 ms.
  // Blows, cries and jingles stand out (-22 to -7 LUFS); the menu's clicks, the whoosh and the
  // footsteps sit under them (-34 to -12 LUFS).
  for (const char* name : kSoundFiles) {
    const Decoded d = DecodeWav(fs::path("base") / "sound" / name);
    const double lufs = MaxMomentaryLoudness(d.samples, d.rate, d.channels);
    std::printf("effect %-11s %6.2f LUFS momentary %6.2f dBTP\n", name, lufs, TruePeakDb(d.samples, d.rate, d.channels));
    EXPECT_LT(TruePeakDb(d.samples, d.rate, d.channels), -1.0) << name;
    const bool quiet = std::string(name).rfind("menu", 0) == 0 || std::string(name) == "steps.wav";
    EXPECT_GE(lufs, quiet ? -34.0 : -22.0) << name;
    EXPECT_LE(lufs, quiet ? -12.0 : -7.0) << name;
  }
}

TEST(AudioContent, MusicTracksAreStereoAndLoopWithoutAJump) {
  LoopbackAudio audio;
  ASSERT_TRUE(audio.ok());
  for (const char* name : kMusicFiles) {
    SCOPED_TRACE(name);
    const fs::path path = fs::path("base") / "music" / name;
    const Decoded d = DecodeOgg(path);
    EXPECT_EQ(d.rate, 44100);
    EXPECT_EQ(d.channels, 2);
    EXPECT_GE(d.Seconds(), 60.0);
    EXPECT_LE(d.Seconds(), 120.0);
    // Music sits under the effects and voices, which reach the ears at about 0.4 of full scale.
    EXPECT_LT(PeakOf(d.samples), 0.65f);
    EXPECT_GT(RmsOf(d.samples), 0.06f);
    EXPECT_LT(RmsOf(d.samples), 0.1f);
    ExpectSeamless(d);
    MusicStream stream;
    const std::string gamePath = std::string(".\\base\\music\\") + name;
    EXPECT_TRUE(stream.Open(gamePath.c_str()));
    EXPECT_EQ(stream.Channels(), 2);
  }
}

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Regenerating gives the same bytes as the build did: the effects and voices through the
// generator itself, the music by composing and encoding one track again (all five would take
// the better part of a minute).
TEST(AudioContent, TheGeneratorWritesTheSameBytesEveryTime) {
  const fs::path again = fs::temp_directory_path() / ("brelloch-audio-again-" + std::to_string(::getpid()));
  const std::string command = std::string("'") + BRELLOCH_CONTENT_TOOL + "' '" + again.string() +
                              "' sounds voices";
  ASSERT_EQ(std::system(command.c_str()), 0) << command;
  int compared = 0;
  for (const char* folder : {"sound", "monologs"}) {
    for (const auto& entry : fs::directory_iterator(again / folder)) {
      SCOPED_TRACE(entry.path().string());
      const std::string bytes = Bytes(entry.path());
      EXPECT_FALSE(bytes.empty());
      EXPECT_TRUE(bytes == Bytes(fs::path("base") / folder / entry.path().filename()));
      ++compared;
    }
  }
  EXPECT_EQ(compared, 13 + 16 + 1);  // with the voices' line times

  const TrackStyle& track = GameTracks().back();
  fs::create_directories(again / "music");
  WriteOggVorbis(again / "music" / track.file, kMusicRate, 2, Compose(track), kMusicQuality);
  EXPECT_TRUE(Bytes(again / "music" / track.file) == Bytes(fs::path("base") / "music" / track.file));
  fs::remove_all(again);
}

}  // namespace
