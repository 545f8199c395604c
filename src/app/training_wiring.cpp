#include "app/training_wiring.h"

#include <GL/gl.h>

#include <string>
#include <vector>

#include "app/app.h"
#include "app/fight_bindings.h"
#include "app/frame_data.h"
#include "app/game_options.h"
#include "app/pad_commands.h"
#include "app/pad_state.h"
#include "app/training_session.h"
#include "arena/arena.h"
#include "arena/arena_audio.h"
#include "render/render.h"
#include "screens/overlay_projection.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

namespace {

// Free keys beside fighter one's: R puts the fight back at the reset point, T makes this the reset point.
constexpr int kResetKey = 'R';
constexpr int kSaveResetPointKey = 'T';

// Back on fighter one's pad resets too: no fight action can be bound to it.
constexpr PadButton kResetButton = PadButton::Back;

bool Pressed(int key) {
  static bool wasDown[256] = {};
  const bool down = KeyState[key] != 0;
  const bool press = down && !wasDown[key];
  wasDown[key] = down;
  return press;
}

bool ResetButtonPressed() {
  static bool wasDown = false;
  int slotOf[2];
  PadsOfFighters(Pads, false, ActiveFightBindings, slotOf);
  const bool down = slotOf[0] >= 0 && Pads.slot[slotOf[0]].Holds(kResetButton);
  const bool press = down && !wasDown;
  wasDown = down;
  return press;
}

void HandleResetKeys() {
  const bool reset = Pressed(kResetKey);
  if (ResetButtonPressed() || reset) ResetTraining();
  if (Pressed(kSaveResetPointKey)) SaveTrainingResetPoint();
}

void DrawTrainingLines() {
  BeginFightOverlay();
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  TextAlpha = 1;
  PrintSmall(20, 20, 1, "TRAINING  %s   R or BACK reset   T save reset point   ESC menu", DummyModeName(Training.dummy));
  if (Training.dummy == DummyMode::Record) {
    PrintSmall(20, 40, 1, "RECORDING %.1f / %.0f s", RecordedSeconds(), kRecordingSeconds);
  }
  if (UserOptions.frameData) {
    const std::vector<std::string> lines = FrameDataLines(MatchState.character[0]);
    float y = 420;
    for (const std::string& line : lines) {
      PrintSmall(20, y, 1, "%s", line.c_str());
      y -= 18;
    }
  }
  glDisable(GL_BLEND);
  EndFightOverlay();
}

}  // namespace

void ConnectTrainingEffects() {
  ScreenEffectHooks& e = ScreenEffects;
  auto startFight = e.startFight;
  e.startFight = [startFight](int arena) {
    if (!ScreenFlow.trainingMode) return RunEffect(startFight, arena);
    TrainingSetup setup;
    setup.characters[0] = MatchState.character[0];
    setup.characters[1] = MatchState.character[1];
    setup.arena = arena;
    setup.seed = ScreenFlow.nextFightSeed;
    Training.refill = UserOptions.lifeRefill ? LifeRefill::AfterCombo : LifeRefill::BelowZero;
    StartTraining(setup);
  };
  auto endFight = e.endFight;
  e.endFight = [endFight] {
    if (!Training.active) return RunEffect(endFight);
    EndTraining(ScreenFlow.gameState != GameState::Fight);
  };
}

void RunTrainingFightFrame() {
  ServiceFightMusic(FrameClock.step);
  HandleResetKeys();
  FighterCommand commands[2];
  BuildFighterCommands(KeyState, false, ActiveFightBindings, commands);
  AddPadCommands(Pads, false, ActiveFightBindings, commands);
  TrainingTick(commands[0], FrameClock.step, FrameClock.fightTick);
  DrawArenaFrame();
  DrawFightOverlays();
  DrawTrainingLines();
}
