#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/enet_link.h"
#include "net/handshake.h"

enum class ConnectionPhase {
  Waiting,   // the host waits for a player; the joiner for the host's answer
  Ready,     // the handshake passed: set-up and match messages flow
  Refused,   // a mismatch (Message() says which); the host goes back to Waiting by itself
  Failed,    // unreachable, or the peer was lost (Message())
};

constexpr const char* kConnectionLostText = "Connection lost";

// A link with the handshake done on it: the joiner says hello with its version and content hash,
// the host compares them with its own and welcomes or refuses the joiner, and both sides show why.
class OnlineConnection {
 public:
  static std::unique_ptr<OnlineConnection> Host(std::uint16_t port, const GameIdentity& identity, std::string* error);
  static std::unique_ptr<OnlineConnection> Join(const NetAddress& address, const GameIdentity& identity, std::string* error);

  // Pumps the link and runs the handshake. Once Ready, what the peer sends is kept for TakeReceived.
  void Poll();
  ConnectionPhase Phase() const { return phase_; }
  const std::string& Message() const { return message_; }
  bool IsHost() const { return isHost_; }
  // A host that refused a player and listens again reports the refusal once; this clears it.
  void AcknowledgeRefusal();

  std::vector<std::vector<std::uint8_t>> TakeReceived();
  // True once the transport lost the peer after the handshake.
  bool PeerLost() const { return peerLost_; }
  // How long a peer may stay silent after the handshake before it counts as lost.
  void SetPeerTimeoutMs(std::uint32_t timeoutMs) { peerTimeoutMs_ = timeoutMs; }
  EnetLink& Link() { return *link_; }

 private:
  OnlineConnection(std::unique_ptr<EnetLink> link, const GameIdentity& identity, bool isHost);
  void HandleHandshake(const std::vector<std::uint8_t>& bytes);

  std::unique_ptr<EnetLink> link_;
  GameIdentity identity_;
  bool isHost_;
  ConnectionPhase phase_ = ConnectionPhase::Waiting;
  std::string message_;
  bool peerLost_ = false;
  std::uint32_t peerTimeoutMs_;
  std::vector<std::vector<std::uint8_t>> received_;
};
