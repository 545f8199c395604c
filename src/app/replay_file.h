#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "fight/fighter_command.h"

// A recorded match: what it was started with and every frame's step and commands, enough to play
// it again exactly through FightTick. On disk ("*.replay", little-endian):
//   "BRELLOCH-REPLAY\n"  16 bytes
//   format version       u32 (kReplayFormatVersion)
//   game version         u16 length, then that many bytes (the game that recorded it)
//   seed                 u32
//   mode, difficulty, arena, character one, character two   5 × i32
//   start state          u32 length, then the fight's state as the match began (FightSnapshotBytes):
//                        what earlier fights leave in the records, such as the computer's clocks
//   frame count          u32
//   frames               per frame: step f32, flags u8 (bit 0: simulated), command one u8, command two u8
//   final state hash     u64
struct ReplayFrame {
  float step = 0.0f;
  bool simulate = false;
  FighterCommand commands[2];
};

struct Replay {
  std::string gameVersion;
  std::uint32_t seed = 1;
  int gameMode = 0;
  int difficulty = 2;
  int arena = 1;
  int characters[2] = {0, 1};
  std::vector<std::uint8_t> startState;
  std::vector<ReplayFrame> frames;
  std::uint64_t finalHash = 0;
};

constexpr std::uint32_t kReplayFormatVersion = 1;
constexpr std::size_t kLongestReplayFrames = 60 * 60 * 60;  // an hour at 60 frames a second
constexpr std::size_t kLargestStartState = 4096;

// The version this game writes into its replays and requires of those it plays.
const char* GameVersion();

std::vector<std::uint8_t> ReplayBytes(const Replay& replay);

// Reads a replay; false with `error` set to a sentence a player can act on when the bytes are not a
// replay, are damaged, or come from another version of the game (then nothing may be played).
bool ReplayFromBytes(const std::vector<std::uint8_t>& bytes, Replay& replay, std::string& error);

bool WriteReplayFile(const std::string& path, const Replay& replay);
bool ReadReplayFile(const std::string& path, Replay& replay, std::string& error);
