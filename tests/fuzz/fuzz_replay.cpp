#include <algorithm>
#include <string>
#include <vector>

#include "app/replay_file.h"
#include "app/replay_playback.h"
#include "fight/fight.h"
#include "fight/headless_hooks.h"
#include "fight/roster.h"
#include "fuzz_check.h"

namespace {

// Enough frames for a damaged start state to be stepped by every rule once; a whole recording
// would make each run a match long.
constexpr std::size_t kFramesPlayed = 40;

HeadlessFightHooks quietHooks;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SetFightHooks(&quietHooks);
  LoadRoster();
  return 0;
}

// A replay that is read writes back as the very same bytes (the format has one spelling of each
// recording), and one the game agrees to play is played: its first frames go through the fight,
// which must survive whatever start state the file held.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> bytes(data, data + size);
  Replay replay;
  std::string error;
  if (!ReplayFromBytes(bytes, replay, error)) {
    FUZZ_CHECK(!error.empty());
    return 0;
  }
  FUZZ_CHECK(ReplayBytes(replay) == bytes);
  if (!ReplayPlayable(replay, error)) return 0;
  replay.frames.resize(std::min(replay.frames.size(), kFramesPlayed));
  StartReplayPlayback(replay);
  for (const ReplayFrame& f : ReplayPlayback.replay.frames) FightTick(f.commands, f.step, f.simulate);
  LeaveReplayPlayback();
  return 0;
}
