#include "app/fight_rollback_simulation.h"

#include <cstring>

#include "app/resimulation_hooks.h"
#include "fight/fight_snapshot.h"

void FightRollbackSimulation::Save(std::vector<std::uint8_t>& state) {
  FightSnapshot snapshot;
  SaveFightState(snapshot);
  state.resize(sizeof snapshot + sizeof outcome_);
  std::memcpy(state.data(), &snapshot, sizeof snapshot);
  std::memcpy(state.data() + sizeof snapshot, &outcome_, sizeof outcome_);
}

void FightRollbackSimulation::Restore(const std::vector<std::uint8_t>& state) {
  FightSnapshot snapshot;
  if (state.size() != sizeof snapshot + sizeof outcome_) return;  // a slot never saved
  std::memcpy(&snapshot, state.data(), sizeof snapshot);
  std::memcpy(&outcome_, state.data() + sizeof snapshot, sizeof outcome_);
  RestoreFightState(snapshot);
}

void FightRollbackSimulation::Advance(const FighterCommand (&commands)[2], bool resimulating) {
  FightHooks& game = Hooks();
  ResimulationHooks again(game);
  if (resimulating) SetFightHooks(&again);
  const MatchOutcome outcome = FightTick(commands, kOnlineFightStep, true);
  if (outcome.finished && !outcome_.finished) outcome_ = outcome;
  if (resimulating) SetFightHooks(&game);
}

std::uint64_t FightRollbackSimulation::Hash() { return FightStateHash(); }
