// The sound effects as the player hears them, rendered through a loopback device.
#include <AL/al.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "app/settings.h"
#include "audio/audio.h"
#include "audio/loopback.h"
#include "audio_common/wav_writer.h"

namespace fs = std::filesystem;

namespace {

constexpr int kRate = 44100;

// A steady tone: any restart or second copy shows in the level and the length of what sounds.
std::vector<float> Tone(float seconds, float amplitude, float hz = 440.0f) {
  std::vector<float> samples(static_cast<size_t>(seconds * kRate));
  for (size_t i = 0; i < samples.size(); ++i) {
    samples[i] = amplitude * std::sin(2.0f * float(M_PI) * hz * float(i) / kRate);
  }
  return samples;
}

class SoundSourceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(audio.ok());
    dir = fs::temp_directory_path() / ("brelloch-sound-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    tonePath = (dir / "tone.wav").string();
    WriteWav16(tonePath, kRate, 1, Tone(0.3f, 0.5f));
    Settings.soundOn = true;
    PlaceMenuListener();
  }
  void TearDown() override {
    sound.Delete();
    other.Delete();
    fs::remove_all(dir);
  }
  // Where the game puts its menu sounds: 2 units above the listener.
  void LoadAboveListener(SoundSource& s, const std::string& path, bool loop) {
    s.Load(path.c_str(), loop);
    s.SetPosition(0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f);
  }
  // Number of frames, from the start of `mix`, until the sound falls silent.
  static int SoundingFrames(const std::vector<float>& mix) {
    int last = -1;
    for (size_t i = 0; i < mix.size(); ++i) {
      if (std::fabs(mix[i]) > 1e-4f) last = int(i / 2);
    }
    return last + 1;
  }

  LoopbackAudio audio;
  fs::path dir;
  std::string tonePath;
  SoundSource sound;
  SoundSource other;
};

TEST_F(SoundSourceTest, PlaysWhenTriggeredAtTheCappedGainAndNotWhenSoundIsOff) {
  ASSERT_TRUE(sound.Load(tonePath.c_str(), false));
  EXPECT_EQ(sound.format, AL_FORMAT_MONO16);
  EXPECT_EQ(sound.frequency, kRate);
  EXPECT_EQ(sound.size, int(0.3f * kRate) * 2);
  EXPECT_EQ(sound.sourceId, sound.source);
  sound.SetPosition(0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f);

  Settings.soundOn = false;
  sound.Play();
  EXPECT_FALSE(sound.IsPlaying());
  EXPECT_EQ(Peak(audio.Render(4410)), 0.0f);

  Settings.soundOn = true;
  sound.Play();
  EXPECT_TRUE(sound.IsPlaying());
  const std::vector<float> capped = audio.Render(4410);
  EXPECT_NEAR(ChannelRms(capped, 0), ChannelRms(capped, 1), 1e-4f) << "centred";
  // Inverse distance with reference 10 at distance 2 asks for gain 5; the cap holds it at 0.8.
  // Against the same source allowed a gain of 1, it sounds at exactly 0.8 of that level.
  alSourcef(sound.source, AL_MAX_GAIN, 1.0f);
  sound.Play();
  const std::vector<float> unity = audio.Render(4410);
  EXPECT_GT(Peak(unity), 0.1f);
  EXPECT_NEAR(Peak(capped) / Peak(unity), 0.8f, 0.01f);
}

TEST_F(SoundSourceTest, TheSourceGetsTheGameParameters) {
  LoadAboveListener(sound, tonePath, true);
  LoadAboveListener(other, tonePath, false);
  ALint looping = 0;
  float maxGain = 0, maxDistance = 0, referenceDistance = 0, pitch = 0;
  alGetSourcei(sound.source, AL_LOOPING, &looping);
  alGetSourcef(sound.source, AL_MAX_GAIN, &maxGain);
  alGetSourcef(sound.source, AL_MAX_DISTANCE, &maxDistance);
  alGetSourcef(sound.source, AL_REFERENCE_DISTANCE, &referenceDistance);
  alGetSourcef(sound.source, AL_PITCH, &pitch);
  EXPECT_EQ(looping, AL_TRUE);
  EXPECT_FLOAT_EQ(maxGain, 0.8f);
  EXPECT_FLOAT_EQ(maxDistance, 8.0f);
  EXPECT_FLOAT_EQ(referenceDistance, 10.0f);
  EXPECT_FLOAT_EQ(pitch, 1.0f);
  alGetSourcei(other.source, AL_LOOPING, &looping);
  EXPECT_EQ(looping, AL_FALSE);
}

TEST_F(SoundSourceTest, TwoQuickHitsRestartTheSoundInsteadOfMixingTwoCopies) {
  LoadAboveListener(sound, tonePath, false);
  sound.Play();
  const float single = Peak(audio.Render(4410));  // 0.1 s into the 0.3 s sound
  sound.Play();
  const std::vector<float> after = audio.Render(kRate / 2);
  EXPECT_LE(Peak(after), single * 1.01f) << "two copies would add up";
  // Restarted, the whole 0.3 s sounds again after the second hit (0.2 s were left of the first).
  EXPECT_NEAR(SoundingFrames(after), int(0.3f * kRate), 64);
}

TEST_F(SoundSourceTest, BothFootstepLoopsRunAtOnceFromOneFile) {
  LoadAboveListener(sound, tonePath, true);
  LoadAboveListener(other, tonePath, true);
  ASSERT_NE(sound.buffer, other.buffer);
  sound.Play();
  const float one = Rms(audio.Render(kRate / 2));
  sound.Stop();
  sound.Play();
  other.Play();
  const std::vector<float> both = audio.Render(kRate);  // more than three times the file's length
  EXPECT_TRUE(sound.IsPlaying());
  EXPECT_TRUE(other.IsPlaying());
  // Started together, the two copies are in phase: twice the level of one.
  EXPECT_NEAR(Rms(both), 2.0f * one, 0.05f * one);
  sound.Stop();
  EXPECT_FALSE(sound.IsPlaying());
  EXPECT_TRUE(other.IsPlaying());
}

TEST_F(SoundSourceTest, AMissingOrBrokenFilePlaysSilence) {
  EXPECT_FALSE(sound.Load((dir / "nothing.wav").string().c_str(), false));
  EXPECT_NE(sound.source, 0u);
  EXPECT_EQ(sound.size, 0);
  const fs::path junk = dir / "junk.wav";
  std::ofstream(junk) << "RIFF but not really a wave file";
  EXPECT_FALSE(other.Load(junk.string().c_str(), false));
  sound.Play();
  other.Play();
  EXPECT_EQ(Peak(audio.Render(4410)), 0.0f);
  EXPECT_FALSE(sound.IsPlaying());
}

TEST_F(SoundSourceTest, GamePathsWithBackslashesAreOpened) {
  fs::create_directories(dir / "sound");
  fs::copy_file(tonePath, dir / "sound" / "x.wav");
  const std::string gamePath = dir.string() + "\\sound\\x.wav";
  EXPECT_TRUE(sound.Load(gamePath.c_str(), false));
  EXPECT_GT(sound.size, 0);
}

TEST_F(SoundSourceTest, EveryFightSoundSoundsEquallyLoudWhereverTheListenerStands) {
  // The eleven fight sounds follow the listener; one of them stands for all.
  LoadAboveListener(HitSound, tonePath, true);
  const float velocity[3] = {0, 0, 0};
  const float at[3] = {1, 0, 0};
  const float near[3] = {0.0f, 1.9f, 6.4f};
  const float far[3] = {-40.0f, 1.9f, 25.0f};
  HitSound.Play();
  PlaceFightListener(near, velocity, at);
  const std::vector<float> first = audio.Render(kRate / 4);
  PlaceFightListener(far, velocity, at);
  audio.Render(1024);  // let the mixer settle on the new placement
  const std::vector<float> second = audio.Render(kRate / 4);
  EXPECT_GT(Rms(first), 0.1f);
  EXPECT_NEAR(ChannelRms(first, 0), ChannelRms(second, 0), 0.01f);
  EXPECT_NEAR(ChannelRms(first, 1), ChannelRms(second, 1), 0.01f);
  StopFightSounds();
  EXPECT_FALSE(HitSound.IsPlaying());
  HitSound.Delete();
}

}  // namespace

// No device: every operation is a harmless no-op.
TEST(SoundSourceWithoutDevice, DoesNothing) {
  SoundSource sound;
  EXPECT_FALSE(sound.Load("nothing.wav", false));
  sound.SetPosition(0, 0, 0, 0, 0, 0);
  sound.Play();
  EXPECT_FALSE(sound.IsPlaying());
  sound.Stop();
  sound.Delete();
  EXPECT_EQ(sound.source, 0u);
}
