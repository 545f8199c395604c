#pragma once

#include <cstdint>
#include <vector>

#include "net/online_connection.h"
#include "net/rollback_session.h"

// A rollback session fed by a connection whose handshake passed: each frame hands the session
// what arrived, runs its tick and puts the answer on the wire.
class OnlineMatch {
 public:
  OnlineMatch(OnlineConnection& connection, RollbackSimulation& simulation, const RollbackConfig& config,
              std::uint32_t nowMs);

  // What arrived since the last call, without ticking (between frames of the fixed clock). Once
  // the session has ended, what follows is kept for TakeUnread (the set-up screen's messages).
  void Pump(std::uint32_t nowMs);
  // Pump, then one tick of the fixed clock with this player's command. False when it waited.
  bool Frame(FighterCommand local, std::uint32_t nowMs);
  // This player leaves; the peer is told before the link closes.
  void Leave();

  std::vector<std::vector<std::uint8_t>> TakeUnread();

  RollbackSession& Session() { return session_; }
  const RollbackSession& Session() const { return session_; }

 private:
  OnlineConnection& connection_;
  RollbackSession session_;
  std::vector<std::vector<std::uint8_t>> unread_;
};
