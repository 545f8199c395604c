// Plays a short scripted fight through the game's own sound set and music into one WAV,
// review/fight_mix.wav in the build folder, for ears and spectrograms; and checks that the mix
// does not clip and that the hits stand out over the music.
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>

#include "app/settings.h"
#include "audio/audio.h"
#include "audio/loopback.h"
#include "audio_common/wav_writer.h"

namespace {

constexpr double kFrameSeconds = 1.0 / 60.0;
constexpr float kStep = 100.0f * float(kFrameSeconds);

struct Cue {
  double at;
  std::function<void()> action;
};

void Hit(SoundSource& pain) {
  HitSound.Play();
  pain.Play();
}

std::vector<float> Window(const std::vector<float>& mix, double from, double to) {
  const size_t a = size_t(from * LoopbackAudio::kRate) * 2, b = size_t(to * LoopbackAudio::kRate) * 2;
  return std::vector<float>(mix.begin() + long(a), mix.begin() + long(std::min(b, mix.size())));
}

TEST(FightMixReview, AScriptedFightSoundsClearOverTheMusic) {
  LoopbackAudio audio;
  ASSERT_TRUE(audio.ok());
  Settings.soundOn = true;
  Settings.musicOn = true;
  LoadStartupSounds();
  const float listener[3] = {0.0f, 1.9f, 6.4f}, still[3] = {0, 0, 0}, across[3] = {1, 0, 0};
  std::vector<Cue> cues = {
      {0.0, [] { MenuClick.Play(); }},
      {0.3, [] { SlideInSound.Play(); }},
      {0.8, [] { SlideInSound.Play(); }},
      {1.5, [] {
         FightMusic.Open(".\\base\\music\\1.ogg");
         FightMusic.Play();
         RestartMusicFade();
         StartFightMonolog(1);
       }},
      {7.0, [] { FootstepsOne.Play(); }},
      {7.4, [] { FootstepsTwo.Play(); }},
      {8.2, [] { FootstepsOne.Stop(); }},
      {8.4, [] { FootstepsTwo.Stop(); }},
      {8.6, [] { Hit(PainVoiceMale); }},
      {9.0, [] { BlockSound.Play(); }},
      {9.4, [] { Hit(PainVoiceFemale); }},
      {9.7, [] { Hit(PainVoiceFemale); }},
      {9.8, [] { ComboSound.Play(); }},
      {10.6, [] { Hit(PainVoiceMale); }},
      {10.85, [] { Hit(PainVoiceMale); }},
      {11.1, [] { Hit(PainVoiceMale); }},
      {11.2, [] { SuperComboSound.Play(); }},
      {12.0, [] { Hit(PainVoiceFemale); }},
      {12.2, [] { Hit(PainVoiceFemale); }},
      {12.4, [] { Hit(PainVoiceFemale); }},
      {12.6, [] { Hit(PainVoiceFemale); }},
      {12.7, [] { UltraComboSound.Play(); }},
      {13.6, [] { HitSound.Play(); KnockoutVoiceFemale.Play(); }},
      {14.0, [] { KnockoutVoiceMale.Play(); }},
      {16.5, [] { StopFightSounds(); StopFightMonolog(); FightMusic.Rewind(); FightMusic.Release(); MenuClick.Play(); }},
  };
  std::vector<float> mix;
  size_t next = 0;
  for (double t = 0.0; t < 17.5; t += kFrameSeconds) {
    while (next < cues.size() && cues[next].at <= t) cues[next++].action();
    PlaceFightListener(listener, still, across);
    ServiceMusic(FightMusic, kStep);
    const std::vector<float> frame = audio.Render(int(kFrameSeconds * LoopbackAudio::kRate + 0.5));
    mix.insert(mix.end(), frame.begin(), frame.end());
  }
  DeleteStartupSounds();

  std::filesystem::create_directories("review");
  WriteWav16("review/fight_mix.wav", LoopbackAudio::kRate, 2, mix);

  EXPECT_LT(Peak(mix), 1.0f) << "the mix clips";
  // The fade keeps the music out for 3.75 s after the start: only the taunt speaks there.
  const float music = Rms(Window(mix, 8.0, 8.5));
  EXPECT_GT(music, 0.02f) << "the music has faded in by the first steps";
  EXPECT_GT(Peak(Window(mix, 8.6, 8.9)), 3.0f * music) << "a hit stands out over the music";
  EXPECT_GT(Rms(Window(mix, 12.7, 13.4)), Rms(Window(mix, 9.8, 10.5))) << "the ultra combo outweighs the combo";
}

}  // namespace
