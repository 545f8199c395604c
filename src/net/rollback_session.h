#pragma once

#include <cstddef>
#include <cstdint>
#include <limits>
#include <map>
#include <vector>

#include "fight/fighter_command.h"
#include "net/input_delay.h"
#include "net/rollback_simulation.h"

constexpr int kOnlineTicksPerSecond = 60;
constexpr int kMaxPredictionTicks = 8;
constexpr int kHashIntervalTicks = 30;
constexpr std::uint32_t kPeerTimeoutMs = 3000;

struct RollbackConfig {
  int localSide = 0;  // the fighter this game's player drives: 0 for the host, 1 for the joiner
  int inputDelay = kDefaultInputDelay;
  int maxPrediction = kMaxPredictionTicks;
  int hashInterval = kHashIntervalTicks;
  std::uint32_t timeoutMs = kPeerTimeoutMs;
  std::uint32_t lastTick = std::numeric_limits<std::uint32_t>::max();  // ticks simulated at most
};

enum class SessionStatus {
  Running,
  Desync,          // the state hashes of a tick differ (desyncTick)
  PeerLeft,        // the other player left with Escape
  Left,            // this player left
  ConnectionLost,  // nothing heard for timeoutMs, or the transport lost the peer
  Finished,        // the match ended on both sides after the same ticks, in the same state
};

// One online match's ticks: this side's commands are delayed by the input delay, the other
// side's are predicted (its last known command held) for at most maxPrediction ticks; when the
// real ones differ, the session restores the state before the first wrong tick and simulates
// forward again. Every message carries all commands the peer has not acknowledged, so a lost
// packet costs nothing. Confirmed states are hashed every hashInterval ticks and compared.
// When the simulation says the match is over, no further tick is simulated; once that state is
// confirmed its hash is sent (MatchEnd), and the session is Finished when the peer's equals it.
// A desync found on one side is told to the other, so both end on it with the same tick.
class RollbackSession {
 public:
  RollbackSession(RollbackSimulation& simulation, PacketSink& sink, const RollbackConfig& config, std::uint32_t nowMs);

  // A datagram from the peer (anything malformed is ignored).
  void Receive(const std::uint8_t* data, std::size_t size, std::uint32_t nowMs);
  // One frame of the fixed clock: corrects a misprediction, then simulates the next tick with
  // `local` as this side's command unless this side is too far ahead of the peer (then it waits
  // and returns false). Sends this side's commands either way.
  bool Tick(FighterCommand local, std::uint32_t nowMs);
  // This player leaves: the peer is told (reliably) and the session ends.
  void Leave();
  // The transport lost the peer.
  void PeerDisconnected();

  SessionStatus Status() const { return status_; }
  std::uint32_t DesyncTick() const { return desyncTick_; }
  std::uint32_t CurrentTick() const { return current_; }   // ticks simulated
  std::uint32_t ConfirmedTicks() const;                      // ticks whose two commands are both known
  // The simulation's state is final: every tick simulated so far ran on both real commands.
  bool StateConfirmed() const { return remoteConfirmed_ >= current_ && rollbackTo_ >= current_; }
  // Ticks simulated on both players' real commands: the replay holds these.
  std::uint32_t SettledTicks() const;
  // The two fighters' commands of a confirmed tick (the replay).
  void ConfirmedCommands(std::uint32_t tick, FighterCommand (&commands)[2]) const;
  int LastRollbackDepth() const { return lastRollbackDepth_; }
  // The deepest rollback of about the last second, held so that a line on screen can be read.
  int RecentRollbackDepth() const { return heldDepth_; }
  int MaxRollbackDepth() const { return maxRollbackDepth_; }
  int PingMs() const { return static_cast<int>(smoothedRttMs_ + 0.5f); }
  int ComparedHashes() const { return comparedHashes_; }

 private:
  void HandleInputs(const struct InputsMessage& message, std::uint32_t nowMs);
  void HandleStateHash(std::uint32_t tick, std::uint64_t hash);
  void HandleMatchEnd(std::uint32_t tick, std::uint64_t hash);
  void CheckMatchEnd();
  void OutOfStep(std::uint32_t tick);
  void RollBack();
  void HoldRollbackDepth();
  void SimulateTick(std::uint32_t tick, bool resimulating);
  void FinalizeHashes();
  bool ShouldWaitForPeer(std::uint32_t nowMs);
  void SendInputs(std::uint32_t nowMs);
  FighterCommand RemoteCommandFor(std::uint32_t tick) const;

  RollbackSimulation& simulation_;
  PacketSink& sink_;
  RollbackConfig config_;
  SessionStatus status_ = SessionStatus::Running;
  std::uint32_t desyncTick_ = 0;

  std::uint32_t current_ = 0;
  std::vector<std::uint8_t> localInputs_;   // by tick; the first inputDelay ticks are empty
  std::vector<std::uint8_t> remoteInputs_;  // by tick, valid where remoteKnown_
  std::vector<bool> remoteKnown_;
  std::uint32_t remoteConfirmed_ = 0;       // remote commands of every tick before this are known
  std::vector<std::uint8_t> usedRemote_;    // by tick: the remote command the tick was simulated with
  std::uint32_t rollbackTo_ = std::numeric_limits<std::uint32_t>::max();
  std::vector<std::vector<std::uint8_t>> savedStates_;  // ring: the state before tick t at t % size

  std::map<std::uint32_t, std::uint64_t> provisionalHashes_;  // state hash before a checkpoint tick
  std::map<std::uint32_t, std::uint64_t> localHashes_;        // confirmed, sent
  std::map<std::uint32_t, std::uint64_t> remoteHashes_;
  std::uint32_t nextHashTick_ = 0;
  int comparedHashes_ = 0;

  bool endSent_ = false;  // this side's MatchEnd: after endTick_ ticks, in the state of endHash_
  std::uint32_t endTick_ = 0;
  std::uint64_t endHash_ = 0;
  bool peerEnded_ = false;  // the peer's MatchEnd
  std::uint32_t peerEndTick_ = 0;
  std::uint64_t peerEndHash_ = 0;

  std::uint32_t peerAck_ = 0;  // the peer holds all of this side's commands before this tick
  std::uint32_t lastReceiveMs_;
  std::uint32_t peerTick_ = 0;
  std::uint32_t peerTickReceivedMs_ = 0;
  bool havePeerStamp_ = false;
  std::uint16_t peerStamp_ = 0;
  std::uint32_t peerStampReceivedMs_ = 0;
  float smoothedRttMs_ = 0.0f;
  bool haveRtt_ = false;
  float smoothedAdvantage_ = 0.0f;
  std::uint32_t lastWaitTick_ = 0;

  int lastRollbackDepth_ = 0;
  int maxRollbackDepth_ = 0;
  int heldDepth_ = 0;
  std::uint32_t heldDepthTick_ = 0;
};
