#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "net/net_address.h"

// `--host [PORT]` and `--join HOST[:PORT]`: start the game waiting for a player or joining one.
struct OnlineStart {
  bool host = false;
  bool join = false;
  std::uint16_t port = kDefaultNetPort;  // --host
  std::string address;                   // --join, as typed
};

// Reads the option at arguments[*index] if it is one of them (and its value) and moves *index past
// it. False when it is another option; `error` is set when the option is malformed or a second
// online option follows the first.
bool ReadOnlineOption(const std::vector<std::string>& arguments, std::size_t* index, OnlineStart* start,
                      std::string* error);
