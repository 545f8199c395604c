#pragma once

#include <cstdint>

// What one fighter's player holds in one frame. Devices, the network and replays all produce these;
// the fight reads nothing else of its players.
enum class FightInput : int {
  Forward = 0,  // a step toward the opponent
  Back = 1,
  Block = 2,
  HandToHead = 3,
  HandToBody = 4,
  LegToBody = 5,
};
constexpr int kFightInputCount = 6;

struct FighterCommand {
  std::uint8_t held = 0;  // bit (1 << FightInput) per held action

  bool Holds(FightInput input) const { return (held >> static_cast<int>(input)) & 1u; }
  void Hold(FightInput input) { held = static_cast<std::uint8_t>(held | (1u << static_cast<int>(input))); }

  friend bool operator==(FighterCommand a, FighterCommand b) { return a.held == b.held; }
  friend bool operator!=(FighterCommand a, FighterCommand b) { return a.held != b.held; }
};
