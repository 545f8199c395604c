#include "net/rollback_session.h"

#include <algorithm>

#include "net/net_messages.h"

namespace {

constexpr std::uint16_t kNoEcho = 0xFFFF;         // echoHoldMs before any stamp was seen
constexpr std::uint32_t kMaxTicksAhead = 256;     // remote commands further ahead are hostile
constexpr float kWaitAdvantageTicks = 2.0f;       // this side waits a frame when this far ahead
constexpr std::uint32_t kTicksBetweenWaits = 10;  // ... but at most one frame in ten

FighterCommand Command(std::uint8_t held) {
  FighterCommand command;
  command.held = held;
  return command;
}

}  // namespace

RollbackSession::RollbackSession(RollbackSimulation& simulation, PacketSink& sink, const RollbackConfig& config,
                                 std::uint32_t nowMs)
    : simulation_(simulation), sink_(sink), config_(config), lastReceiveMs_(nowMs) {
  config_.inputDelay = std::clamp(config_.inputDelay, 0, kMaxInputDelay);
  config_.maxPrediction = std::max(config_.maxPrediction, 0);
  config_.hashInterval = std::max(config_.hashInterval, 1);
  localInputs_.assign(static_cast<std::size_t>(config_.inputDelay), 0);
  savedStates_.resize(static_cast<std::size_t>(config_.maxPrediction) + 2);
}

std::uint32_t RollbackSession::ConfirmedTicks() const {
  return std::min<std::uint32_t>(remoteConfirmed_, static_cast<std::uint32_t>(localInputs_.size()));
}

std::uint32_t RollbackSession::SettledTicks() const {
  return std::min({remoteConfirmed_, current_, rollbackTo_});
}

void RollbackSession::ConfirmedCommands(std::uint32_t tick, FighterCommand (&commands)[2]) const {
  commands[config_.localSide] = Command(localInputs_.at(tick));
  commands[1 - config_.localSide] = Command(remoteInputs_.at(tick));
}

FighterCommand RollbackSession::RemoteCommandFor(std::uint32_t tick) const {
  if (tick < remoteKnown_.size() && remoteKnown_[tick]) return Command(remoteInputs_[tick]);
  // Prediction: the peer keeps holding what it held last.
  return remoteConfirmed_ > 0 ? Command(remoteInputs_[remoteConfirmed_ - 1]) : FighterCommand{};
}

void RollbackSession::Receive(const std::uint8_t* data, std::size_t size, std::uint32_t nowMs) {
  NetMessage message;
  if (status_ != SessionStatus::Running || !DecodeNetMessage(data, size, &message)) return;
  lastReceiveMs_ = nowMs;
  switch (message.type) {
    case NetMessageType::Inputs: HandleInputs(message.inputs, nowMs); break;
    case NetMessageType::StateHash: HandleStateHash(message.stateHash.tick, message.stateHash.hash); break;
    case NetMessageType::MatchEnd: HandleMatchEnd(message.stateHash.tick, message.stateHash.hash); break;
    case NetMessageType::Desync:
      status_ = SessionStatus::Desync;
      desyncTick_ = message.stateHash.tick;
      break;
    case NetMessageType::Leave: status_ = SessionStatus::PeerLeft; break;
    default: break;
  }
}

void RollbackSession::HandleInputs(const InputsMessage& message, std::uint32_t nowMs) {
  peerAck_ = std::max(peerAck_, std::min<std::uint32_t>(message.ackTick, static_cast<std::uint32_t>(localInputs_.size())));
  if (message.senderTick >= peerTick_) {
    peerTick_ = message.senderTick;
    peerTickReceivedMs_ = nowMs;
  }
  havePeerStamp_ = true;
  peerStamp_ = message.stampMs;
  peerStampReceivedMs_ = nowMs;
  if (message.echoHoldMs != kNoEcho) {
    const auto rtt = static_cast<std::uint16_t>(static_cast<std::uint16_t>(nowMs) - message.echoStampMs - message.echoHoldMs);
    if (rtt < 10000) {
      smoothedRttMs_ = haveRtt_ ? smoothedRttMs_ + (static_cast<float>(rtt) - smoothedRttMs_) * 0.1f : static_cast<float>(rtt);
      haveRtt_ = true;
    }
  }

  for (std::size_t i = 0; i < message.commands.size(); ++i) {
    const std::uint32_t tick = message.firstTick + static_cast<std::uint32_t>(i);
    if (tick < remoteConfirmed_) continue;
    if (tick >= remoteConfirmed_ + kMaxTicksAhead) break;
    if (tick >= remoteKnown_.size()) {
      remoteKnown_.resize(tick + 1, false);
      remoteInputs_.resize(tick + 1, 0);
    }
    if (remoteKnown_[tick]) continue;
    remoteKnown_[tick] = true;
    remoteInputs_[tick] = message.commands[i];
    if (tick < current_ && usedRemote_[tick] != message.commands[i]) rollbackTo_ = std::min(rollbackTo_, tick);
  }
  while (remoteConfirmed_ < remoteKnown_.size() && remoteKnown_[remoteConfirmed_]) ++remoteConfirmed_;
}

void RollbackSession::HandleStateHash(std::uint32_t tick, std::uint64_t hash) {
  remoteHashes_[tick] = hash;
  const auto local = localHashes_.find(tick);
  if (local == localHashes_.end()) return;
  ++comparedHashes_;
  if (local->second != hash) OutOfStep(tick);
}

void RollbackSession::OutOfStep(std::uint32_t tick) {
  if (status_ != SessionStatus::Running) return;
  status_ = SessionStatus::Desync;
  desyncTick_ = tick;
  sink_.Send(EncodeDesync(tick), true);
}

void RollbackSession::HandleMatchEnd(std::uint32_t tick, std::uint64_t hash) {
  peerEnded_ = true;
  peerEndTick_ = tick;
  peerEndHash_ = hash;
  CheckMatchEnd();
}

void RollbackSession::CheckMatchEnd() {
  if (status_ != SessionStatus::Running) return;
  if (!endSent_ && simulation_.Finished() && StateConfirmed()) {
    endSent_ = true;
    endTick_ = current_;
    endHash_ = simulation_.Hash();
    sink_.Send(EncodeMatchEnd({endTick_, endHash_}), true);
  }
  if (!peerEnded_) return;
  if (endSent_) {
    if (peerEndTick_ != endTick_ || peerEndHash_ != endHash_) return OutOfStep(std::min(peerEndTick_, endTick_));
    status_ = SessionStatus::Finished;
  } else if (SettledTicks() > peerEndTick_) {
    OutOfStep(peerEndTick_);  // this side went on, on the same commands, where the peer's match ended
  }
}

void RollbackSession::SimulateTick(std::uint32_t tick, bool resimulating) {
  simulation_.Save(savedStates_[tick % savedStates_.size()]);
  if (tick % static_cast<std::uint32_t>(config_.hashInterval) == 0) provisionalHashes_[tick] = simulation_.Hash();
  FighterCommand commands[2];
  commands[config_.localSide] = Command(localInputs_[tick]);
  commands[1 - config_.localSide] = RemoteCommandFor(tick);
  if (usedRemote_.size() <= tick) usedRemote_.resize(tick + 1, 0);
  usedRemote_[tick] = commands[1 - config_.localSide].held;
  simulation_.Advance(commands, resimulating);
}

void RollbackSession::HoldRollbackDepth() {
  if (lastRollbackDepth_ >= heldDepth_ || current_ >= heldDepthTick_ + kOnlineTicksPerSecond) {
    heldDepth_ = lastRollbackDepth_;
    heldDepthTick_ = current_;
  }
}

void RollbackSession::RollBack() {
  lastRollbackDepth_ = 0;
  if (rollbackTo_ >= current_) {
    rollbackTo_ = std::numeric_limits<std::uint32_t>::max();
    return HoldRollbackDepth();
  }
  const std::uint32_t from = rollbackTo_;
  rollbackTo_ = std::numeric_limits<std::uint32_t>::max();
  simulation_.Restore(savedStates_[from % savedStates_.size()]);
  const std::uint32_t end = current_;
  for (std::uint32_t tick = from; tick < end; ++tick) {
    // The corrected commands may end the match earlier than the predicted ones did.
    if (simulation_.Finished()) {
      current_ = tick;
      provisionalHashes_.erase(provisionalHashes_.lower_bound(tick), provisionalHashes_.end());
      break;
    }
    SimulateTick(tick, true);
  }
  lastRollbackDepth_ = static_cast<int>(end - from);
  maxRollbackDepth_ = std::max(maxRollbackDepth_, lastRollbackDepth_);
  HoldRollbackDepth();
}

void RollbackSession::FinalizeHashes() {
  // A checkpoint's hash is final once every command before it is known and any misprediction
  // before it has been corrected (RollBack ran first).
  while (nextHashTick_ <= remoteConfirmed_ && nextHashTick_ < current_) {
    const auto provisional = provisionalHashes_.find(nextHashTick_);
    if (provisional == provisionalHashes_.end()) break;
    const std::uint32_t tick = nextHashTick_;
    localHashes_[tick] = provisional->second;
    provisionalHashes_.erase(provisionalHashes_.begin(), std::next(provisional));
    sink_.Send(EncodeStateHash({tick, localHashes_[tick]}), true);
    nextHashTick_ += static_cast<std::uint32_t>(config_.hashInterval);
    const auto remote = remoteHashes_.find(tick);
    if (remote != remoteHashes_.end()) HandleStateHash(tick, remote->second);
  }
}

bool RollbackSession::ShouldWaitForPeer(std::uint32_t nowMs) {
  if (current_ >= config_.lastTick || simulation_.Finished()) return true;
  if (current_ - std::min(current_, remoteConfirmed_) >= static_cast<std::uint32_t>(config_.maxPrediction)) return true;
  // Frame advantage: where the peer should be now, from its last report and half the ping.
  const float peerNow = static_cast<float>(peerTick_) +
                        (static_cast<float>(nowMs - peerTickReceivedMs_) + smoothedRttMs_ * 0.5f) *
                            (kOnlineTicksPerSecond / 1000.0f);
  smoothedAdvantage_ += (static_cast<float>(current_) - peerNow - smoothedAdvantage_) * 0.1f;
  if (smoothedAdvantage_ >= kWaitAdvantageTicks && current_ >= lastWaitTick_ + kTicksBetweenWaits) {
    lastWaitTick_ = current_;
    return true;
  }
  return false;
}

void RollbackSession::SendInputs(std::uint32_t nowMs) {
  InputsMessage message;
  message.senderTick = current_;
  message.ackTick = remoteConfirmed_;
  message.firstTick = peerAck_;
  const std::size_t first = peerAck_;
  const std::size_t end = std::min(localInputs_.size(), first + kMaxInputsPerMessage);
  message.commands.assign(localInputs_.begin() + static_cast<long>(first), localInputs_.begin() + static_cast<long>(end));
  message.stampMs = static_cast<std::uint16_t>(nowMs);
  if (havePeerStamp_) {
    message.echoStampMs = peerStamp_;
    message.echoHoldMs = static_cast<std::uint16_t>(std::min<std::uint32_t>(nowMs - peerStampReceivedMs_, kNoEcho - 1));
  } else {
    message.echoHoldMs = kNoEcho;
  }
  sink_.Send(EncodeInputs(message), false);
}

bool RollbackSession::Tick(FighterCommand local, std::uint32_t nowMs) {
  if (status_ != SessionStatus::Running) return false;
  if (nowMs - lastReceiveMs_ > config_.timeoutMs) {
    status_ = SessionStatus::ConnectionLost;
    return false;
  }
  RollBack();
  FinalizeHashes();
  CheckMatchEnd();
  bool advanced = false;
  if (status_ == SessionStatus::Running && !ShouldWaitForPeer(nowMs)) {
    // The command of tick current_ + inputDelay, unless it was taken (and sent) before a rollback
    // took back the end of the match.
    if (localInputs_.size() <= current_ + static_cast<std::uint32_t>(config_.inputDelay)) localInputs_.push_back(local.held);
    SimulateTick(current_, false);
    ++current_;
    advanced = true;
  }
  SendInputs(nowMs);
  return advanced;
}

void RollbackSession::Leave() {
  if (status_ != SessionStatus::Running) return;
  sink_.Send(EncodeLeave(), true);
  status_ = SessionStatus::Left;
}

void RollbackSession::PeerDisconnected() {
  if (status_ == SessionStatus::Running) status_ = SessionStatus::ConnectionLost;
}
