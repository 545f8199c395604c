#pragma once

#include "fight/fight.h"
#include "net/rollback_simulation.h"

// The game's fight under the rollback session: a tick is FightTick at the fixed online step, a
// state is the fight's snapshot, and ticks simulated again after a rollback run behind
// ResimulationHooks so their sounds and particles are not played twice.
constexpr float kOnlineFightStep = 100.0f / 60.0f;  // hundredths of a second per tick, 60 ticks a second

class FightRollbackSimulation : public RollbackSimulation {
 public:
  void Save(std::vector<std::uint8_t>& state) override;
  void Restore(const std::vector<std::uint8_t>& state) override;
  void Advance(const FighterCommand (&commands)[2], bool resimulating) override;
  std::uint64_t Hash() override;

  // What the latest tick simulated reported (finished once the deciding knock-out ran out).
  const MatchOutcome& LastOutcome() const { return lastOutcome_; }

 private:
  MatchOutcome lastOutcome_;
};
