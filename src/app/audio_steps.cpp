#include "app/audio_steps.h"

#include <cstdio>

#include "app/settings.h"
#include "audio/audio.h"

bool OpenAudioOrSayWhy() {
  if (OpenAudio()) return true;
  std::fprintf(stderr, "Brelloch: %s\n", AudioOpenError().c_str());
  return false;
}

void CloseAudioAtExit() { CloseAudio(); }

void SilenceFightForPause() {
  FightMusic.Stop();
  if (!Settings.soundOn) return;
  if (FootstepsOne.IsPlaying()) FootstepsOne.Stop();
  if (FootstepsTwo.IsPlaying()) FootstepsTwo.Stop();
}
