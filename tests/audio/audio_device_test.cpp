// Opening and closing the audio device with the game's start-up sounds, and the career voices.
#include <AL/al.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "app/settings.h"
#include "audio/audio.h"
#include "audio/test_doubles.h"
#include "audio_common/ogg_writer.h"
#include "audio_common/wav_writer.h"

namespace fs = std::filesystem;

namespace {

const char* const kSoundFiles[] = {"steps.wav", "steps.wav", "F1.wav", "F2.wav", "death1.wav",
                                   "death2.wav", "pain1.wav", "pain2.wav", "combo.wav",
                                   "scombo.wav", "ucombo.wav", "menu1.wav", "menu2.wav", "menu3.wav"};
SoundSource* const kStartupOrder[] = {
    &FootstepsOne, &FootstepsTwo, &HitSound, &BlockSound, &KnockoutVoiceMale,
    &KnockoutVoiceFemale, &PainVoiceMale, &PainVoiceFemale, &ComboSound, &SuperComboSound,
    &UltraComboSound, &MenuClick, &MenuHover, &SlideInSound};

// A base/ tree in a scratch folder, run from there as the game runs from its folder. Each sound
// file gets its own length, so a sound loaded from the wrong file shows.
class AudioDeviceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    previous = fs::current_path();
    dir = fs::temp_directory_path() / ("brelloch-device-" + std::to_string(::getpid()));
    fs::create_directories(dir / "base" / "sound");
    fs::create_directories(dir / "base" / "music");
    fs::create_directories(dir / "base" / "monologs");
    int frames = 1000;
    for (const char* name : kSoundFiles) {
      if (!fs::exists(dir / "base" / "sound" / name)) {
        WriteWav16(dir / "base" / "sound" / name, 22050, 1, std::vector<float>(size_t(frames), 0.2f));
        frameCounts[name] = frames;
        frames += 100;
      }
    }
    WriteOggVorbis(dir / "base" / "music" / "menu.ogg", 44100, 2, std::vector<float>(88200 * 2, 0.0f));
    WriteWav16(dir / "base" / "monologs" / "3.wav", 22050, 1, std::vector<float>(22050, 0.3f));
    WriteWav16(dir / "base" / "monologs" / "3_.wav", 22050, 1, std::vector<float>(11025, 0.3f));
    fs::current_path(dir);
    Settings.soundOn = true;
    Settings.musicOn = true;
  }
  void TearDown() override {
    CloseAudio();
    fs::current_path(previous);
    fs::remove_all(dir);
  }
  fs::path previous;
  fs::path dir;
  std::map<std::string, int> frameCounts;
};

TEST_F(AudioDeviceTest, OpensTheFourteenStartupSoundsInOrderAndTheMenuMusic) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  EXPECT_TRUE(AudioIsOpen());
  std::uint32_t previousSource = 0;
  for (int i = 0; i < 14; ++i) {
    SCOPED_TRACE(kSoundFiles[i]);
    const SoundSource& sound = *kStartupOrder[i];
    EXPECT_EQ(sound.size, frameCounts[kSoundFiles[i]] * 2);
    EXPECT_GT(sound.sourceId, previousSource) << "OpenAL Soft names sources in creation order";
    previousSource = sound.sourceId;
    ALint looping = -1;
    alGetSourcei(sound.sourceId, AL_LOOPING, &looping);
    EXPECT_EQ(looping, i < 2 ? AL_TRUE : AL_FALSE) << "only the footsteps loop";
  }
  for (int i = 0; i < kFightSoundCount; ++i) EXPECT_EQ(FightSounds[i], kStartupOrder[i]);
  EXPECT_NE(FootstepsOne.buffer, FootstepsTwo.buffer);
  EXPECT_EQ(alGetInteger(AL_DISTANCE_MODEL), AL_INVERSE_DISTANCE);
  EXPECT_TRUE(MenuMusic.IsOpen());
  EXPECT_FALSE(MenuMusic.IsPlaying()) << "opened, not started";
  EXPECT_TRUE(OpenAudio()) << "a second open keeps the device";

  CloseAudio();
  EXPECT_FALSE(AudioIsOpen());
  EXPECT_EQ(HitSound.source, 0u);
  EXPECT_FALSE(MenuMusic.IsOpen());
  // After the device closed every operation is a harmless no-op.
  HitSound.Play();
  MenuMusic.Update();
  StartStoryMonolog(3);
  StopStoryMonolog();
}

TEST_F(AudioDeviceTest, MissingSoundFilesAreSilentAndNothingBreaks) {
  fs::remove_all(dir / "base");
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  EXPECT_NE(HitSound.source, 0u);
  EXPECT_EQ(HitSound.size, 0);
  EXPECT_FALSE(MenuMusic.IsOpen());
  HitSound.Play();
  MenuMusic.Play();
  ServiceMusic(MenuMusic, 1.0f);
  StartFightMonolog(3);
  StopFightMonolog();
  EXPECT_TRUE(ShownMessages.empty());
}

TEST_F(AudioDeviceTest, TheStoryMonologPlaysAndRestartsTheMenuMusicWithItsFade) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  MusicFade = 1.0f;
  StartStoryMonolog(3);
  EXPECT_EQ(StoryMonolog.size, 22050 * 2);
  EXPECT_TRUE(StoryMonolog.IsPlaying());
  EXPECT_TRUE(MenuMusic.IsPlaying());
  EXPECT_EQ(MusicFade, kMusicFadeStart);
  StopStoryMonolog();
  EXPECT_EQ(StoryMonolog.source, 0u);

  // An arena without a file name loads nothing; the music still starts anew.
  MusicFade = 1.0f;
  StartStoryMonolog(11);
  EXPECT_EQ(StoryMonolog.source, 0u);
  EXPECT_EQ(MusicFade, kMusicFadeStart);
}

TEST_F(AudioDeviceTest, WithSoundOffTheVoicesAreLoadedAndReleasedButNotPlayed) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  Settings.soundOn = false;
  Settings.musicOn = false;
  MusicFade = 1.0f;
  StartStoryMonolog(3);
  EXPECT_NE(StoryMonolog.source, 0u);
  EXPECT_FALSE(StoryMonolog.IsPlaying());
  EXPECT_FALSE(MenuMusic.IsPlaying());
  EXPECT_EQ(MusicFade, 1.0f) << "music off: the fade is left alone";
  StartFightMonolog(3);
  EXPECT_NE(FightMonolog.source, 0u);
  EXPECT_FALSE(FightMonolog.IsPlaying());
  StopStoryMonolog();
  StopFightMonolog();
  EXPECT_EQ(StoryMonolog.source, 0u);
  EXPECT_EQ(FightMonolog.source, 0u);
}

TEST_F(AudioDeviceTest, TheFightMonologSoundsFromBehindAndAboveTheFighters) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  StartFightMonolog(3);
  EXPECT_EQ(FightMonolog.size, 11025 * 2);
  EXPECT_TRUE(FightMonolog.IsPlaying());
  float position[3] = {};
  alGetSourcefv(FightMonolog.sourceId, AL_POSITION, position);
  EXPECT_EQ(position[0], 0.0f);
  EXPECT_EQ(position[1], 2.0f);
  EXPECT_EQ(position[2], 10.0f);
  StopFightMonolog();
  EXPECT_EQ(FightMonolog.source, 0u);
}

TEST_F(AudioDeviceTest, TheMenuListenerSitsAtTheOriginWithTheMenuSoundsAboveIt) {
  ASSERT_TRUE(OpenAudio()) << AudioOpenError();
  const float p[3] = {3, 4, 5}, v[3] = {0, 0, 0}, at[3] = {1, 0, 0};
  PlaceFightListener(p, v, at);
  PlaceMenuListener();
  float listener[3] = {}, velocity[3] = {}, orientation[6] = {}, click[3] = {};
  alGetListenerfv(AL_POSITION, listener);
  alGetListenerfv(AL_VELOCITY, velocity);
  alGetListenerfv(AL_ORIENTATION, orientation);
  alGetSourcefv(MenuClick.sourceId, AL_POSITION, click);
  EXPECT_EQ(std::vector<float>(listener, listener + 3), std::vector<float>({0, 0, 0}));
  EXPECT_EQ(std::vector<float>(velocity, velocity + 3), std::vector<float>({1, 0, 0}));
  EXPECT_EQ(std::vector<float>(orientation, orientation + 6), std::vector<float>({0, 0, 1, 0, 1, 0}));
  EXPECT_EQ(std::vector<float>(click, click + 3), std::vector<float>({0, 2, 0}));
  float hit[3] = {};
  alGetSourcefv(HitSound.sourceId, AL_POSITION, hit);
  EXPECT_EQ(std::vector<float>(hit, hit + 3), std::vector<float>({3, 6, 5})) << "the fight placement stays";
}

// Without any output device OpenAudio fails with a reason, so the program can exit -1.
TEST(AudioDeviceDeathTest, NoDeviceGivesAReason) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        ::setenv("ALSOFT_DRIVERS", "no-such-backend", 1);
        const bool opened = OpenAudio();
        std::fprintf(stderr, "%s\n", AudioOpenError().c_str());
        std::exit(opened ? 0 : 3);
      },
      ::testing::ExitedWithCode(3), "OpenAL");
}

}  // namespace
