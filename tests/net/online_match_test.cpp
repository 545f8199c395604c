#include "net/online_match.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "toy_simulation.h"
#include "udp_relay.h"

namespace {

const GameIdentity kGame{"1.0.0", 0x5EED5EED5EED5EEDull};

std::uint32_t NowMs() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

NetAddress Loopback(std::uint16_t port) { return {"127.0.0.1", port}; }

// The matches below prove that both sides end in step; a loaded machine that stops this process
// for a few seconds must not end them as lost. The three seconds are proven by the killed peer
// below and, in simulated time, by the session's own test.
constexpr std::uint32_t kPatientTimeoutMs = 20000;

// Polls both connections until both leave Waiting (or 5 s pass).
void Handshake(OnlineConnection& host, OnlineConnection& joiner) {
  const std::uint32_t end = NowMs() + 5000;
  while (NowMs() < end && (host.Phase() == ConnectionPhase::Waiting || joiner.Phase() == ConnectionPhase::Waiting)) {
    host.Poll();
    joiner.Poll();
    Sleep(1);
  }
}

struct Side {
  std::unique_ptr<OnlineConnection> connection;
  ToySimulation simulation;
  std::unique_ptr<OnlineMatch> match;
  std::uint32_t nextFrameMs = 0;
  std::uint64_t frames = 0;  // each sends this side's inputs, in a datagram of its own

  void Start(int side, int inputDelay, std::uint32_t ticks, std::uint32_t timeoutMs = kPatientTimeoutMs) {
    RollbackConfig config;
    config.localSide = side;
    config.inputDelay = inputDelay;
    config.lastTick = ticks;
    config.timeoutMs = timeoutMs;
    connection->SetPeerTimeoutMs(timeoutMs);
    match = std::make_unique<OnlineMatch>(*connection, simulation, config, NowMs());
    nextFrameMs = NowMs();
  }
  // The game's fixed clock: a frame each 1/60 s, received packets in between.
  void Run(int side) {
    const std::uint32_t now = NowMs();
    if (now - nextFrameMs < 0x80000000u) {
      nextFrameMs += 1000 / kOnlineTicksPerSecond + (nextFrameMs % 3 == 0 ? 1 : 0);
      match->Frame(ScriptedCommand(side, match->Session().CurrentTick()), now);
      ++frames;
    } else {
      match->Pump(now);
    }
  }
  // Every tick simulated on both real commands, and every checkpoint's hash compared with the
  // peer's (the last ones may still be on their way when the last tick is confirmed).
  bool Done(std::uint32_t ticks) const {
    const RollbackSession& session = match->Session();
    const int checkpoints = static_cast<int>((ticks + kHashIntervalTicks - 1) / kHashIntervalTicks);
    return session.Status() != SessionStatus::Running ||
           (session.CurrentTick() == ticks && session.StateConfirmed() && session.ComparedHashes() == checkpoints);
  }
};

}  // namespace

TEST(OnlineMatch, AWholeMatchThroughABadLineEndsLikeItsOfflineReplay) {
  std::string error;
  Side host, joiner;
  host.connection = OnlineConnection::Host(0, kGame, &error);
  ASSERT_TRUE(host.connection) << error;
  UdpRelay relay(host.connection->Link().Port(), {}, 3);
  joiner.connection = OnlineConnection::Join(Loopback(relay.Port()), kGame, &error);
  ASSERT_TRUE(joiner.connection) << error;
  Handshake(*host.connection, *joiner.connection);
  ASSERT_EQ(host.connection->Phase(), ConnectionPhase::Ready);
  ASSERT_EQ(joiner.connection->Phase(), ConnectionPhase::Ready);

  // The worst line the game promises to survive: 0..200 ms each way, a tenth lost, some twice.
  relay.SetConditions({0, 200, 0.10, 0.05});
  const std::uint32_t kTicks = 300;
  const int inputDelay[2] = {2, 3};
  host.Start(0, inputDelay[0], kTicks);
  joiner.Start(1, inputDelay[1], kTicks);
  const std::uint32_t end = NowMs() + 30000;
  while (NowMs() < end && !(host.Done(kTicks) && joiner.Done(kTicks))) {
    host.Run(0);
    joiner.Run(1);
    Sleep(1);
  }
  for (Side* side : {&host, &joiner}) {
    const RollbackSession& session = side->match->Session();
    ASSERT_EQ(session.Status(), SessionStatus::Running);
    EXPECT_EQ(session.CurrentTick(), kTicks);
    EXPECT_EQ(session.ComparedHashes(), static_cast<int>(kTicks / kHashIntervalTicks));
    EXPECT_GT(session.PingMs(), 50);  // the relay's 0..200 ms each way
  }
  EXPECT_GT(relay.Dropped(), 0u);
  // The line loses packets, not ENet: it would throttle the inputs away on a ping that jitters.
  EXPECT_GE(relay.Received(), host.frames + joiner.frames);
  EXPECT_EQ(host.simulation.Hash(), joiner.simulation.Hash());
  EXPECT_EQ(host.simulation.Hash(), OfflineHash(inputDelay, kTicks));
}

TEST(OnlineMatch, AnIpv6JoinerPlaysLikeAnIpv4One) {
  std::string error;
  Side host, joiner;
  host.connection = OnlineConnection::Host(0, kGame, &error);
  ASSERT_TRUE(host.connection) << error;
  joiner.connection = OnlineConnection::Join({"::1", host.connection->Link().Port()}, kGame, &error);
  ASSERT_TRUE(joiner.connection) << error;
  Handshake(*host.connection, *joiner.connection);
  ASSERT_EQ(host.connection->Phase(), ConnectionPhase::Ready);
  ASSERT_EQ(joiner.connection->Phase(), ConnectionPhase::Ready);

  const std::uint32_t kTicks = 90;
  const int inputDelay[2] = {2, 2};
  host.Start(0, inputDelay[0], kTicks);
  joiner.Start(1, inputDelay[1], kTicks);
  const std::uint32_t end = NowMs() + 10000;
  while (NowMs() < end && !(host.Done(kTicks) && joiner.Done(kTicks))) {
    host.Run(0);
    joiner.Run(1);
    Sleep(1);
  }
  ASSERT_EQ(host.match->Session().Status(), SessionStatus::Running);
  EXPECT_EQ(host.match->Session().ComparedHashes(), 3);
  EXPECT_EQ(joiner.simulation.Hash(), OfflineHash(inputDelay, kTicks));
  EXPECT_EQ(host.simulation.Hash(), joiner.simulation.Hash());
}

TEST(OnlineMatch, VersionOrContentMismatchIsRefusedOnBothSides) {
  std::string error;
  auto host = OnlineConnection::Host(0, kGame, &error);
  ASSERT_TRUE(host) << error;
  const NetAddress address = Loopback(host->Link().Port());

  auto newer = OnlineConnection::Join(address, {"1.0.1", kGame.contentHash}, &error);
  ASSERT_TRUE(newer) << error;
  Handshake(*host, *newer);
  EXPECT_EQ(host->Phase(), ConnectionPhase::Refused);
  EXPECT_EQ(host->Message(), "Refused a player: their game is version 1.0.1, this one is 1.0.0.");
  EXPECT_EQ(newer->Phase(), ConnectionPhase::Refused);
  EXPECT_EQ(newer->Message(), "The host refused: its game is version 1.0.0, this one is 1.0.1.");
  newer.reset();

  host->AcknowledgeRefusal();
  auto modded = OnlineConnection::Join(address, {kGame.gameVersion, kGame.contentHash + 1}, &error);
  ASSERT_TRUE(modded) << error;
  Handshake(*host, *modded);
  EXPECT_EQ(host->Phase(), ConnectionPhase::Refused);
  EXPECT_EQ(host->Message(), "Refused a player: their game content differs from this one's.");
  EXPECT_EQ(modded->Message(), "The host refused: its game content differs from this one's.");
  modded.reset();

  // The host still takes a matching player afterwards.
  host->AcknowledgeRefusal();
  auto same = OnlineConnection::Join(address, kGame, &error);
  ASSERT_TRUE(same) << error;
  Handshake(*host, *same);
  EXPECT_EQ(host->Phase(), ConnectionPhase::Ready);
  EXPECT_EQ(same->Phase(), ConnectionPhase::Ready);
}

TEST(OnlineMatch, NobodyListeningIsReportedToTheJoiner) {
  std::string error;
  std::uint16_t freePort;
  {
    auto probe = OnlineConnection::Host(0, kGame, &error);
    ASSERT_TRUE(probe) << error;
    freePort = probe->Link().Port();
  }
  auto joiner = OnlineConnection::Join(Loopback(freePort), kGame, &error);
  ASSERT_TRUE(joiner) << error;
  const std::uint32_t end = NowMs() + 8000;
  while (NowMs() < end && joiner->Phase() == ConnectionPhase::Waiting) {
    joiner->Poll();
    Sleep(5);
  }
  EXPECT_EQ(joiner->Phase(), ConnectionPhase::Failed);
  EXPECT_EQ(joiner->Message(), "The host did not answer.");
}

TEST(OnlineMatch, AKilledPeerIsReportedWithinThreeAndAHalfSeconds) {
  std::string error;
  Side host;
  host.connection = OnlineConnection::Host(0, kGame, &error);
  ASSERT_TRUE(host.connection) << error;
  const std::uint16_t port = host.connection->Link().Port();

  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {  // the other game: joins and plays until it is killed
    Side joiner;
    joiner.connection = OnlineConnection::Join(Loopback(port), kGame, &error);
    if (!joiner.connection) _exit(1);
    while (joiner.connection->Phase() == ConnectionPhase::Waiting) {
      joiner.connection->Poll();
      Sleep(1);
    }
    joiner.Start(1, 2, 1000000, kPeerTimeoutMs);
    for (;;) {
      joiner.Run(1);
      Sleep(1);
    }
  }

  const std::uint32_t handshakeEnd = NowMs() + 5000;
  while (NowMs() < handshakeEnd && host.connection->Phase() == ConnectionPhase::Waiting) {
    host.connection->Poll();
    Sleep(1);
  }
  ASSERT_EQ(host.connection->Phase(), ConnectionPhase::Ready);
  host.Start(0, 2, 1000000, kPeerTimeoutMs);
  while (host.match->Session().CurrentTick() < 30 && host.match->Session().Status() == SessionStatus::Running) {
    host.Run(0);
    Sleep(1);
  }
  ASSERT_EQ(host.match->Session().Status(), SessionStatus::Running);
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);

  const std::uint32_t killedAt = NowMs();
  while (host.match->Session().Status() == SessionStatus::Running && NowMs() - killedAt < 10000) {
    host.Run(0);
    Sleep(1);
  }
  EXPECT_EQ(host.match->Session().Status(), SessionStatus::ConnectionLost);
  EXPECT_EQ(host.connection->Message(), kConnectionLostText);
  EXPECT_LE(NowMs() - killedAt, 3500u);
}

TEST(OnlineMatch, AGameThatStallsPastTheTimeoutIsALostConnectionOnBothSides) {
  std::string error;
  Side host, joiner;
  host.connection = OnlineConnection::Host(0, kGame, &error);
  ASSERT_TRUE(host.connection) << error;
  joiner.connection = OnlineConnection::Join(Loopback(host.connection->Link().Port()), kGame, &error);
  ASSERT_TRUE(joiner.connection) << error;
  Handshake(*host.connection, *joiner.connection);
  ASSERT_EQ(joiner.connection->Phase(), ConnectionPhase::Ready);
  host.Start(0, 2, 1000000, kPeerTimeoutMs);
  joiner.Start(1, 2, 1000000, kPeerTimeoutMs);
  while (host.match->Session().CurrentTick() < 30) {
    host.Run(0);
    joiner.Run(1);
    Sleep(1);
  }
  // The host stops answering (a frame of several seconds); the joiner gives it up and hangs up
  // without a goodbye, as the game does for a lost connection.
  const std::uint32_t stallEnd = NowMs() + kPeerTimeoutMs + 1000;
  while (NowMs() < stallEnd && joiner.match->Session().Status() == SessionStatus::Running) {
    joiner.Run(1);
    Sleep(1);
  }
  ASSERT_EQ(joiner.match->Session().Status(), SessionStatus::ConnectionLost);
  joiner.connection->Link().Disconnect(300);

  // Back from its stall, the host hears of it as a lost connection too, not as a player who left.
  const std::uint32_t end = NowMs() + 2000;
  while (NowMs() < end && host.match->Session().Status() == SessionStatus::Running) {
    host.Run(0);
    Sleep(1);
  }
  EXPECT_EQ(host.match->Session().Status(), SessionStatus::ConnectionLost);
}
