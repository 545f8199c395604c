#include "app/fight_rollback_simulation.h"

#include <cstring>

#include "app/resimulation_hooks.h"
#include "fight/fight_snapshot.h"

void FightRollbackSimulation::Save(std::vector<std::uint8_t>& state) {
  FightSnapshot snapshot;
  SaveFightState(snapshot);
  state.resize(sizeof snapshot);
  std::memcpy(state.data(), &snapshot, sizeof snapshot);
}

void FightRollbackSimulation::Restore(const std::vector<std::uint8_t>& state) {
  FightSnapshot snapshot;
  if (state.size() != sizeof snapshot) return;  // a slot never saved
  std::memcpy(&snapshot, state.data(), sizeof snapshot);
  RestoreFightState(snapshot);
}

void FightRollbackSimulation::Advance(const FighterCommand (&commands)[2], bool resimulating) {
  FightHooks& game = Hooks();
  ResimulationHooks again(game);
  if (resimulating) SetFightHooks(&again);
  lastOutcome_ = FightTick(commands, kOnlineFightStep, true);
  if (resimulating) SetFightHooks(&game);
}

std::uint64_t FightRollbackSimulation::Hash() { return FightStateHash(); }
