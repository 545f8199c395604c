#pragma once

#include <cstdint>
#include <string>

#include "net/net_address.h"

// `--host [PORT]` and `--join HOST[:PORT]`: start the game waiting for a player or joining one.
struct OnlineStart {
  bool host = false;
  bool join = false;
  std::uint16_t port = kDefaultNetPort;  // --host
  std::string address;                   // --join, as typed
};

// Reads the option at argv[*index] if it is one of them (and its value) and moves *index past it.
// False when argv[*index] is another option; `error` is set when the option is malformed or a
// second online option follows the first.
bool ReadOnlineOption(int argc, const char* const* argv, int* index, OnlineStart* start, std::string* error);

// The lines of --help that describe them.
constexpr const char* kOnlineOptionsHelp =
    "      --host [PORT]      wait for another player on PORT (default 7710)\n"
    "      --join HOST[:PORT] join the game hosted at HOST (IPv6 as [ADDRESS]:PORT)\n";
