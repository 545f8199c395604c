#include "app/online_replay.h"

#include <algorithm>

void CompleteOnlineReplay(Replay& replay, const RollbackSession& session, const FightRollbackSimulation& fight) {
  std::uint32_t ticks = session.SettledTicks();
  // Out of step: up to the checkpoint found different, where the two sides' replays part.
  if (session.Status() == SessionStatus::Desync) ticks = std::min(ticks, session.DesyncTick());
  ticks = std::min<std::uint32_t>(ticks, kLongestReplayFrames);
  replay.frames.clear();
  replay.frames.reserve(ticks);
  for (std::uint32_t tick = 0; tick < ticks; ++tick) {
    ReplayFrame frame{kOnlineFightStep, true, {}};
    session.ConfirmedCommands(tick, frame.commands);
    replay.frames.push_back(frame);
  }
  replay.finalHash = fight.ReplayHashAfter(ticks);
}
