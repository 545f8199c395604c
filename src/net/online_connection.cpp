#include "net/online_connection.h"

#include "net/rollback_session.h"

namespace {
constexpr std::uint32_t kRefusalFlushMs = 500;  // time given to the refusal to reach the joiner
}

OnlineConnection::OnlineConnection(std::unique_ptr<EnetLink> link, const GameIdentity& identity, bool isHost)
    : link_(std::move(link)), identity_(identity), isHost_(isHost), peerTimeoutMs_(kPeerTimeoutMs) {}

std::unique_ptr<OnlineConnection> OnlineConnection::Host(std::uint16_t port, const GameIdentity& identity,
                                                         std::string* error) {
  auto link = EnetLink::Listen(port, error);
  if (!link) return nullptr;
  return std::unique_ptr<OnlineConnection>(new OnlineConnection(std::move(link), identity, true));
}

std::unique_ptr<OnlineConnection> OnlineConnection::Join(const NetAddress& address, const GameIdentity& identity,
                                                         std::string* error) {
  auto link = EnetLink::Connect(address, error);
  if (!link) return nullptr;
  return std::unique_ptr<OnlineConnection>(new OnlineConnection(std::move(link), identity, false));
}

void OnlineConnection::Poll() {
  std::vector<LinkEvent> events;
  link_->Poll(&events);
  for (const LinkEvent& event : events) {
    switch (event.kind) {
      case LinkEventKind::Connected:
        if (!isHost_) link_->Send(EncodeHello(HelloFor(identity_)), true);
        break;
      case LinkEventKind::Received:
        if (phase_ == ConnectionPhase::Ready) {
          received_.push_back(event.bytes);
        } else {
          HandleHandshake(event.bytes);
        }
        break;
      case LinkEventKind::Disconnected:
        if (phase_ == ConnectionPhase::Ready) {
          peerLost_ = true;
          phase_ = ConnectionPhase::Failed;
          message_ = kConnectionLostText;
        } else if (!isHost_ && phase_ == ConnectionPhase::Waiting) {
          phase_ = ConnectionPhase::Failed;
          message_ = "The host did not answer.";
        }
        break;
    }
  }
  if (phase_ == ConnectionPhase::Ready && link_->HasPeer() && link_->PeerSilenceMs() > peerTimeoutMs_) {
    link_->Disconnect(0);
    peerLost_ = true;
    phase_ = ConnectionPhase::Failed;
    message_ = kConnectionLostText;
  }
  link_->Flush();
}

void OnlineConnection::HandleHandshake(const std::vector<std::uint8_t>& bytes) {
  NetMessage message;
  if (!DecodeNetMessage(bytes.data(), bytes.size(), &message)) return;
  if (isHost_ && message.type == NetMessageType::Hello) {
    const auto refusal = RefusalFor(message.hello, identity_);
    if (!refusal) {
      link_->Send(EncodeWelcome(), true);
      phase_ = ConnectionPhase::Ready;
      return;
    }
    link_->Send(EncodeRefuse({*refusal, identity_.gameVersion}), true);
    link_->Disconnect(kRefusalFlushMs);
    phase_ = ConnectionPhase::Refused;
    message_ = HostRefusalText(*refusal, message.hello.gameVersion, identity_.gameVersion);
  } else if (!isHost_ && message.type == NetMessageType::Welcome) {
    phase_ = ConnectionPhase::Ready;
  } else if (!isHost_ && message.type == NetMessageType::Refuse) {
    phase_ = ConnectionPhase::Refused;
    message_ = JoinerRefusalText(message.refuse.reason, message.refuse.hostVersion, identity_.gameVersion);
  }
}

void OnlineConnection::AcknowledgeRefusal() {
  if (isHost_ && phase_ == ConnectionPhase::Refused) {
    phase_ = ConnectionPhase::Waiting;
    message_.clear();
  }
}

std::vector<std::vector<std::uint8_t>> OnlineConnection::TakeReceived() {
  std::vector<std::vector<std::uint8_t>> taken;
  taken.swap(received_);
  return taken;
}
