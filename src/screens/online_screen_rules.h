#pragma once

#include <cstddef>
#include <string>

// The online screens' record: the address being typed on the JOIN screen and the line the
// waiting screen shows (set by the app from the connection). Program start: both empty.
struct OnlineScreenState {
  std::string address;
  std::string message;  // what the connection is doing
  std::string detail;   // a second line: why it ended, what comes next
  // The online set-up: the fighter this game's player picks (0 for the host, 1 for the joiner),
  // and who pressed FIGHT (on the versus screen: NEXT).
  int localSide = 0;
  bool localReady = false;
  bool peerReady = false;
  // The versus screen is an online match's: BACK leaves the connection, NEXT waits for the other.
  bool versus = false;
};

extern OnlineScreenState OnlineScreen;

constexpr std::size_t kMaxAddressLength = 45;  // the longest IPv6 address in brackets with a port

// A key pressed on the JOIN screen (a virtual-key code; `shift` held): letters, digits and
// . : - [ ] are typed, Backspace takes the last character back. True when the text changed.
bool TypeAddressKey(int virtualKey, bool shift);
