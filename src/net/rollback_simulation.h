#pragma once

#include <cstdint>
#include <vector>

#include "fight/fighter_command.h"

// What the rollback session drives: a deterministic simulation that can be saved, restored,
// advanced one fixed tick on both fighters' commands, and hashed. The fight's adapter and the
// tests' small simulations implement it.
struct RollbackSimulation {
  virtual ~RollbackSimulation() = default;
  virtual void Save(std::vector<std::uint8_t>& state) = 0;
  virtual void Restore(const std::vector<std::uint8_t>& state) = 0;
  // One tick. `resimulating` is set for ticks simulated again after a rollback: their sounds and
  // particles were already played once and must not be repeated.
  virtual void Advance(const FighterCommand (&commands)[2], bool resimulating) = 0;
  virtual std::uint64_t Hash() = 0;
  // The match is over in this state: no tick follows it.
  virtual bool Finished() { return false; }
};

// Where the session's datagrams go: the transport, or a test's pipe.
struct PacketSink {
  virtual ~PacketSink() = default;
  virtual void Send(const std::vector<std::uint8_t>& bytes, bool reliable) = 0;
};
