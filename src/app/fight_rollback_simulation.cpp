#include "app/fight_rollback_simulation.h"

#include <cstring>

#include "app/resimulation_hooks.h"
#include "fight/fight_snapshot.h"

namespace {
constexpr std::size_t kStateSize = sizeof(FightSnapshot) + sizeof(MatchOutcome) + sizeof(std::uint32_t);
}

void FightRollbackSimulation::Save(std::vector<std::uint8_t>& state) {
  RefreshBodyPositions();  // as the camera does between frames: the same state whether drawn or not
  FightSnapshot snapshot;
  SaveFightState(snapshot);
  state.resize(kStateSize);
  std::memcpy(state.data(), &snapshot, sizeof snapshot);
  std::memcpy(state.data() + sizeof snapshot, &outcome_, sizeof outcome_);
  std::memcpy(state.data() + sizeof snapshot + sizeof outcome_, &ticks_, sizeof ticks_);
}

void FightRollbackSimulation::Restore(const std::vector<std::uint8_t>& state) {
  FightSnapshot snapshot;
  if (state.size() != kStateSize) return;  // a slot never saved
  std::memcpy(&snapshot, state.data(), sizeof snapshot);
  std::memcpy(&outcome_, state.data() + sizeof snapshot, sizeof outcome_);
  std::memcpy(&ticks_, state.data() + sizeof snapshot + sizeof outcome_, sizeof ticks_);
  // The animation last started belongs to the drawing, which has already shown it: a rollback
  // does not start it again.
  for (int i = 0; i < 2; ++i) snapshot.fighters[i].shownAction = Fighters[i].shownAction;
  RestoreFightState(snapshot);
}

void FightRollbackSimulation::Advance(const FighterCommand (&commands)[2], bool resimulating) {
  FightHooks& game = Hooks();
  ResimulationHooks again(game);
  if (resimulating) SetFightHooks(&again);
  const MatchOutcome outcome = FightTick(commands, kOnlineFightStep, true);
  if (outcome.finished && !outcome_.finished) outcome_ = outcome;
  if (resimulating) SetFightHooks(&game);
  ++ticks_;
  replayHashes_.resize(ticks_ + 1);
  replayHashes_[ticks_] = FightStateHash();
}

std::uint64_t FightRollbackSimulation::ReplayHashAfter(std::uint32_t ticks) const {
  return ticks < replayHashes_.size() ? replayHashes_[ticks] : 0;
}

std::uint64_t FightRollbackSimulation::Hash() {
  // Without the drawing's shownAction: each game draws at its own frame rate, so it differs
  // between two games whose fights are in step.
  RefreshBodyPositions();
  FightSnapshot snapshot;
  SaveFightState(snapshot);
  for (Fighter& fighter : snapshot.fighters) fighter.shownAction = Fighter{}.shownAction;
  return FightSnapshotHash(snapshot);
}
