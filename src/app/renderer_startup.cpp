#include "app/renderer_startup.h"

#include <cstdlib>

#include "app/online_play.h"
#include "app/replay_wiring.h"
#include "app/training_wiring.h"
#include "app/timer.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

bool InitializeRenderer() {
  ScreenEffects.clockSeconds = [] { return static_cast<unsigned>(WallClockSeconds()); };
  std::srand(ScreenEffects.clockSeconds());
  TimerStart();
  SetStartupGlState();
  // Missing images are silent like every other missing texture: the loading screen stays dark.
  LoadStartupImagesAndFonts();
  SetInitialScreen();
  ConnectReplayEffects();
  ConnectOnlineScreens();
  ConnectTrainingEffects();  // after the replay's: a training fight records no replay
  return BuildLightingProgram();
}
