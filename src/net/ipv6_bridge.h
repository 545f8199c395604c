#pragma once

#include <cstdint>
#include <memory>
#include <string>

// Debian's ENet 1.3 addresses peers by IPv4 only. An IPv6 peer's datagrams are carried across
// this bridge: one IPv6 socket toward the peer and one loopback IPv4 socket toward ENet, pumped
// by the link without blocking. ENet's retransmission and ordering work unchanged through it.
class Ipv6Bridge {
 public:
  ~Ipv6Bridge();
  Ipv6Bridge(const Ipv6Bridge&) = delete;
  Ipv6Bridge& operator=(const Ipv6Bridge&) = delete;

  // The joiner's side: ENet connects to 127.0.0.1:LocalPort(), the bridge talks to [host]:port.
  static std::unique_ptr<Ipv6Bridge> ToHost(const std::string& host, std::uint16_t port, std::string* error);
  // The host's side: listens on [::]:port (IPv6 only) and hands the first joiner's datagrams to
  // ENet's 127.0.0.1:enetPort. Null when the system has no IPv6.
  static std::unique_ptr<Ipv6Bridge> FromJoiners(std::uint16_t port, std::uint16_t enetPort);

  std::uint16_t LocalPort() const;
  // Moves every datagram waiting on either socket to the other side.
  void Pump();
  // The host's side takes the next joiner that sends (after ENet lost its peer).
  void ForgetJoiner() { haveRemote_ = false; }

 private:
  Ipv6Bridge() = default;
  bool toHost_ = false;
  int ipv6_ = -1;
  int ipv4_ = -1;
  bool haveRemote_ = false;      // the IPv6 peer's address is known
  unsigned char remote_[28]{};   // sockaddr_in6 of the peer
  bool haveEnet_ = false;        // ENet's own IPv4 address is known (joiner's side)
  unsigned char enet_[16]{};     // sockaddr_in of ENet's socket
};
