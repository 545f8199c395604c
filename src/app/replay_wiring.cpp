#include "app/replay_wiring.h"

#include <GL/gl.h>

#include <string>

#include "app/app.h"
#include "app/replay_playback.h"
#include "app/replay_recorder.h"
#include "app/replay_store.h"
#include "arena/arena.h"
#include "arena/arena_audio.h"
#include "platform/platform.h"
#include "render/render.h"
#include "screens/overlay_projection.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

namespace {

Replay chosenReplay;
bool replayChosen = false;
int chosenSpeed = 1;

void SayWhyNot(const std::string& error) {
  const std::string text = "The replay cannot be played: " + error + ".";
  ShowMessageBox("REPLAY", text.c_str(), MessageIcon::Exclamation);
}

bool WatchNewest() {
  const std::string path = NewestReplayPath();
  if (path.empty()) return false;
  std::string error;
  if (StartReplayFile(path, error)) return true;
  SayWhyNot(error);
  return false;
}

void DrawPlaybackLine() {
  BeginFightOverlay();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  TextAlpha = 1;
  const ReplayPlaybackState& p = ReplayPlayback;
  PrintSmall(20, 20, 1, "REPLAY %s %dx   SPACE pause   RIGHT frame   1 2 4 speed   ESC leave",
             p.paused ? "PAUSED" : "", p.speed);
  glDisable(GL_BLEND);
  EndFightOverlay();
}

}  // namespace

void ConnectReplayEffects() {
  ScreenEffectHooks& e = ScreenEffects;
  auto startFight = e.startFight;
  e.startFight = [startFight](int arena) {
    RunEffect(startFight, arena);
    BeginReplayRecording();
  };
  auto endFight = e.endFight;
  e.endFight = [endFight] {
    DropReplayRecording();
    RunEffect(endFight);
  };
  e.watchLastReplay = WatchNewest;
}

bool ChooseReplayToWatch(const char* path, int speed, std::string& error) {
  replayChosen = ReadReplayFile(path, chosenReplay, error) && ReplayPlayable(chosenReplay, error);
  chosenSpeed = speed;
  return replayChosen;
}

bool StartChosenReplay() {
  if (!replayChosen) return false;
  replayChosen = false;
  StartReplayPlayback(chosenReplay);
  ReplayPlayback.speed = chosenSpeed;
  return true;
}

void RunReplayFightFrame() {
  ServiceFightMusic(FrameClock.step);
  // A replay keeps the pace of the recording however slowly the frames are drawn.
  const bool ended = PlayDueReplayFrames(FrameClock.elapsedStep);
  DrawArenaFrame();
  DrawFightOverlays();
  DrawPlaybackLine();
  if (ended) LeaveReplayPlayback();
}

void HandleReplayKeys() {
  static bool wasDown[256] = {};
  auto pressed = [](int key) {
    const bool down = KeyState[key] != 0;
    const bool press = down && !wasDown[key];
    wasDown[key] = down;
    return press;
  };
  ReplayPlaybackState& p = ReplayPlayback;
  if (pressed(VirtualKey::Escape)) return LeaveReplayPlayback();
  if (pressed(VirtualKey::Space)) p.paused = !p.paused;
  if (pressed(VirtualKey::Right) && p.paused) p.stepRequested = true;
  if (pressed('1')) p.speed = 1;
  if (pressed('2')) p.speed = 2;
  if (pressed('4')) p.speed = 4;
}
