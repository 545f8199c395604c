#include "net/enet_link.h"

#include <enet/enet.h>
#include <enet/time.h>

namespace {

constexpr std::size_t kChannelCount = 2;
constexpr std::uint8_t kReliableChannel = 0;
constexpr std::uint8_t kUnreliableChannel = 1;
// ENet's own give-up time is kept long: its retransmissions can lose several times in a row on a
// bad line. Silence (PeerSilenceMs) is what decides that a peer is gone.
constexpr std::uint32_t kLinkTimeoutMs = 10000;
constexpr std::uint32_t kConnectTimeoutMs = 3000;  // a host that does not answer the connection

int enetUsers = 0;

bool AcquireEnet(std::string* error) {
  if (enetUsers == 0 && enet_initialize() != 0) {
    *error = "The network could not be started.";
    return false;
  }
  ++enetUsers;
  return true;
}

void ReleaseEnet() {
  if (--enetUsers == 0) enet_deinitialize();
}

void SetPeerTimeout(ENetPeer* peer, std::uint32_t timeoutMs) { enet_peer_timeout(peer, 0, timeoutMs, timeoutMs); }

// ENet throttles unreliable packets whenever a ping comes back slower than the last: on a line
// whose ping jitters it soon drops most of them, the inputs with them, until the match starves.
// Every input message repeats what the peer has not acknowledged, so all of them are sent.
void SendEveryPacket(ENetPeer* peer) { enet_peer_throttle_configure(peer, ENET_PEER_PACKET_THROTTLE_INTERVAL, 0, 0); }

}  // namespace

EnetLink::EnetLink(ENetHost* host) : host_(host) {}

EnetLink::~EnetLink() {
  enet_host_destroy(host_);
  ReleaseEnet();
}

std::unique_ptr<EnetLink> EnetLink::Listen(std::uint16_t port, std::string* error) {
  if (!AcquireEnet(error)) return nullptr;
  ENetAddress address;
  address.host = ENET_HOST_ANY;
  address.port = port;
  ENetHost* host = enet_host_create(&address, 1, kChannelCount, 0, 0);
  if (host == nullptr) {
    ReleaseEnet();
    *error = "Port " + std::to_string(port) + " could not be opened.";
    return nullptr;
  }
  std::unique_ptr<EnetLink> link(new EnetLink(host));
  link->bridge_ = Ipv6Bridge::FromJoiners(link->Port(), link->Port());  // none without IPv6
  return link;
}

std::unique_ptr<EnetLink> EnetLink::Connect(const NetAddress& target, std::string* error) {
  if (!AcquireEnet(error)) return nullptr;
  ENetAddress address;
  std::unique_ptr<Ipv6Bridge> bridge;
  if (target.host.find(':') != std::string::npos) {
    bridge = Ipv6Bridge::ToHost(target.host, target.port, error);
    if (!bridge) {
      ReleaseEnet();
      return nullptr;
    }
    enet_address_set_host(&address, "127.0.0.1");
    address.port = bridge->LocalPort();
  } else if (enet_address_set_host(&address, target.host.c_str()) != 0) {
    ReleaseEnet();
    *error = "Unknown host " + target.host + ".";
    return nullptr;
  } else {
    address.port = target.port;
  }
  ENetHost* host = enet_host_create(nullptr, 1, kChannelCount, 0, 0);
  if (host == nullptr) {
    ReleaseEnet();
    *error = "The network could not be started.";
    return nullptr;
  }
  std::unique_ptr<EnetLink> link(new EnetLink(host));
  link->bridge_ = std::move(bridge);
  link->peer_ = enet_host_connect(host, &address, kChannelCount, 0);
  if (link->peer_ == nullptr) {
    *error = "The network could not be started.";
    return nullptr;
  }
  SetPeerTimeout(link->peer_, kConnectTimeoutMs);
  return link;
}

void EnetLink::PumpBridge() {
  if (bridge_) bridge_->Pump();
}

void EnetLink::Poll(std::vector<LinkEvent>* events) {
  PumpBridge();
  ENetEvent event;
  while (enet_host_service(host_, &event, 0) > 0) {
    switch (event.type) {
      case ENET_EVENT_TYPE_CONNECT:
        peer_ = event.peer;
        SetPeerTimeout(peer_, kLinkTimeoutMs);
        SendEveryPacket(peer_);
        events->push_back({LinkEventKind::Connected, {}});
        break;
      case ENET_EVENT_TYPE_RECEIVE:
        if (event.peer == peer_)
          events->push_back({LinkEventKind::Received,
                             std::vector<std::uint8_t>(event.packet->data, event.packet->data + event.packet->dataLength)});
        enet_packet_destroy(event.packet);
        break;
      case ENET_EVENT_TYPE_DISCONNECT:
        if (event.peer == peer_) {
          peer_ = nullptr;
          if (bridge_) bridge_->ForgetJoiner();
          events->push_back({LinkEventKind::Disconnected, {}});
        }
        break;
      case ENET_EVENT_TYPE_NONE: break;
    }
  }
  PumpBridge();
}

void EnetLink::Send(const std::vector<std::uint8_t>& bytes, bool reliable) {
  if (peer_ == nullptr || peer_->state != ENET_PEER_STATE_CONNECTED) return;
  ENetPacket* packet = enet_packet_create(bytes.data(), bytes.size(),
                                          reliable ? ENET_PACKET_FLAG_RELIABLE : ENET_PACKET_FLAG_UNSEQUENCED);
  if (enet_peer_send(peer_, reliable ? kReliableChannel : kUnreliableChannel, packet) != 0) enet_packet_destroy(packet);
}

void EnetLink::Flush() {
  enet_host_flush(host_);
  PumpBridge();
}

void EnetLink::Disconnect(std::uint32_t waitMs) {
  if (peer_ == nullptr) return;
  enet_peer_disconnect_later(peer_, 0);
  ENetEvent event;
  const enet_uint32 start = enet_time_get();
  for (;;) {
    PumpBridge();
    if (enet_time_get() - start >= waitMs || enet_host_service(host_, &event, 5) < 0) break;
    if (event.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(event.packet);
    if (event.type == ENET_EVENT_TYPE_DISCONNECT) break;
  }
  if (peer_ != nullptr && peer_->state != ENET_PEER_STATE_DISCONNECTED) enet_peer_reset(peer_);
  peer_ = nullptr;
  if (bridge_) bridge_->ForgetJoiner();
}

std::uint32_t EnetLink::PeerSilenceMs() const {
  if (peer_ == nullptr) return 0;
  return ENET_TIME_DIFFERENCE(enet_time_get(), peer_->lastReceiveTime);
}

std::uint16_t EnetLink::Port() const {
  ENetAddress address{};
  enet_socket_get_address(host_->socket, &address);
  return address.port;
}

std::uint64_t EnetLink::BytesSent() const { return host_->totalSentData; }
std::uint64_t EnetLink::BytesReceived() const { return host_->totalReceivedData; }
std::uint64_t EnetLink::DatagramsSent() const { return host_->totalSentPackets; }
