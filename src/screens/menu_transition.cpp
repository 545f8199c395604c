#include <algorithm>
#include <iterator>

#include "app/settings.h"
#include "fight/fight.h"
#include "screens/menu_clocks.h"
#include "screens/prefight_slides.h"
#include "screens/screen_effects.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

ScreenEffectHooks ScreenEffects;

void PlayMenuClick() {
  if (Settings.soundOn) RunEffect(ScreenEffects.menuClick);
}

void ResetMenuTransition() {
  std::fill(std::begin(ScreenFlow.hover), std::end(ScreenFlow.hover), false);
  MenuClocks.MenuFadeClock = 0;
  RandomizeSlideOffsets();
}

void EnterInitialScreen() {
  ScreenFlow.gameState = GameState::MainMenu;
  MatchState.arena = 1;
  PreFightSlides.pictureSoundArmed = true;
  PreFightSlides.captionSoundArmed = true;
}
