#include "net/handshake.h"

HelloMessage HelloFor(const GameIdentity& identity) {
  HelloMessage hello;
  hello.gameVersion = identity.gameVersion;
  hello.contentHash = identity.contentHash;
  return hello;
}

std::optional<RefusalReason> RefusalFor(const HelloMessage& hello, const GameIdentity& host) {
  if (hello.protocol != kNetProtocolVersion) return RefusalReason::Protocol;
  if (hello.gameVersion != host.gameVersion) return RefusalReason::Version;
  if (hello.contentHash != host.contentHash) return RefusalReason::Content;
  return std::nullopt;
}

std::string HostRefusalText(RefusalReason reason, const std::string& joinerVersion, const std::string& hostVersion) {
  switch (reason) {
    case RefusalReason::Protocol: return "Refused a player: their game speaks another network protocol.";
    case RefusalReason::Version:
      return "Refused a player: their game is version " + joinerVersion + ", this one is " + hostVersion + ".";
    case RefusalReason::Content: return "Refused a player: their game content differs from this one's.";
  }
  return {};
}

std::string JoinerRefusalText(RefusalReason reason, const std::string& hostVersion, const std::string& ownVersion) {
  switch (reason) {
    case RefusalReason::Protocol: return "The host refused: its game speaks another network protocol.";
    case RefusalReason::Version:
      return "The host refused: its game is version " + hostVersion + ", this one is " + ownVersion + ".";
    case RefusalReason::Content: return "The host refused: its game content differs from this one's.";
  }
  return {};
}
