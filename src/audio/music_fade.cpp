#include <algorithm>

#include "audio/audio.h"

float MusicFade = kMusicFadeStart;
bool MenuMusicPending = false;

void RestartMusicFade() { MusicFade = kMusicFadeStart; }

void ServiceMusic(MusicStream& music, float step) {
  music.Update();
  // Starting at -1.5 and rising 0.004 per step unit, a started track keeps silent for 375 step
  // units and reaches full gain 250 later.
  MusicFade += 0.004f * step;
  music.SetGain(std::clamp(MusicFade, 0.0f, 1.0f));
}
