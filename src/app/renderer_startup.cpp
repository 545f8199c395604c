#include "app/renderer_startup.h"

#include <cstdlib>
#include <ctime>

#include "app/online_play.h"
#include "app/replay_wiring.h"
#include "app/training_wiring.h"
#include "app/timer.h"
#include "render/render.h"
#include "screens/screens.h"

bool InitializeRenderer() {
  std::srand(static_cast<unsigned>(std::time(nullptr)));
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
