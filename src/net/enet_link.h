#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "net/ipv6_bridge.h"
#include "net/net_address.h"
#include "net/rollback_simulation.h"

struct _ENetHost;
struct _ENetPeer;

enum class LinkEventKind { Connected, Received, Disconnected };

struct LinkEvent {
  LinkEventKind kind;
  std::vector<std::uint8_t> bytes;  // Received only
};

// One UDP link to one peer over ENet: reliable messages on one channel, unsequenced ones (that
// may be lost, duplicated or reordered) on the other. The host listens for a single player on
// IPv4 and, through an Ipv6Bridge, on IPv6 at the same port number.
class EnetLink : public PacketSink {
 public:
  ~EnetLink() override;
  EnetLink(const EnetLink&) = delete;
  EnetLink& operator=(const EnetLink&) = delete;

  // Null with `error` set when the port cannot be opened or the address not resolved. Port 0 takes
  // any free port.
  static std::unique_ptr<EnetLink> Listen(std::uint16_t port, std::string* error);
  static std::unique_ptr<EnetLink> Connect(const NetAddress& address, std::string* error);

  // Everything that arrived, without waiting.
  void Poll(std::vector<LinkEvent>* events);
  void Send(const std::vector<std::uint8_t>& bytes, bool reliable) override;
  // Puts what was sent on the wire now rather than at the next Poll.
  void Flush();
  // Says goodbye after what is queued has gone (waits at most `waitMs` for it).
  void Disconnect(std::uint32_t waitMs);
  bool HasPeer() const { return peer_ != nullptr; }
  // Milliseconds since anything (data, acknowledgement or ENet's own ping) came from the peer.
  std::uint32_t PeerSilenceMs() const;
  // The local UDP port (what Listen(0) was given by the system).
  std::uint16_t Port() const;

  std::uint64_t BytesSent() const;
  std::uint64_t BytesReceived() const;
  std::uint64_t DatagramsSent() const;

 private:
  explicit EnetLink(_ENetHost* host);
  void PumpBridge();
  std::unique_ptr<Ipv6Bridge> bridge_;  // declared before host_: destroyed after it
  _ENetHost* host_;
  _ENetPeer* peer_ = nullptr;
};
