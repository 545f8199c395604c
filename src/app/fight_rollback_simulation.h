#pragma once

#include <cstdint>
#include <vector>

#include "fight/fight.h"
#include "net/rollback_simulation.h"

// The game's fight under the rollback session: a tick is FightTick at the fixed online step, a
// state is the fight's snapshot, and ticks simulated again after a rollback run behind
// ResimulationHooks so their sounds and particles are not played twice. The drawing's record of
// the animation it started (Fighter::shownAction) stays out of the hash and out of rollbacks.
constexpr float kOnlineFightStep = 100.0f / 60.0f;  // hundredths of a second per tick, 60 ticks a second

class FightRollbackSimulation : public RollbackSimulation {
 public:
  void Save(std::vector<std::uint8_t>& state) override;
  void Restore(const std::vector<std::uint8_t>& state) override;
  void Advance(const FighterCommand (&commands)[2], bool resimulating) override;
  std::uint64_t Hash() override;
  bool Finished() override { return outcome_.finished; }

  // Whether a tick of the simulated fight so far reported the match finished (part of the saved
  // state, so a rollback takes back a finish that only a wrong prediction brought).
  const MatchOutcome& Outcome() const { return outcome_; }
  // The state's hash as a replay's playback checks it (FightStateHash straight after the tick),
  // after `ticks` ticks of the branch simulated last; 0 for ticks not simulated.
  std::uint64_t ReplayHashAfter(std::uint32_t ticks) const;

 private:
  MatchOutcome outcome_;
  std::uint32_t ticks_ = 0;                // ticks simulated to reach this state (saved with it)
  std::vector<std::uint64_t> replayHashes_;  // by ticks simulated
};
