// The program: start-up sequence, main loop and exit sequence.
#include "app/app.h"
#include "app/audio_steps.h"
#include "app/fight_wiring.h"
#include "app/game_options.h"
#include "app/game_window.h"
#include "app/online_play.h"
#include "app/replay_playback.h"
#include "app/replay_wiring.h"
#include "app/window_procedure.h"
#include "fight/fight.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screens.h"

namespace {

// Escape leaves a running fight for the pause screen, never during the intro or a knock-out.
void EscapeToPause() {
  if (ReplayPlayback.active) return HandleReplayKeys();
  if (KeyState[VirtualKey::Escape] == 0 || ScreenFlow.gameState != GameState::Fight) return;
  if (OnlineFightActive()) return LeaveOnlineFight();  // online there is no pause
  if (MatchState.introActive || MatchState.knockoutActive) return;
  SilenceFightForPause();
  ScreenFlow.gameState = GameState::Pause;
  ResetPreFightSlides();
}

// Messages first; a frame whenever none is waiting. Returns the quit code.
int RunMainLoop() {
  WindowMessage message;
  for (;;) {
    if (PeekWindowMessage(message)) {
      if (message.kind == MessageKind::Quit) return message.exitCode;
      WindowProcedure(message);
      continue;
    }
    // An inactive window draws nothing but still swaps, and keeps an online connection answered.
    if (!WindowActive) ServiceOnline();
    const bool done = (WindowActive && !RunFrame()) || ScreenFlow.QuitRequested;
    if (!done) SwapWindowBuffers();
    EscapeToPause();
    ClearReleasedKeyLatches();
    if (done) return 0;
  }
}

void ExitSequence() {
  LeaveOnline();  // the other player hears of it at once rather than after the silence
  delete LampModel;
  LampModel = nullptr;
  CloseAudioAtExit();
  WriteSettings();
  WriteGameOptions();
  SaveCareerAtExit();
  DestroyGameWindow();
}

}  // namespace

int GameMain() {
  ReadSettings();
  ReadGameOptions();
  InstallFightHooks();
  if (!OpenAudioOrSayWhy()) return -1;
  if (!CreateGameWindow("Brelloch", Settings.width, Settings.height, Settings.colourBits, true,
                        Settings.depthBits)) {
    CloseAudioAtExit();
    return 0;
  }
  const int exitCode = RunMainLoop();
  ExitSequence();
  return exitCode;
}
