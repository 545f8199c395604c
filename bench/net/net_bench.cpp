// What online play costs: a tick that rolls back the full eight ticks every time, and the bytes
// per second each way of a match over ENet on 127.0.0.1.
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <thread>

#include "app/fight_rollback_simulation.h"
#include "app/match_runner.h"
#include "fight/fight.h"
#include "net/net_messages.h"
#include "net/online_match.h"
#include "net/toy_simulation.h"

namespace {

struct DiscardSink : PacketSink {
  void Send(const std::vector<std::uint8_t>&, bool) override {}
};

// The peer's commands arrive eight ticks late and always differ from the prediction (it holds a
// different command every tick), so every tick restores and simulates eight ticks again.
template <typename Simulation>
void RollbackAtFullDepth(benchmark::State& state) {
  Simulation simulation;
  DiscardSink sink;
  RollbackConfig config;
  config.inputDelay = 0;
  std::uint32_t now = 0;
  RollbackSession session(simulation, sink, config, now);
  std::uint32_t peerTicks = 0;
  long depth = 0;
  for (auto _ : state) {
    now += 16;
    const std::uint32_t behind = session.CurrentTick() >= kMaxPredictionTicks ? session.CurrentTick() - kMaxPredictionTicks + 1 : 0;
    while (peerTicks < behind) {
      InputsMessage message;
      message.firstTick = peerTicks;
      message.senderTick = session.CurrentTick();  // level with this side: no waiting frames
      message.commands = {static_cast<std::uint8_t>(1u + (peerTicks & 1u))};
      message.echoHoldMs = 0xFFFF;
      const auto bytes = EncodeInputs(message);
      session.Receive(bytes.data(), bytes.size(), now);
      ++peerTicks;
    }
    session.Tick(FighterCommand{}, now);
    depth += session.LastRollbackDepth();
  }
  state.counters["rollback_depth"] = benchmark::Counter(static_cast<double>(depth) / static_cast<double>(state.iterations()));
}
BENCHMARK_TEMPLATE(RollbackAtFullDepth, ToySimulation)->Unit(benchmark::kMicrosecond);

// The same with the game's fight (headless): a running quick fight whose fighters' lives are kept
// up, so it never ends. This is the cost that must leave room for 60 frames a second.
struct RunningFight : FightRollbackSimulation {
  RunningFight() {
    LoadRoster();
    MatchSetup setup;
    setup.characters[0] = 0;
    setup.characters[1] = 3;
    setup.gameMode = TwoPlayers;
    runner = std::make_unique<MatchRunner>(setup);
    runner->Start();
  }
  void Advance(const FighterCommand (&commands)[2], bool resimulating) override {
    FightRollbackSimulation::Advance(commands, resimulating);
    FighterStatuses[0].life = FighterStatuses[1].life = 100.0f;
  }
  std::unique_ptr<MatchRunner> runner;
};
BENCHMARK_TEMPLATE(RollbackAtFullDepth, RunningFight)->Unit(benchmark::kMicrosecond);

std::uint32_t NowMs() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

// Two games on 127.0.0.1 playing `seconds` of ticks at 60 a second; bytes counted by ENet
// (UDP payload) and on the wire (with the 28 bytes of IPv4 and UDP headers per datagram).
void BytesPerSecondEachWay(benchmark::State& state) {
  const GameIdentity game{"bench", 1};
  const int seconds = 2;
  for (auto _ : state) {
    std::string error;
    auto host = OnlineConnection::Host(0, game, &error);
    auto joiner = OnlineConnection::Join({"127.0.0.1", host->Link().Port()}, game, &error);
    while (host->Phase() == ConnectionPhase::Waiting || joiner->Phase() == ConnectionPhase::Waiting) {
      host->Poll();
      joiner->Poll();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ToySimulation simulations[2];
    RollbackConfig config;
    OnlineMatch hostMatch(*host, simulations[0], config, NowMs());
    config.localSide = 1;
    OnlineMatch joinerMatch(*joiner, simulations[1], config, NowMs());
    EnetLink* links[2] = {&host->Link(), &joiner->Link()};
    std::uint64_t bytesBefore[2], datagramsBefore[2];
    for (int side = 0; side < 2; ++side) {
      bytesBefore[side] = links[side]->BytesSent();
      datagramsBefore[side] = links[side]->DatagramsSent();
    }
    const std::uint32_t start = NowMs();
    std::uint32_t frame = 0;
    while (frame < static_cast<std::uint32_t>(seconds * kOnlineTicksPerSecond)) {
      const std::uint32_t now = NowMs();
      if (now - start >= frame * 1000u / kOnlineTicksPerSecond) {
        hostMatch.Frame(ScriptedCommand(0, frame), now);
        joinerMatch.Frame(ScriptedCommand(1, frame), now);
        ++frame;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    const char* names[2] = {"host_to_joiner", "joiner_to_host"};
    for (int side = 0; side < 2; ++side) {
      const double bytes = static_cast<double>(links[side]->BytesSent() - bytesBefore[side]);
      const double datagrams = static_cast<double>(links[side]->DatagramsSent() - datagramsBefore[side]);
      state.counters[std::string(names[side]) + "_B_per_s"] = bytes / seconds;
      state.counters[std::string(names[side]) + "_wire_B_per_s"] = (bytes + 28.0 * datagrams) / seconds;
      state.counters[std::string(names[side]) + "_datagrams_per_s"] = datagrams / seconds;
    }
  }
}
BENCHMARK(BytesPerSecondEachWay)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
