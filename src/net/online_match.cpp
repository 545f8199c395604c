#include "net/online_match.h"

namespace {
constexpr std::uint32_t kLeaveFlushMs = 300;
}

OnlineMatch::OnlineMatch(OnlineConnection& connection, RollbackSimulation& simulation, const RollbackConfig& config,
                         std::uint32_t nowMs)
    : connection_(connection), session_(simulation, connection.Link(), config, nowMs) {}

void OnlineMatch::Pump(std::uint32_t nowMs) {
  connection_.Poll();
  for (const auto& bytes : connection_.TakeReceived()) session_.Receive(bytes.data(), bytes.size(), nowMs);
  if (connection_.PeerLost()) session_.PeerDisconnected();
}

bool OnlineMatch::Frame(FighterCommand local, std::uint32_t nowMs) {
  Pump(nowMs);
  const bool advanced = session_.Tick(local, nowMs);
  connection_.Link().Flush();
  return advanced;
}

void OnlineMatch::Leave() {
  session_.Leave();
  connection_.Link().Disconnect(kLeaveFlushMs);
}
