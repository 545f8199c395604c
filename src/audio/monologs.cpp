// The career voices: one story monologue per arena and one fight-start line per career fight.
#include <string>

#include "app/settings.h"
#include "audio/audio.h"

SoundSource StoryMonolog;
SoundSource FightMonolog;

namespace {
// Arenas 1 to 10 have a file name; the career reaches 1 to 8.
bool HasMonolog(int arena) { return arena >= 1 && arena <= 10; }

std::string MonologPath(int arena, const char* suffix) {
  return ".\\base\\monologs\\" + std::to_string(arena) + suffix + ".wav";
}
}  // namespace

void StartStoryMonolog(int arena) {
  if (HasMonolog(arena)) {
    StoryMonolog.Load(MonologPath(arena, "").c_str(), false);
    StoryMonolog.Play();
  }
  if (Settings.musicOn) {
    // The music fades in anew under the voice.
    MenuMusic.Rewind();
    MenuMusic.Play();
    RestartMusicFade();
  }
}

void StopStoryMonolog() {
  StoryMonolog.Stop();
  StoryMonolog.Delete();
}

void StartFightMonolog(int arena) {
  if (!HasMonolog(arena)) return;
  FightMonolog.Load(MonologPath(arena, "_").c_str(), false);
  // Behind and above the fighters.
  FightMonolog.SetPosition(0.0f, 2.0f, 10.0f, 0.0f, 0.0f, 0.0f);
  FightMonolog.Play();
}

void StopFightMonolog() {
  FightMonolog.Stop();
  FightMonolog.Delete();
}
