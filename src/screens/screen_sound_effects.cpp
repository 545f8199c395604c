#include "screens/screen_sound_effects.h"

#include "audio/audio.h"

void ConnectScreenSoundEffects(ScreenEffectHooks& e) {
  e.menuClick = [] { MenuClick.Play(); };
  e.menuHover = [] { MenuHover.Play(); };
  e.slideInSound = [] { SlideInSound.Play(); };
  e.fightMusicPlay = [] { FightMusic.Play(); };
  e.menuMusicPlay = [] { MenuMusic.Play(); };
  e.menuMusicRewind = [] { MenuMusic.Rewind(); };
  e.restartMusicFade = [] { RestartMusicFade(); };
  e.stopStoryMonolog = [] { StopStoryMonolog(); };
}
