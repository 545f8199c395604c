// The program: start-up sequence, main loop and exit sequence.
#include "app/app.h"
#include "app/audio_steps.h"
#include "app/bindings_file.h"
#include "app/fight_wiring.h"
#include "app/game_options.h"
#include "app/game_window.h"
#include "app/online_play.h"
#include "app/pad_state.h"
#include "app/replay_playback.h"
#include "app/replay_wiring.h"
#include "app/user_folders.h"
#include "app/training_session.h"
#include "app/window_procedure.h"
#include "fight/fight.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/screens.h"

namespace {

// SDL's gamecontrollerdb.txt format, in the config folder, for pads SDL does not know.
constexpr const char* kPadMappingFileName = "gamecontrollerdb.txt";

bool AnyPadHoldsStart() {
  for (const PadRecord& pad : Pads.slot) {
    if (pad.Holds(PadButton::Start)) return true;
  }
  return false;
}

// Escape, a pad's Start or a pad pulled out leave a running fight for the pause screen, never
// during the intro or a knock-out; a pad pulled out then pauses as soon as they are over.
void EscapeToPause() {
  if (ReplayPlayback.active) return HandleReplayKeys();
  if (ScreenFlow.gameState != GameState::Fight) {
    PadPulledOutOfFight = false;
    return;
  }
  if (KeyState[VirtualKey::Escape] == 0 && !AnyPadHoldsStart() && !PadPulledOutOfFight) return;
  if (OnlineFightActive()) return LeaveOnlineFight();  // online there is no pause
  if (MatchState.introActive || MatchState.knockoutActive) return;
  PadPulledOutOfFight = false;
  SilenceFightForPause();
  ScreenFlow.gameState = Training.active ? GameState::TrainingMenu : GameState::Pause;
  ResetPreFightSlides();
}

// How long an inactive window sleeps in the message queue before its next empty frame.
constexpr int kInactiveWaitMs = 250;

// A failed start-up (no window, no GL, no shaders) ends the program with this code.
constexpr int kStartupFailedExitCode = 1;

bool DrawFrame() {
  BeginFrameDrawing();
  const bool ran = RunFrame();
  FinishFrameDrawing();
  return ran;
}

// Messages first; a frame whenever none is waiting. Returns the quit code.
int RunMainLoop() {
  WindowMessage message;
  for (;;) {
    // Unfocused or minimised there is nothing to draw: wait for the desktop instead of spinning.
    if (WindowActive ? PeekWindowMessage(message) : WaitWindowMessage(message, kInactiveWaitMs)) {
      if (message.kind == MessageKind::Quit) return message.exitCode;
      WindowProcedure(message);
      continue;
    }
    FollowDisplayOptions();
    // An inactive window draws nothing but still swaps, and keeps an online connection answered.
    if (!WindowActive) ServiceOnline();
    const bool done = (WindowActive && !DrawFrame()) || ScreenFlow.QuitRequested;
    if (!done) SwapWindowBuffers();
    EscapeToPause();
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
  WriteBindings();
  StopGamepads();
  SaveCareerAtExit();
  DestroyGameWindow();
}

}  // namespace

int GameMain(const CommandLine& line) {
  ReadSettings();
  ReadGameOptions();
  ReadBindings();
  InstallFightHooks();
  if (!OpenAudioOrSayWhy()) return -1;
  // The command line chooses for this run only; the options keep what the player chose.
  const bool fullscreen = line.windowed >= 0 ? line.windowed == 0 : UserOptions.windowed == 0;
  if (!CreateGameWindow("Brelloch", Settings.width, Settings.height, Settings.colourBits, fullscreen,
                        Settings.depthBits)) {
    CloseAudioAtExit();
    return kStartupFailedExitCode;
  }
  StartGamepads(ConfigFilePath(kPadMappingFileName));
  const int exitCode = RunMainLoop();
  ExitSequence();
  return exitCode;
}
