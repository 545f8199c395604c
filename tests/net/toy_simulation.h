#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

#include "net/rollback_simulation.h"

// A small deterministic stand-in for the fight: two positions pushed by the commands and a
// running mix of everything that happened, so any difference in any tick's commands shows in
// the hash. It counts the effects it would play, which resimulated ticks must not repeat.
class ToySimulation : public RollbackSimulation {
 public:
  struct State {
    std::uint32_t tick = 0;
    std::int32_t position[2] = {0, 0};
    std::uint64_t mix = 0x9E3779B97F4A7C15ull;
  };

  void Save(std::vector<std::uint8_t>& bytes) override {
    bytes.resize(sizeof state_);
    std::memcpy(bytes.data(), &state_, sizeof state_);
  }
  void Restore(const std::vector<std::uint8_t>& bytes) override { std::memcpy(&state_, bytes.data(), sizeof state_); }
  void Advance(const FighterCommand (&commands)[2], bool resimulating) override {
    for (int side = 0; side < 2; ++side) {
      if (commands[side].Holds(FightInput::Forward)) ++state_.position[side];
      if (commands[side].Holds(FightInput::Back)) --state_.position[side];
      state_.mix = (state_.mix ^ (commands[side].held + 1u + side * 256u)) * 0x100000001B3ull;
      if (commands[side].Holds(FightInput::HandToHead) && !resimulating) ++effects;
    }
    state_.mix ^= (state_.mix >> 29) + static_cast<std::uint64_t>(drift);
    ++state_.tick;
    ++advances;
    if (resimulating) ++resimulated;
  }
  std::uint64_t Hash() override { return state_.mix ^ (static_cast<std::uint64_t>(state_.tick) << 40); }
  // From tick finishFrom on, the match ends on a state that depends on every command so far, so
  // a wrong prediction can end it early or late.
  bool Finished() override { return state_.tick >= finishFrom && (state_.mix & 7u) == 0; }

  const State& Current() const { return state_; }

  std::uint32_t finishFrom = 0xFFFFFFFFu;
  int drift = 0;  // outside the saved state: a desync on purpose when set
  int effects = 0;
  int advances = 0;
  int resimulated = 0;

 private:
  State state_;
};

// The scripted command of a side at a tick: changes every few ticks, differently for each side.
inline FighterCommand ScriptedCommand(int side, std::uint32_t tick) {
  FighterCommand command;
  const std::uint32_t phase = (tick / (5u + 3u * static_cast<std::uint32_t>(side))) * 2654435761u + static_cast<std::uint32_t>(side) * 97u;
  command.held = static_cast<std::uint8_t>((phase >> 7) & 0x3Fu);
  return command;
}

// The same match played offline: each side's command of tick t was pressed inputDelay ticks earlier.
// It stops early where the simulation says the match ended.
inline ToySimulation OfflineMatch(const int (&inputDelay)[2], std::uint32_t ticks, std::uint32_t finishFrom = 0xFFFFFFFFu) {
  ToySimulation simulation;
  simulation.finishFrom = finishFrom;
  for (std::uint32_t tick = 0; tick < ticks && !simulation.Finished(); ++tick) {
    FighterCommand commands[2];
    for (int side = 0; side < 2; ++side)
      if (tick >= static_cast<std::uint32_t>(inputDelay[side])) commands[side] = ScriptedCommand(side, tick - static_cast<std::uint32_t>(inputDelay[side]));
    simulation.Advance(commands, false);
  }
  return simulation;
}

inline std::uint64_t OfflineHash(const int (&inputDelay)[2], std::uint32_t ticks) {
  return OfflineMatch(inputDelay, ticks).Hash();
}
