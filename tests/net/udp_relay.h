#pragma once

#include <atomic>
#include <mutex>
#include <cstdint>
#include <thread>

// A bad line between two games on 127.0.0.1: the joiner talks to the relay's port, the relay
// passes datagrams on to the host's port and back, each delayed (with jitter, so they overtake
// each other), some dropped, some sent twice. Runs on a thread of its own until destroyed.
class UdpRelay {
 public:
  struct Conditions {
    int minDelayMs = 0, maxDelayMs = 0;
    double drop = 0.0, duplicate = 0.0;
  };

  UdpRelay(std::uint16_t hostPort, Conditions conditions, unsigned seed);
  ~UdpRelay();
  UdpRelay(const UdpRelay&) = delete;
  UdpRelay& operator=(const UdpRelay&) = delete;

  // From now on (the datagrams already held keep their times).
  void SetConditions(Conditions conditions);
  std::uint16_t Port() const { return port_; }
  std::uint64_t Received() const { return received_; }  // datagrams taken in from either side
  std::uint64_t Forwarded() const { return forwarded_; }
  std::uint64_t Dropped() const { return dropped_; }

 private:
  void Run(unsigned seed);

  std::mutex mutex_;
  Conditions conditions_;
  int front_ = -1;  // the joiner's side, bound to Port()
  int back_ = -1;   // the host's side, connected to the host's port
  std::uint16_t port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<std::uint64_t> received_{0}, forwarded_{0}, dropped_{0};
  std::thread thread_;
};
