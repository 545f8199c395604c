#include "app/fight_sound_wiring.h"

#include <string>

#include "audio/audio.h"

namespace {

SoundSource* SoundNumber(int sound) {
  if (sound >= 0 && sound < kFightSoundCount) return FightSounds[sound];
  if (sound == kFightSoundCount) return &MenuClick;
  return nullptr;
}

}  // namespace

void PlayFightSoundNumber(int sound) {
  if (SoundSource* s = SoundNumber(sound)) s->Play();
}

void StopFightSoundNumber(int sound) {
  if (SoundSource* s = SoundNumber(sound)) s->Stop();
}

bool IsFightSoundNumberPlaying(int sound) {
  const SoundSource* s = SoundNumber(sound);
  return s && s->IsPlaying();
}

void RewindMenuMusicTrack() { MenuMusic.Rewind(); }

void OpenFightMusicTrack(int track) {
  const std::string path = ".\\base\\music\\" + std::to_string(track) + ".ogg";
  FightMusic.Open(path.c_str());
}

void PlayFightMusicTrack() {
  FightMusic.Play();
  RestartMusicFade();
}

void RewindFightMusicTrack() { FightMusic.Rewind(); }
void ReleaseFightMusicTrack() { FightMusic.Release(); }
void RequestMenuMusicAfterFight() { MenuMusicPending = true; }

void StartFightMonologOf(int arena) { StartFightMonolog(arena); }
void StopFightMonologNow() { StopFightMonolog(); }
void StartStoryMonologOf(int arena) { StartStoryMonolog(arena); }
