#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "net/net_messages.h"

// What a game must share with its peer: the version and the content tree it runs.
struct GameIdentity {
  std::string gameVersion;
  std::uint64_t contentHash = 0;
};

HelloMessage HelloFor(const GameIdentity& identity);
// Why the host refuses a joiner's hello, or nothing when they match.
std::optional<RefusalReason> RefusalFor(const HelloMessage& hello, const GameIdentity& host);

// The messages each side shows for a refusal.
std::string HostRefusalText(RefusalReason reason, const std::string& joinerVersion, const std::string& hostVersion);
std::string JoinerRefusalText(RefusalReason reason, const std::string& hostVersion, const std::string& ownVersion);
