#pragma once

#include <cstdint>
#include <string>

constexpr std::uint16_t kDefaultNetPort = 7710;

// Where to join: a host name or address and a port.
struct NetAddress {
  std::string host;
  std::uint16_t port = kDefaultNetPort;
};

// Reads "HOST", "HOST:PORT", "[IPV6]" or "[IPV6]:PORT" (a bare IPv6 address with its colons takes
// the default port). False for an empty host or a port outside 1..65535.
bool ParseNetAddress(const std::string& text, NetAddress* address);
// Reads a port number 1..65535.
bool ParseNetPort(const std::string& text, std::uint16_t* port);
