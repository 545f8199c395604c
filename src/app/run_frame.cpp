// RunFrame: one frame, from the clock to the menu music, in the order the game depends on.
#include <GL/gl.h>

#include "app/app.h"
#include "app/fight_frame.h"
#include "app/online_play.h"
#include "app/replay_wiring.h"
#include "arena/arena.h"
#include "audio/audio.h"
#include "fight/roster.h"
#include "render/render.h"
#include "render/scene_target.h"
#include "screens/screens.h"

LoadStateRecord LoadState;

namespace {

// The loading phase ends with the content that needs the loading screen's time.
void LoadContent() {
  LoadState.loadPending = false;
  LoadRoster();
  LoadTextureBank();
  LoadTgaTextures();
  LampModel = new Ms3dModel;
  LampModel->Load(".\\base\\maps\\1\\lamp\\lamp.ms3d");
  LampModel->LoadTextures();
  if (Settings.musicOn) MenuMusic.Play();
  RestartMusicFade();
  MenuMusicPending = true;
  RandomizeSlideOffsets();
}

void RunLoadingPhase() {
  LoadState.loadProgress += 0.01f * FrameClock.step;
  LoadingScreen(LoadState.loadProgress >= 7.0f);
  // The frame that passes 8 s still shows the second image; the next one is the main menu.
  if (LoadState.loadProgress > 8.0f) {
    LoadContent();
    StartChosenReplay();
  }
}

void RunMenuBranch(bool overClearFrame) {
  ServiceOnline();
  PlaceMenuListener();
  ServiceMusic(MenuMusic, FrameClock.step);
  ClipToMenuArea(true);
  DrawMenus(overClearFrame);
  ClipToMenuArea(false);
}

}  // namespace

bool RunFrame() {
  const float rateReading = TimerNowMs();
  const float stepReading = TimerNowMs();
  AdvanceFrameClock(rateReading, stepReading);

  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();

  if (LoadState.loadPending) {
    RunLoadingPhase();
    return true;
  }

  ClearDrawnMarks();
  const bool fightFrame = ScreenFlow.gameState == GameState::Fight;
  if (fightFrame) RunFightFrame();
  // Tested again: a fight that ended in this frame already draws its menu, over its picture.
  if (ScreenFlow.gameState != GameState::Fight) RunMenuBranch(!fightFrame);
  HoldUndrawnModels();
  glEnable(GL_LIGHTING);

  // After a fight the menu music waits for the frame rate to recover from the fight's last frames.
  if (Settings.musicOn && MenuMusicPending && FrameClock.framesPerSecond > 15.0f) {
    MenuMusicPending = false;
    MenuMusic.Play();
    RestartMusicFade();
  }
  return true;
}
