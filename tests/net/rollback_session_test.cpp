#include "net/rollback_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "net/net_messages.h"
#include "simulated_network.h"
#include "toy_simulation.h"

namespace {

struct SimulatedMatch {
  SimulatedMatch(SimulatedNetwork::Conditions conditions, int delayOne, int delayTwo, std::uint32_t matchTicks, unsigned seed = 7)
      : network(conditions, seed), ends{{network, 1}, {network, 0}} {
    ticks = matchTicks;
    inputDelay[0] = delayOne;
    inputDelay[1] = delayTwo;
    for (int side = 0; side < 2; ++side) {
      RollbackConfig config;
      config.localSide = side;
      config.inputDelay = inputDelay[side];
      config.lastTick = matchTicks;
      owned[side] = std::make_unique<RollbackSession>(simulation[side], ends[side], config, network.now);
      sessions[side] = owned[side].get();
    }
  }

  // Both games run frames of 1/60 s (the second a little late, as real clocks are) until both
  // hold every command of the match or `limitMs` passes.
  void Play(std::uint32_t limitMs) {
    const std::uint32_t end = network.now + limitMs;
    std::uint32_t nextFrame[2] = {network.now, network.now + 7};
    std::uint32_t frames = 0;
    while (network.now < end && !Finished()) {
      ++network.now;
      network.Deliver(sessions);
      for (int side = 0; side < 2; ++side) {
        if (network.now < nextFrame[side]) continue;
        nextFrame[side] = network.now + ((frames++ % 3 == 0) ? 17 : 16);
        RollbackSession& session = *sessions[side];
        if (session.Status() != SessionStatus::Running) continue;
        session.Tick(ScriptedCommand(side, session.CurrentTick()), network.now);
        maxPrediction = std::max(maxPrediction, session.CurrentTick() - std::min(session.CurrentTick(), session.ConfirmedTicks()));
      }
    }
  }
  bool Finished() const {
    for (const auto* session : sessions)
      if (session->Status() == SessionStatus::Running && (session->CurrentTick() < ticks || !session->StateConfirmed()))
        return false;
    return true;
  }

  SimulatedNetwork network;
  SimulatedNetwork::End ends[2];
  ToySimulation simulation[2];
  std::unique_ptr<RollbackSession> owned[2];
  RollbackSession* sessions[2];
  int inputDelay[2];
  std::uint32_t ticks = 0;
  std::uint32_t maxPrediction = 0;
};

}  // namespace

TEST(RollbackSession, WholeMatchesOverBadNetworksEndLikeTheirOfflineReplay) {
  const SimulatedNetwork::Conditions networks[] = {
      {0, 0, 0.0, 0.0},        // one machine
      {20, 60, 0.02, 0.02},    // a good line
      {0, 200, 0.10, 0.05},    // the worst the game promises to survive
  };
  const std::uint32_t kTicks = 3600;  // one minute of fight
  unsigned seed = 1;
  for (const auto& conditions : networks) {
    for (const auto& delays : {std::pair{2, 2}, std::pair{0, 4}}) {
      SCOPED_TRACE(testing::Message() << "delay " << conditions.minDelayMs << ".." << conditions.maxDelayMs
                                      << " ms, drop " << conditions.drop << ", input delays " << delays.first
                                      << "/" << delays.second);
      SimulatedMatch match(conditions, delays.first, delays.second, kTicks, seed++);
      const std::uint32_t start = match.network.now;
      match.Play(10 * 60 * 1000);
      // Waiting for the peer must not slow the match much below 60 ticks a second.
      EXPECT_LT(match.network.now - start, kTicks * 1000 / kOnlineTicksPerSecond * 11 / 10 + 1000);
      for (int side = 0; side < 2; ++side) {
        ASSERT_EQ(match.sessions[side]->Status(), SessionStatus::Running);
        EXPECT_EQ(match.sessions[side]->CurrentTick(), kTicks);
        EXPECT_EQ(match.simulation[side].Current().tick, kTicks);
        EXPECT_LE(match.sessions[side]->MaxRollbackDepth(), kMaxPredictionTicks);
        EXPECT_GE(match.sessions[side]->ComparedHashes(), static_cast<int>(kTicks / kHashIntervalTicks) - 2);
      }
      EXPECT_LE(match.maxPrediction, static_cast<std::uint32_t>(kMaxPredictionTicks));
      EXPECT_EQ(match.simulation[0].Hash(), match.simulation[1].Hash());
      EXPECT_EQ(match.simulation[0].Hash(), OfflineHash(match.inputDelay, kTicks));

      // The recorded commands are the replay: played again offline they give the same state.
      ToySimulation replay;
      for (std::uint32_t tick = 0; tick < kTicks; ++tick) {
        FighterCommand commands[2];
        match.sessions[1]->ConfirmedCommands(tick, commands);
        replay.Advance(commands, false);
      }
      EXPECT_EQ(replay.Hash(), match.simulation[0].Hash());
    }
  }
}

TEST(RollbackSession, LatencyCostsRollbacksButResimulatedTicksPlayNoEffects) {
  SimulatedMatch match({60, 120, 0.05, 0.0}, 2, 2, 1200);
  match.Play(5 * 60 * 1000);
  ToySimulation offline;
  for (std::uint32_t tick = 0; tick < 1200; ++tick) {
    FighterCommand commands[2];
    match.sessions[0]->ConfirmedCommands(tick, commands);
    offline.Advance(commands, false);
  }
  for (int side = 0; side < 2; ++side) {
    EXPECT_GT(match.simulation[side].resimulated, 0) << "a 60..120 ms line must mispredict sometimes";
    EXPECT_GT(match.sessions[side]->MaxRollbackDepth(), 1);
    EXPECT_GT(match.sessions[side]->PingMs(), 100);
    EXPECT_LT(match.sessions[side]->PingMs(), 260);
    // Every tick is simulated once as new; what rollbacks add is flagged as resimulated.
    EXPECT_EQ(match.simulation[side].advances - match.simulation[side].resimulated, 1200);
  }
  EXPECT_EQ(match.simulation[0].Hash(), offline.Hash());
}

TEST(RollbackSession, NeverPredictsMoreThanEightTicksAhead) {
  SimulatedMatch match({0, 0, 0.0, 0.0}, 2, 2, 600);
  match.network.Cut();  // nothing arrives: each side runs its eight predicted ticks, then waits
  for (int frame = 0; frame < 60; ++frame) {
    match.network.now += 16;
    for (int side = 0; side < 2; ++side) match.sessions[side]->Tick(FighterCommand{}, match.network.now);
  }
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(match.sessions[side]->CurrentTick(), static_cast<std::uint32_t>(kMaxPredictionTicks));
    EXPECT_EQ(match.sessions[side]->Status(), SessionStatus::Running);
  }
}

TEST(RollbackSession, DesyncEndsTheMatchNamingTheTickOnBothSides) {
  SimulatedMatch match({10, 30, 0.0, 0.0}, 2, 2, 600);
  // Play to tick 100, then change one side's state behind the session's back.
  while (match.sessions[0]->CurrentTick() < 100) {
    match.network.now += 16;
    match.network.Deliver(match.sessions);
    for (int side = 0; side < 2; ++side)
      match.sessions[side]->Tick(ScriptedCommand(side, match.sessions[side]->CurrentTick()), match.network.now);
  }
  match.simulation[1].drift = 1;  // state the snapshots do not hold
  match.Play(20 * 1000);
  for (int side = 0; side < 2; ++side) {
    EXPECT_EQ(match.sessions[side]->Status(), SessionStatus::Desync);
    // The drift began near tick 100 (a rollback reaches back 8 ticks at most): checkpoint 90 agrees.
    EXPECT_EQ(match.sessions[side]->DesyncTick(), 120u);
  }
}

TEST(RollbackSession, BothSidesEndTheMatchAfterTheSameTicksInTheSameState) {
  int rolledBack = 0;
  for (unsigned seed = 1; seed <= 12; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    const int delays[2] = {static_cast<int>(seed % 3), static_cast<int>(seed % 5)};
    SimulatedMatch match({0, 200, 0.10, 0.05}, delays[0], delays[1], 1000000, seed);
    const std::uint32_t finishFrom = 200 + 37 * seed;
    for (auto& simulation : match.simulation) simulation.finishFrom = finishFrom;
    match.Play(60 * 1000);
    ToySimulation offline = OfflineMatch(match.inputDelay, 1000000, finishFrom);
    for (int side = 0; side < 2; ++side) {
      const RollbackSession& session = *match.sessions[side];
      ASSERT_EQ(session.Status(), SessionStatus::Finished);
      EXPECT_EQ(session.CurrentTick(), offline.Current().tick);
      EXPECT_EQ(session.SettledTicks(), session.CurrentTick());
      EXPECT_EQ(match.simulation[side].Hash(), offline.Hash());
      rolledBack += match.simulation[side].resimulated;
    }
    // The replay of the match: every tick's two commands, known to both sides alike.
    ToySimulation replay;
    for (std::uint32_t tick = 0; tick < match.sessions[0]->SettledTicks(); ++tick) {
      FighterCommand commands[2], theirs[2];
      match.sessions[0]->ConfirmedCommands(tick, commands);
      match.sessions[1]->ConfirmedCommands(tick, theirs);
      ASSERT_EQ(commands[0].held, theirs[0].held);
      ASSERT_EQ(commands[1].held, theirs[1].held);
      replay.Advance(commands, false);
    }
    EXPECT_EQ(replay.Hash(), offline.Hash());
  }
  EXPECT_GT(rolledBack, 0);
}

TEST(RollbackSession, AGameOutOfStepAtTheEndStillEndsBothSidesOnTheSameTick) {
  for (unsigned seed = 1; seed <= 6; ++seed) {
    SCOPED_TRACE(testing::Message() << "seed " << seed);
    SimulatedMatch match({10, 60, 0.05, 0.0}, 2, 2, 1000000, seed);
    for (auto& simulation : match.simulation) simulation.finishFrom = 310;
    while (match.sessions[1]->CurrentTick() < 301) {
      match.network.now += 16;
      match.network.Deliver(match.sessions);
      for (int side = 0; side < 2; ++side)
        match.sessions[side]->Tick(ScriptedCommand(side, match.sessions[side]->CurrentTick()), match.network.now);
    }
    match.simulation[1].drift = 1;  // after checkpoint 300: mostly only the two ends can tell
    match.Play(20 * 1000);
    for (int side = 0; side < 2; ++side) EXPECT_EQ(match.sessions[side]->Status(), SessionStatus::Desync);
    EXPECT_EQ(match.sessions[0]->DesyncTick(), match.sessions[1]->DesyncTick());
  }
}

TEST(RollbackSession, SilenceForThreeSecondsIsAConnectionLost) {
  SimulatedMatch match({10, 20, 0.0, 0.0}, 2, 2, 6000);
  match.Play(2000);
  ASSERT_EQ(match.sessions[0]->Status(), SessionStatus::Running);
  match.network.Cut();
  const std::uint32_t cutAt = match.network.now;
  while (match.sessions[0]->Status() == SessionStatus::Running && match.network.now < cutAt + 10000) {
    match.network.now += 16;
    match.sessions[0]->Tick(FighterCommand{}, match.network.now);
  }
  EXPECT_EQ(match.sessions[0]->Status(), SessionStatus::ConnectionLost);
  EXPECT_GE(match.network.now - cutAt, kPeerTimeoutMs - 30);
  EXPECT_LE(match.network.now - cutAt, kPeerTimeoutMs + 50);
}

TEST(RollbackSession, LeavingIsSeenByTheOtherSide) {
  SimulatedMatch match({10, 20, 0.0, 0.0}, 2, 2, 6000);
  match.Play(1000);
  match.sessions[1]->Leave();
  EXPECT_EQ(match.sessions[1]->Status(), SessionStatus::Left);
  match.Play(500);
  EXPECT_EQ(match.sessions[0]->Status(), SessionStatus::PeerLeft);
  EXPECT_FALSE(match.sessions[0]->Tick(FighterCommand{}, match.network.now));
}

TEST(RollbackSession, HostileInputsAreIgnored) {
  SimulatedMatch match({0, 0, 0.0, 0.0}, 2, 2, 600);
  InputsMessage far;
  far.firstTick = 0xFFFFFF00u;  // would grow the tables without bound
  far.commands.assign(kMaxInputsPerMessage, 0x3F);
  far.echoHoldMs = 0xFFFF;
  const auto bytes = EncodeInputs(far);
  match.sessions[0]->Receive(bytes.data(), bytes.size(), match.network.now);
  const std::uint8_t junk[] = {4, 1, 2};
  match.sessions[0]->Receive(junk, sizeof junk, match.network.now);
  match.Play(30 * 1000);
  EXPECT_EQ(match.simulation[0].Hash(), match.simulation[1].Hash());
  EXPECT_EQ(match.simulation[0].Hash(), OfflineHash(match.inputDelay, 600));
}
