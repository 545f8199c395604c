#include "app/fight_frame.h"

#include "app/app.h"
#include "app/fight_bindings.h"
#include "app/game_options.h"
#include "app/online_play.h"
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

namespace {

// An online fight: this player plays fighter one's keys for their own fighter; the ticks run at
// the session's fixed rate, not at the frame's step.
void RunOnlineFightFrame() {
  ServiceFightMusic(FrameClock.step);
  FighterCommand commands[2];
  BuildFighterCommands(KeyState, false, ActiveFightBindings, commands);
  RunOnlineTicks(commands[0]);
  if (ScreenFlow.gameState != GameState::Fight) return;  // the match ended in this frame
  DrawArenaFrame();
  DrawFightOverlays();
  if (UserOptions.showPingAndRollback) {
    const OnlineFightStatsText stats = OnlineFightStats();
    DrawFightStatusLines(stats.ping.c_str(), stats.rollback.c_str());
  }
}

}  // namespace

void RunFightFrame() {
  if (ReplayPlayback.active) return RunReplayFightFrame();
  if (OnlineFightActive()) return RunOnlineFightFrame();
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
