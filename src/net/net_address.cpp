#include "net/net_address.h"

#include <algorithm>

bool ParseNetPort(const std::string& text, std::uint16_t* port) {
  if (text.empty() || text.size() > 5 || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const long value = std::stol(text);
  if (value < 1 || value > 65535) return false;
  *port = static_cast<std::uint16_t>(value);
  return true;
}

bool ParseNetAddress(const std::string& text, NetAddress* address) {
  NetAddress parsed;
  std::string portText;
  if (!text.empty() && text.front() == '[') {
    const auto close = text.find(']');
    if (close == std::string::npos) return false;
    parsed.host = text.substr(1, close - 1);
    const std::string rest = text.substr(close + 1);
    if (!rest.empty()) {
      if (rest.front() != ':') return false;
      portText = rest.substr(1);
      if (portText.empty()) return false;
    }
  } else if (std::count(text.begin(), text.end(), ':') == 1) {
    const auto colon = text.find(':');
    parsed.host = text.substr(0, colon);
    portText = text.substr(colon + 1);
    if (portText.empty()) return false;
  } else {
    parsed.host = text;  // a name, an IPv4 address or a bare IPv6 address
  }
  if (parsed.host.empty()) return false;
  if (!portText.empty() && !ParseNetPort(portText, &parsed.port)) return false;
  *address = parsed;
  return true;
}
