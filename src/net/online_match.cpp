#include "net/online_match.h"

namespace {
constexpr std::uint32_t kLeaveFlushMs = 300;
}

OnlineMatch::OnlineMatch(OnlineConnection& connection, RollbackSimulation& simulation, const RollbackConfig& config,
                         std::uint32_t nowMs)
    : connection_(connection), session_(simulation, connection.Link(), config, nowMs) {}

void OnlineMatch::Pump(std::uint32_t nowMs) {
  connection_.Poll();
  for (auto& bytes : connection_.TakeReceived()) {
    if (session_.Status() == SessionStatus::Running) {
      session_.Receive(bytes.data(), bytes.size(), nowMs);
    } else {
      unread_.push_back(std::move(bytes));
    }
  }
  if (connection_.PeerLost()) session_.PeerDisconnected();
}

std::vector<std::vector<std::uint8_t>> OnlineMatch::TakeUnread() {
  std::vector<std::vector<std::uint8_t>> taken;
  taken.swap(unread_);
  return taken;
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
