#include "fight/fight.h"
#include "screens/screen_effects.h"
#include "screens/screen_rules.h"
#include "screens/screen_sound_effects.h"
#include "screens/screens.h"

namespace {

void ConnectScreenEffects() {
  ScreenEffectHooks& e = ScreenEffects;
  ConnectScreenSoundEffects(e);
  e.startFight = [](int arena) {
    PrepareFightStart();
    StartFight(arena, ScreenFlow.nextFightSeed);
  };
  e.endFight = [] { EndFight(ScreenFlow.gameState != GameState::Fight); };
  e.newCareer = [] { NewCareer(); };
  e.loadCareer = [] { return LoadCareer(); };
  e.leaveCareerFight = [] { LeaveCareerFight(); };
  e.releaseStoryImages = [](int arena) { ReleaseStoryImages(arena); };
}

}  // namespace

void SetInitialScreen() {
  ConnectScreenEffects();
  EnterInitialScreen();
}
