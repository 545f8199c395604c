#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The datagrams two games exchange, little-endian, one message per packet, the first byte its kind.
// Decoding checks every length against the packet: a peer's bytes are outside data.

constexpr std::uint16_t kNetProtocolVersion = 2;
constexpr std::size_t kMaxVersionLength = 64;
constexpr std::size_t kMaxInputsPerMessage = 64;

enum class NetMessageType : std::uint8_t {
  Hello = 1,      // joiner -> host, first thing after connecting
  Welcome = 2,    // host -> joiner: accepted
  Refuse = 3,     // host -> joiner: refused, and why
  Inputs = 4,     // either way, every frame: the sender's commands not yet acknowledged
  StateHash = 5,  // either way: the hash of the confirmed state at a tick
  Leave = 6,      // either way: the player left the match
  Setup = 7,      // either way: the set-up screen's choices
  MatchEnd = 8,   // either way: the match ended, confirmed, after `tick` ticks in the state of `hash`
  Desync = 9,     // either way: the sender found the two games out of step at `tick`
};

enum class RefusalReason : std::uint8_t {
  Protocol = 1,  // a different network protocol
  Version = 2,   // a different game version
  Content = 3,   // the same version with different content
};

struct HelloMessage {
  std::uint16_t protocol = kNetProtocolVersion;
  std::string gameVersion;
  std::uint64_t contentHash = 0;
};

struct RefuseMessage {
  RefusalReason reason = RefusalReason::Version;
  std::string hostVersion;
};

struct InputsMessage {
  std::uint32_t senderTick = 0;  // ticks the sender has simulated
  std::uint32_t ackTick = 0;     // the sender holds all of the receiver's commands before this tick
  std::uint32_t firstTick = 0;   // tick of commands[0]
  std::vector<std::uint8_t> commands;  // FighterCommand::held, consecutive ticks
  std::uint16_t stampMs = 0;      // sender's clock, for the ping
  std::uint16_t echoStampMs = 0;  // the receiver's latest stamp the sender saw
  std::uint16_t echoHoldMs = 0;   // how long the sender held that stamp before this message
};

struct StateHashMessage {
  std::uint32_t tick = 0;
  std::uint64_t hash = 0;
};

// How far a player has gone towards the next fight.
enum class SetupStage : std::uint8_t {
  Choosing = 0,  // on the set-up screen
  Picked = 1,    // pressed FIGHT on the set-up screen
  Ready = 2,     // pressed NEXT on the versus screen
};

struct SetupMessage {
  std::uint8_t character = 0;  // the sender's fighter (roster row)
  std::uint8_t arena = 0;      // the host's arena choice (the joiner sends 0)
  std::uint32_t seed = 0;      // the host's fight seed (the joiner sends 0)
  SetupStage stage = SetupStage::Choosing;
};

struct NetMessage {
  NetMessageType type = NetMessageType::Leave;
  HelloMessage hello;
  RefuseMessage refuse;
  InputsMessage inputs;
  StateHashMessage stateHash;  // StateHash, MatchEnd and Desync (tick only)
  SetupMessage setup;
};

std::vector<std::uint8_t> EncodeHello(const HelloMessage& message);
std::vector<std::uint8_t> EncodeWelcome();
std::vector<std::uint8_t> EncodeRefuse(const RefuseMessage& message);
std::vector<std::uint8_t> EncodeInputs(const InputsMessage& message);
std::vector<std::uint8_t> EncodeStateHash(const StateHashMessage& message);
std::vector<std::uint8_t> EncodeMatchEnd(const StateHashMessage& message);
std::vector<std::uint8_t> EncodeDesync(std::uint32_t tick);
std::vector<std::uint8_t> EncodeLeave();
std::vector<std::uint8_t> EncodeSetup(const SetupMessage& message);

// False for an unknown kind, a short or overlong packet, or a field out of range.
bool DecodeNetMessage(const std::uint8_t* data, std::size_t size, NetMessage* message);
