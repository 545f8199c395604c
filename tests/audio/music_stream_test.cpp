// The streamed music as the player hears it: formats, loops, the fade, broken files.
#include <AL/al.h>
#include <gtest/gtest.h>
#include <vorbis/vorbisfile.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <tuple>

#include "app/settings.h"
#include "audio/audio.h"
#include "audio/loopback.h"
#include "audio/test_doubles.h"
#include "audio_common/ogg_writer.h"
#include "audio_common/wav_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = LoopbackAudio::kRate;
constexpr int kFrameSlice = kRate / 60;  // the game services the music once per frame

// A gliding tone with a slow tremolo: no stretch of it repeats, so a skipped or repeated chunk
// cannot line up with what should have played.
std::vector<float> Melody(int frames, int channels, int rate, float hz, double glide) {
  std::vector<float> samples(size_t(frames) * channels);
  double phase = 0.0;
  for (int i = 0; i < frames; ++i) {
    const double t = double(i) / rate;
    phase += 2.0 * M_PI * hz * (1.0 + glide * std::sin(2.0 * M_PI * 0.37 * t)) / rate;
    const float v = float(0.4 * std::sin(phase) * (0.75 + 0.25 * std::sin(2.0 * M_PI * 1.3 * t)));
    for (int c = 0; c < channels; ++c) samples[size_t(i) * channels + c] = c == 0 ? v : 0.0f;
  }
  return samples;
}

// What vorbisfile decodes from a file: the signal the game should play, sample for sample.
std::vector<float> DecodeMono(const fs::path& path) {
  OggVorbis_File vf;
  std::vector<float> out;
  if (ov_fopen(path.string().c_str(), &vf) != 0) return out;
  char buf[8192];
  int bitstream = 0;
  long got;
  while ((got = ov_read(&vf, buf, sizeof buf, 0, 2, 1, &bitstream)) > 0) {
    for (long i = 0; i + 1 < got; i += 2) {
      out.push_back(int16_t(uint8_t(buf[i]) | uint8_t(buf[i + 1]) << 8) / 32768.0f);
    }
  }
  ov_clear(&vf);
  return out;
}

float ZeroCrossingHz(const std::vector<float>& stereo, int channel, int rate) {
  int crossings = 0;
  for (size_t i = size_t(channel) + 2; i < stereo.size(); i += 2) {
    if ((stereo[i - 2] < 0.0f) != (stereo[i] < 0.0f)) ++crossings;
  }
  return crossings / 2.0f / (float(stereo.size() / 2) / rate);
}

class MusicStreamTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(audio.ok());
    dir = fs::temp_directory_path() / ("brelloch-music-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    Settings.musicOn = true;
    ShownMessages.clear();
  }
  void TearDown() override {
    stream.Release();
    fs::remove_all(dir);
  }
  std::string Track(const char* name, int frames, int channels, int rate = kRate, float hz = 330.0f,
                    double glide = 0.3) {
    const fs::path path = dir / name;
    WriteOggVorbis(path, rate, channels, Melody(frames, channels, rate, hz, glide));
    return path.string();
  }
  // Renders `frames` of the mix the way the frame loop drives the stream: Update, then a frame.
  std::vector<float> PlayFrames(int frames, int frameSlice = kFrameSlice) {
    std::vector<float> mix;
    for (int done = 0; done < frames; done += frameSlice) {
      stream.Update();
      const std::vector<float> slice = audio.Render(std::min(frameSlice, frames - done));
      mix.insert(mix.end(), slice.begin(), slice.end());
    }
    return mix;
  }

  LoopbackAudio audio;
  fs::path dir;
  MusicStream stream;
};

TEST_F(MusicStreamTest, MonoAndStereoFilesStreamAtTheirOwnRateAndFormat) {
  ASSERT_TRUE(stream.Open(Track("mono.ogg", 22050 * 3, 1, 22050, 441.0f, 0.0).c_str()));
  EXPECT_EQ(stream.Channels(), 1);
  EXPECT_EQ(stream.SampleRate(), 22050);
  int monoEntries = 0;
  for (const auto& [name, info] : BufferCache) {
    monoEntries += info.format == AL_FORMAT_MONO16 && info.frequency == 22050 && name == info.buffer;
  }
  EXPECT_EQ(monoEntries, MusicStream::kBufferCount);
  stream.SetGain(1.0f);
  stream.Play();
  const std::vector<float> mono = PlayFrames(kRate);
  // At the wrong rate the pitch would be doubled or halved.
  EXPECT_NEAR(ZeroCrossingHz(mono, 0, kRate), 441.0f, 5.0f);
  stream.Release();

  ASSERT_TRUE(stream.Open(Track("stereo.ogg", kRate * 3, 2, kRate, 441.0f, 0.0).c_str()));
  EXPECT_EQ(stream.Channels(), 2);
  EXPECT_EQ(stream.SampleRate(), kRate);
  stream.SetGain(1.0f);
  stream.Play();
  const std::vector<float> stereo = PlayFrames(kRate);
  EXPECT_NEAR(ZeroCrossingHz(stereo, 0, kRate), 441.0f, 5.0f);
  // The tone is on the left channel only; read as mono it would be smeared over both.
  EXPECT_GT(ChannelRms(stereo, 0), 0.1f);
  EXPECT_GT(ChannelRms(stereo, 0), 4.0f * ChannelRms(stereo, 1));
}

// Track lengths in mono frames around the chunk of 131072 frames (262144 bytes); the frame rate
// in Updates per second: at 4 a buffer finishes before the next chunk is fully decoded ahead.
class MusicLoopTest : public MusicStreamTest, public ::testing::WithParamInterface<std::tuple<int, int>> {};

TEST_P(MusicLoopTest, LoopsBackToTheStartWithoutAGapOrARepeat) {
  const auto [frames, framesPerSecond] = GetParam();
  const std::string path = Track("loop.ogg", frames, 1);
  const std::vector<float> track = DecodeMono(path);
  ASSERT_EQ(int(track.size()), frames);
  ASSERT_TRUE(stream.Open(path.c_str()));
  stream.SetGain(1.0f);
  stream.Play();
  const int total = int(2.5 * std::max(frames, 2 * 131072));
  const std::vector<float> mix = PlayFrames(total, kRate / framesPerSecond);

  // The mix is the track repeated end to end, at the mono source's centred pan.
  double num = 0, den = 0;
  for (int i = 0; i < 4096; ++i) {
    num += double(mix[2 * i]) * track[i];
    den += double(track[i]) * track[i];
  }
  const double pan = num / den;
  ASSERT_GT(pan, 0.3);
  int firstBad = -1;
  for (int i = 0; i < total && firstBad < 0; ++i) {
    if (std::fabs(mix[2 * size_t(i)] - pan * track[size_t(i % frames)]) > 2e-3) firstBad = i;
  }
  EXPECT_EQ(firstBad, -1) << "the mix leaves the looped track at frame " << firstBad << " (track "
                          << frames << " frames, loop " << (firstBad / frames) << ")";
  EXPECT_TRUE(stream.IsPlaying());
  EXPECT_TRUE(ShownMessages.empty());
}

INSTANTIATE_TEST_SUITE_P(TrackLengths, MusicLoopTest,
                         ::testing::Combine(::testing::Values(200000,       // not a multiple of the chunk
                                                              2 * 131072,   // ends exactly on a chunk boundary
                                                              131072,       // exactly one chunk
                                                              30000),       // shorter than one chunk
                                            ::testing::Values(60, 4)));

TEST_F(MusicStreamTest, TheFadeKeepsSilentFor375StepUnitsAndReachesFullGain250Later) {
  ASSERT_TRUE(stream.Open(Track("fade.ogg", kRate * 2, 2).c_str()));
  stream.Play();
  RestartMusicFade();
  float gain = -1.0f;
  float loudestWhileSilent = 0.0f;
  for (int frame = 1; frame <= 374; ++frame) {
    ServiceMusic(stream, 1.0f);
    loudestWhileSilent = std::max(loudestWhileSilent, Peak(audio.Render(441)));
  }
  alGetSourcef(stream.sourceId, AL_GAIN, &gain);
  EXPECT_EQ(gain, 0.0f);
  EXPECT_EQ(loudestWhileSilent, 0.0f);
  for (int frame = 375; frame <= 377; ++frame) ServiceMusic(stream, 1.0f);
  alGetSourcef(stream.sourceId, AL_GAIN, &gain);
  EXPECT_GT(gain, 0.0f);
  EXPECT_LT(gain, 0.02f);
  for (int frame = 378; frame <= 623; ++frame) ServiceMusic(stream, 1.0f);
  alGetSourcef(stream.sourceId, AL_GAIN, &gain);
  EXPECT_GT(gain, 0.98f);
  EXPECT_LT(gain, 1.0f);
  for (int frame = 624; frame <= 700; ++frame) ServiceMusic(stream, 1.0f);
  alGetSourcef(stream.sourceId, AL_GAIN, &gain);
  EXPECT_EQ(gain, 1.0f);
  EXPECT_GT(Peak(audio.Render(4410)), 0.1f);
  // A slower frame rate reaches the same point in the same time: 125 frames of 3 step units.
  RestartMusicFade();
  for (int frame = 1; frame <= 125; ++frame) ServiceMusic(stream, 3.0f);
  EXPECT_NEAR(MusicFade, 0.0f, 1e-4f);
}

TEST_F(MusicStreamTest, RewindStartsAgainFromTheFirstBars) {
  const std::string path = Track("rewind.ogg", 200000, 1);
  const std::vector<float> track = DecodeMono(path);
  ASSERT_TRUE(stream.Open(path.c_str()));
  stream.SetGain(1.0f);
  stream.Play();
  PlayFrames(kRate * 2);
  stream.Rewind();
  EXPECT_FALSE(stream.IsPlaying());
  stream.Play();
  const std::vector<float> mix = PlayFrames(kRate * 4);
  double num = 0, den = 0;
  for (int i = 0; i < 4096; ++i) {
    num += double(mix[2 * i]) * track[i];
    den += double(track[i]) * track[i];
  }
  const double pan = num / den;
  EXPECT_GT(pan, 0.3);
  double worst = 0;
  for (int i = 0; i < kRate * 4; ++i) {
    worst = std::max(worst, std::fabs(mix[2 * size_t(i)] - pan * track[size_t(i % 200000)]));
  }
  EXPECT_LT(worst, 2e-3);
}

TEST_F(MusicStreamTest, AStarvedStreamPlaysOnAtTheNextUpdateButAStoppedOneStaysSilent) {
  ASSERT_TRUE(stream.Open(Track("starve.ogg", kRate * 5, 2).c_str()));
  stream.SetGain(1.0f);
  stream.Play();
  audio.Render(kRate * 4);  // no frame ran for longer than the two queued chunks last
  EXPECT_FALSE(stream.IsPlaying());
  EXPECT_GT(Peak(PlayFrames(kRate / 2)), 0.1f);
  EXPECT_TRUE(stream.IsPlaying());

  stream.Stop();
  audio.Render(kRate * 4);
  EXPECT_EQ(Peak(PlayFrames(kRate / 2)), 0.0f);
  EXPECT_FALSE(stream.IsPlaying());
  stream.Rewind();
  EXPECT_EQ(Peak(PlayFrames(kRate / 2)), 0.0f);
  stream.Play();
  EXPECT_GT(Peak(PlayFrames(kRate / 2)), 0.1f);
}

TEST_F(MusicStreamTest, MissingAndNonOggFilesFailToOpenCleanly) {
  const size_t cacheBefore = BufferCache.size();
  EXPECT_FALSE(stream.Open((dir / "missing.ogg").string().c_str()));
  const fs::path wave = dir / "wave.ogg";
  WriteWav16(wave, kRate, 1, std::vector<float>(1000, 0.1f));
  EXPECT_FALSE(stream.Open(wave.string().c_str()));
  const fs::path text = dir / "text.ogg";
  std::ofstream(text) << "OggS is how it should start, but this is not it";
  EXPECT_FALSE(stream.Open(text.string().c_str()));
  // Only Ogg files are streamed, whatever they hold.
  const fs::path renamed = dir / "real.wav";
  fs::copy_file(Track("real.ogg", 1000, 1), renamed);
  EXPECT_FALSE(stream.Open(renamed.string().c_str()));
  EXPECT_FALSE(stream.IsOpen());
  EXPECT_EQ(stream.sourceId, 0u);
  EXPECT_EQ(BufferCache.size(), cacheBefore);
  stream.Update();
  stream.Play();
  stream.Rewind();
  EXPECT_FALSE(stream.IsPlaying());
  EXPECT_TRUE(ShownMessages.empty());
}

TEST_F(MusicStreamTest, ADamagedFileNeverHangsAndStopsOrPlaysOn) {
  const std::string good = Track("good.ogg", kRate * 4, 2);
  std::ifstream in(good, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(bytes.size(), 10000u);
  struct Damage {
    const char* name;
    std::string bytes;
  };
  std::vector<Damage> damaged;
  std::string sprinkled = bytes;
  for (size_t i = 6000; i < sprinkled.size(); i += 997) sprinkled[i] = char(sprinkled[i] ^ 0x5a);
  damaged.push_back({"sprinkled", sprinkled});
  std::string zeroed = bytes;
  std::fill(zeroed.begin() + 6000, zeroed.end(), '\0');
  damaged.push_back({"zeroed", zeroed});
  damaged.push_back({"truncated", bytes.substr(0, bytes.size() / 2)});
  damaged.push_back({"headers only", bytes.substr(0, 5000)});

  for (const Damage& d : damaged) {
    SCOPED_TRACE(d.name);
    const fs::path path = dir / "damaged.ogg";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << d.bytes;
    if (!stream.Open(path.string().c_str())) continue;
    stream.SetGain(1.0f);
    stream.Play();
    const std::vector<float> mix = PlayFrames(kRate * 6);  // returns: that is the point
    EXPECT_LE(Peak(mix), 1.0f);
    stream.Release();
    EXPECT_EQ(stream.sourceId, 0u);
  }
  // A file with nothing to decode after its headers gives up and stays stopped.
  const fs::path empty = dir / "empty.ogg";
  WriteOggVorbis(empty, kRate, 2, {});
  if (stream.Open(empty.string().c_str())) {
    stream.Play();
    PlayFrames(kRate);
    EXPECT_FALSE(stream.IsPlaying());
  }
}

TEST_F(MusicStreamTest, ReleasedStreamsFreeTheirBuffersAndLeaveTheCache) {
  const std::string path = Track("cycle.ogg", kRate * 2, 2);
  const size_t cacheBefore = BufferCache.size();
  std::vector<std::uint32_t> released;
  for (int i = 0; i < 50; ++i) {
    ASSERT_TRUE(stream.Open(path.c_str()));
    EXPECT_EQ(BufferCache.size(), cacheBefore + MusicStream::kBufferCount);
    for (const auto& entry : BufferCache) released.push_back(entry.first);
    stream.Play();
    PlayFrames(kFrameSlice * 3);
    stream.Release();
  }
  EXPECT_EQ(BufferCache.size(), cacheBefore);
  for (std::uint32_t name : released) EXPECT_FALSE(alIsBuffer(name)) << name;
  // Opening an open stream again releases the old one first.
  ASSERT_TRUE(stream.Open(path.c_str()));
  ASSERT_TRUE(stream.Open(path.c_str()));
  EXPECT_EQ(BufferCache.size(), cacheBefore + MusicStream::kBufferCount);
}

TEST_F(MusicStreamTest, CheckAlErrorShowsTheOpenAlErrorInAWarningBox) {
  EXPECT_TRUE(CheckAlError());
  EXPECT_TRUE(ShownMessages.empty());
  alSourcePlay(0xdeadbeef);  // no such source
  EXPECT_FALSE(CheckAlError());
  ASSERT_EQ(ShownMessages.size(), 1u);
  EXPECT_EQ(ShownMessages[0].caption, "Error");
  EXPECT_EQ(ShownMessages[0].text, std::string("OpenAL error: ") + alGetString(AL_INVALID_NAME));
  EXPECT_EQ(ShownMessages[0].icon, MessageIcon::Exclamation);
  EXPECT_TRUE(CheckAlError()) << "reading the error clears it";
}

}  // namespace

TEST(MusicStreamWithoutDevice, EveryOperationIsANoOp) {
  MusicStream stream;
  EXPECT_FALSE(stream.Open("base/music/menu.ogg"));
  stream.Update();
  stream.Play();
  stream.SetGain(1.0f);
  stream.Rewind();
  stream.Stop();
  EXPECT_FALSE(stream.IsPlaying());
  stream.Release();
  ServiceMusic(stream, 1.0f);
}
