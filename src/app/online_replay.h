#pragma once

#include <cstdint>

#include "app/fight_rollback_simulation.h"
#include "app/replay_file.h"
#include "net/rollback_session.h"

// An online match's replay: begun from StartingReplay as its fight starts, completed when the
// match ends (finished or out of step) with the ticks whose two commands are known, each a frame
// of the fixed online step, and the state this side reached after them.
void CompleteOnlineReplay(Replay& replay, const RollbackSession& session, const FightRollbackSimulation& fight);
