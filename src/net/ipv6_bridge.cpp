#include "net/ipv6_bridge.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <vector>

namespace {

static_assert(sizeof(sockaddr_in6) <= 28 && sizeof(sockaddr_in) <= 16, "address buffers");

int NonBlocking(int fd) {
  if (fd >= 0) fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) | O_NONBLOCK);
  return fd;
}

sockaddr_in Ipv4Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

int BoundIpv4Loopback() {
  const int fd = NonBlocking(socket(AF_INET, SOCK_DGRAM, 0));
  const sockaddr_in address = Ipv4Loopback(0);
  if (fd >= 0 && bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0) return fd;
  if (fd >= 0) close(fd);
  return -1;
}

}  // namespace

Ipv6Bridge::~Ipv6Bridge() {
  if (ipv6_ >= 0) close(ipv6_);
  if (ipv4_ >= 0) close(ipv4_);
}

std::unique_ptr<Ipv6Bridge> Ipv6Bridge::ToHost(const std::string& host, std::uint16_t port, std::string* error) {
  sockaddr_in6 remote{};
  remote.sin6_family = AF_INET6;
  remote.sin6_port = htons(port);
  if (inet_pton(AF_INET6, host.c_str(), &remote.sin6_addr) != 1) {
    *error = "Unknown host " + host + ".";
    return nullptr;
  }
  std::unique_ptr<Ipv6Bridge> bridge(new Ipv6Bridge);
  bridge->toHost_ = true;
  bridge->ipv6_ = NonBlocking(socket(AF_INET6, SOCK_DGRAM, 0));
  bridge->ipv4_ = BoundIpv4Loopback();
  if (bridge->ipv6_ < 0 || bridge->ipv4_ < 0) {
    *error = "This system cannot reach IPv6 addresses.";
    return nullptr;
  }
  std::memcpy(bridge->remote_, &remote, sizeof remote);
  bridge->haveRemote_ = true;
  return bridge;
}

std::unique_ptr<Ipv6Bridge> Ipv6Bridge::FromJoiners(std::uint16_t port, std::uint16_t enetPort) {
  std::unique_ptr<Ipv6Bridge> bridge(new Ipv6Bridge);
  bridge->ipv6_ = NonBlocking(socket(AF_INET6, SOCK_DGRAM, 0));
  bridge->ipv4_ = BoundIpv4Loopback();
  if (bridge->ipv6_ < 0 || bridge->ipv4_ < 0) return nullptr;
  const int only = 1;  // the IPv4 port belongs to ENet
  setsockopt(bridge->ipv6_, IPPROTO_IPV6, IPV6_V6ONLY, &only, sizeof only);
  sockaddr_in6 any{};
  any.sin6_family = AF_INET6;
  any.sin6_addr = in6addr_any;
  any.sin6_port = htons(port);
  const sockaddr_in enet = Ipv4Loopback(enetPort);
  if (bind(bridge->ipv6_, reinterpret_cast<const sockaddr*>(&any), sizeof any) != 0 ||
      connect(bridge->ipv4_, reinterpret_cast<const sockaddr*>(&enet), sizeof enet) != 0)
    return nullptr;
  return bridge;
}

std::uint16_t Ipv6Bridge::LocalPort() const {
  sockaddr_in address{};
  socklen_t length = sizeof address;
  getsockname(ipv4_, reinterpret_cast<sockaddr*>(&address), &length);
  return ntohs(address.sin_port);
}

void Ipv6Bridge::Pump() {
  std::vector<unsigned char> buffer(65536);
  for (;;) {  // from the IPv6 peer toward ENet
    sockaddr_in6 from{};
    socklen_t length = sizeof from;
    const ssize_t size = recvfrom(ipv6_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (size < 0) break;
    if (!haveRemote_) {
      std::memcpy(remote_, &from, sizeof from);
      haveRemote_ = true;
    } else if (std::memcmp(remote_, &from, sizeof from) != 0) {
      continue;  // one peer at a time
    }
    if (toHost_) {
      if (haveEnet_) sendto(ipv4_, buffer.data(), static_cast<std::size_t>(size), 0, reinterpret_cast<const sockaddr*>(enet_), sizeof(sockaddr_in));
    } else {
      send(ipv4_, buffer.data(), static_cast<std::size_t>(size), 0);
    }
  }
  for (;;) {  // from ENet toward the IPv6 peer
    sockaddr_in from{};
    socklen_t length = sizeof from;
    const ssize_t size = recvfrom(ipv4_, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
    if (size < 0) break;
    if (toHost_) {
      std::memcpy(enet_, &from, sizeof from);
      haveEnet_ = true;
    }
    if (haveRemote_) sendto(ipv6_, buffer.data(), static_cast<std::size_t>(size), 0, reinterpret_cast<const sockaddr*>(remote_), sizeof(sockaddr_in6));
  }
}
