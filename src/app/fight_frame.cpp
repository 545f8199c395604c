#include "app/fight_frame.h"

#include "app/app.h"
#include "app/fight_bindings.h"
#include "app/pad_commands.h"
#include "app/replay_playback.h"
#include "app/replay_recorder.h"
#include "app/replay_wiring.h"
#include "app/training_session.h"
#include "app/training_wiring.h"
#include "arena/arena.h"
#include "arena/arena_audio.h"
#include "fight/fight.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

void RunFightFrame() {
  if (ReplayPlayback.active) return RunReplayFightFrame();
  if (Training.active) return RunTrainingFightFrame();
  ServiceFightMusic(FrameClock.step);
  FighterCommand commands[2];
  const bool twoHumans = MatchState.gameMode == TwoPlayers;
  BuildFighterCommands(KeyState, twoHumans, ActiveFightBindings, commands);
  AddPadCommands(Pads, twoHumans, ActiveFightBindings, commands);
  RecordReplayFrame(FrameClock.step, FrameClock.fightTick, commands);
  const MatchOutcome outcome = FightTick(commands, FrameClock.step, FrameClock.fightTick);
  if (outcome.finished) StoreFinishedReplay();
  DrawArenaFrame();
  DrawFightOverlays();
  ApplyMatchOutcome(outcome);
}
