#pragma once

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include "net/rollback_session.h"

// A network in simulated time: unreliable datagrams are delayed (with jitter, so they overtake
// each other), dropped and duplicated; reliable ones only delayed, in order, as ENet does.
class SimulatedNetwork {
 public:
  struct Conditions {
    int minDelayMs = 0, maxDelayMs = 0;
    double drop = 0.0, duplicate = 0.0;
  };

  class End : public PacketSink {
   public:
    End(SimulatedNetwork& network, int to) : network_(network), to_(to) {}
    void Send(const std::vector<std::uint8_t>& bytes, bool reliable) override { network_.Post(to_, bytes, reliable); }
   private:
    SimulatedNetwork& network_;
    int to_;
  };

  SimulatedNetwork(Conditions conditions, unsigned seed) : conditions_(conditions), random_(seed) {}

  void Post(int to, const std::vector<std::uint8_t>& bytes, bool reliable) {
    if (cut_) return;
    std::uniform_real_distribution<double> chance(0.0, 1.0);
    std::uniform_int_distribution<int> delay(conditions_.minDelayMs, conditions_.maxDelayMs);
    if (!reliable && chance(random_) < conditions_.drop) return;
    const int copies = (!reliable && chance(random_) < conditions_.duplicate) ? 2 : 1;
    for (int i = 0; i < copies; ++i) {
      std::uint32_t at = now + static_cast<std::uint32_t>(delay(random_));
      if (reliable) at = std::max(at, lastReliable_[to]);
      if (reliable) lastReliable_[to] = at;
      queue_.push_back({at, sequence_++, to, bytes});
    }
  }

  // Hands every datagram due by `now` to its session.
  void Deliver(RollbackSession* (&sessions)[2]) {
    std::stable_sort(queue_.begin(), queue_.end(), [](const Datagram& a, const Datagram& b) {
      return a.at != b.at ? a.at < b.at : a.sequence < b.sequence;
    });
    std::size_t due = 0;
    while (due < queue_.size() && queue_[due].at <= now) ++due;
    for (std::size_t i = 0; i < due; ++i)
      sessions[queue_[i].to]->Receive(queue_[i].bytes.data(), queue_[i].bytes.size(), now);
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<long>(due));
  }

  void Cut() { cut_ = true; queue_.clear(); }

  std::uint32_t now = 1000;

 private:
  struct Datagram {
    std::uint32_t at;
    std::uint64_t sequence;
    int to;
    std::vector<std::uint8_t> bytes;
  };
  Conditions conditions_;
  std::mt19937 random_;
  std::vector<Datagram> queue_;
  std::uint64_t sequence_ = 0;
  std::uint32_t lastReliable_[2] = {0, 0};
  bool cut_ = false;
};
