#include "udp_relay.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <stdexcept>
#include <vector>

namespace {

sockaddr_in Loopback(std::uint16_t port) {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(port);
  return address;
}

int LoopbackSocket(std::uint16_t port) {
  const int fd = socket(AF_INET, SOCK_DGRAM, 0);
  const sockaddr_in address = Loopback(port);
  if (fd < 0 || bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
    throw std::runtime_error("relay socket");
  return fd;
}

using Clock = std::chrono::steady_clock;

struct Datagram {
  Clock::time_point at;
  bool towardHost;
  std::vector<std::uint8_t> bytes;
};

}  // namespace

UdpRelay::UdpRelay(std::uint16_t hostPort, Conditions conditions, unsigned seed) : conditions_(conditions) {
  front_ = LoopbackSocket(0);
  back_ = LoopbackSocket(0);
  const sockaddr_in host = Loopback(hostPort);
  if (connect(back_, reinterpret_cast<const sockaddr*>(&host), sizeof host) != 0) throw std::runtime_error("relay connect");
  sockaddr_in bound{};
  socklen_t length = sizeof bound;
  getsockname(front_, reinterpret_cast<sockaddr*>(&bound), &length);
  port_ = ntohs(bound.sin_port);
  thread_ = std::thread([this, seed] { Run(seed); });
}

UdpRelay::~UdpRelay() {
  stop_ = true;
  thread_.join();
  close(front_);
  close(back_);
}

void UdpRelay::SetConditions(Conditions conditions) {
  std::lock_guard<std::mutex> lock(mutex_);
  conditions_ = conditions;
}

void UdpRelay::Run(unsigned seed) {
  std::mt19937 random(seed);
  std::uniform_real_distribution<double> chance(0.0, 1.0);
  std::vector<Datagram> pending;
  sockaddr_in joiner{};
  bool haveJoiner = false;
  std::vector<std::uint8_t> buffer(65536);

  while (!stop_) {
    Conditions conditions;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      conditions = conditions_;
    }
    std::uniform_int_distribution<int> delay(conditions.minDelayMs, conditions.maxDelayMs);
    pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
    poll(fds, 2, 1);
    for (int side = 0; side < 2; ++side) {
      if (!(fds[side].revents & POLLIN)) continue;
      sockaddr_in from{};
      socklen_t length = sizeof from;
      const ssize_t size = recvfrom(fds[side].fd, buffer.data(), buffer.size(), 0, reinterpret_cast<sockaddr*>(&from), &length);
      if (size < 0) continue;
      ++received_;
      if (side == 0) {
        joiner = from;
        haveJoiner = true;
      }
      if (chance(random) < conditions.drop) {
        ++dropped_;
        continue;
      }
      const int copies = chance(random) < conditions.duplicate ? 2 : 1;
      for (int i = 0; i < copies; ++i)
        pending.push_back({Clock::now() + std::chrono::milliseconds(delay(random)), side == 0,
                           std::vector<std::uint8_t>(buffer.begin(), buffer.begin() + size)});
    }
    const auto now = Clock::now();
    for (std::size_t i = 0; i < pending.size();) {
      if (pending[i].at > now) {
        ++i;
        continue;
      }
      const Datagram& datagram = pending[i];
      if (datagram.towardHost) {
        send(back_, datagram.bytes.data(), datagram.bytes.size(), 0);
      } else if (haveJoiner) {
        sendto(front_, datagram.bytes.data(), datagram.bytes.size(), 0, reinterpret_cast<const sockaddr*>(&joiner), sizeof joiner);
      }
      ++forwarded_;
      pending.erase(pending.begin() + static_cast<long>(i));
    }
  }
}
