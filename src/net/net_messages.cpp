#include "net/net_messages.h"

#include "render/byte_reader.h"

namespace {

class ByteWriter {
 public:
  explicit ByteWriter(NetMessageType type) { U8(static_cast<std::uint8_t>(type)); }
  void U8(std::uint8_t v) { bytes_.push_back(v); }
  void U16(std::uint16_t v) { for (int i = 0; i < 2; ++i) U8(static_cast<std::uint8_t>(v >> (8 * i))); }
  void U32(std::uint32_t v) { for (int i = 0; i < 4; ++i) U8(static_cast<std::uint8_t>(v >> (8 * i))); }
  void U64(std::uint64_t v) { for (int i = 0; i < 8; ++i) U8(static_cast<std::uint8_t>(v >> (8 * i))); }
  void Text(const std::string& text) {  // a length byte, then the characters
    const std::size_t length = text.size() < kMaxVersionLength ? text.size() : kMaxVersionLength;
    U8(static_cast<std::uint8_t>(length));
    bytes_.insert(bytes_.end(), text.begin(), text.begin() + static_cast<long>(length));
  }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

std::uint64_t ReadU64(ByteReader& reader) {
  const std::uint64_t low = reader.U32();
  return low | (static_cast<std::uint64_t>(reader.U32()) << 32);
}

bool ReadText(ByteReader& reader, std::string* text) {
  const std::size_t length = reader.U8();
  if (length > kMaxVersionLength || length > reader.Remaining()) return false;
  text->assign(length, '\0');
  return reader.Bytes(text->data(), length);
}

}  // namespace

std::vector<std::uint8_t> EncodeHello(const HelloMessage& message) {
  ByteWriter writer(NetMessageType::Hello);
  writer.U16(message.protocol);
  writer.Text(message.gameVersion);
  writer.U64(message.contentHash);
  return writer.Take();
}

std::vector<std::uint8_t> EncodeWelcome() { return ByteWriter(NetMessageType::Welcome).Take(); }

std::vector<std::uint8_t> EncodeRefuse(const RefuseMessage& message) {
  ByteWriter writer(NetMessageType::Refuse);
  writer.U8(static_cast<std::uint8_t>(message.reason));
  writer.Text(message.hostVersion);
  return writer.Take();
}

std::vector<std::uint8_t> EncodeInputs(const InputsMessage& message) {
  ByteWriter writer(NetMessageType::Inputs);
  writer.U32(message.senderTick);
  writer.U32(message.ackTick);
  writer.U32(message.firstTick);
  const std::size_t count = message.commands.size() < kMaxInputsPerMessage ? message.commands.size() : kMaxInputsPerMessage;
  writer.U8(static_cast<std::uint8_t>(count));
  for (std::size_t i = 0; i < count; ++i) writer.U8(message.commands[i]);
  writer.U16(message.stampMs);
  writer.U16(message.echoStampMs);
  writer.U16(message.echoHoldMs);
  return writer.Take();
}

namespace {

std::vector<std::uint8_t> EncodeTickHash(NetMessageType type, const StateHashMessage& message) {
  ByteWriter writer(type);
  writer.U32(message.tick);
  writer.U64(message.hash);
  return writer.Take();
}

}  // namespace

std::vector<std::uint8_t> EncodeStateHash(const StateHashMessage& message) {
  return EncodeTickHash(NetMessageType::StateHash, message);
}

std::vector<std::uint8_t> EncodeMatchEnd(const StateHashMessage& message) {
  return EncodeTickHash(NetMessageType::MatchEnd, message);
}

std::vector<std::uint8_t> EncodeDesync(std::uint32_t tick) {
  ByteWriter writer(NetMessageType::Desync);
  writer.U32(tick);
  return writer.Take();
}

std::vector<std::uint8_t> EncodeLeave() { return ByteWriter(NetMessageType::Leave).Take(); }

std::vector<std::uint8_t> EncodeSetup(const SetupMessage& message) {
  ByteWriter writer(NetMessageType::Setup);
  writer.U8(message.character);
  writer.U8(message.arena);
  writer.U32(message.seed);
  writer.U8(static_cast<std::uint8_t>(message.stage));
  return writer.Take();
}

bool DecodeNetMessage(const std::uint8_t* data, std::size_t size, NetMessage* message) {
  if (size == 0) return false;
  ByteReader reader(data, size);
  NetMessage decoded;
  decoded.type = static_cast<NetMessageType>(reader.U8());
  switch (decoded.type) {
    case NetMessageType::Hello:
      decoded.hello.protocol = reader.U16();
      if (!ReadText(reader, &decoded.hello.gameVersion)) return false;
      decoded.hello.contentHash = ReadU64(reader);
      break;
    case NetMessageType::Welcome:
    case NetMessageType::Leave:
      break;
    case NetMessageType::Refuse: {
      const std::uint8_t reason = reader.U8();
      if (reason < static_cast<std::uint8_t>(RefusalReason::Protocol) || reason > static_cast<std::uint8_t>(RefusalReason::Content))
        return false;
      decoded.refuse.reason = static_cast<RefusalReason>(reason);
      if (!ReadText(reader, &decoded.refuse.hostVersion)) return false;
      break;
    }
    case NetMessageType::Inputs: {
      decoded.inputs.senderTick = reader.U32();
      decoded.inputs.ackTick = reader.U32();
      decoded.inputs.firstTick = reader.U32();
      const std::size_t count = reader.U8();
      if (count > kMaxInputsPerMessage || !reader.Fits(static_cast<long long>(count), 1)) return false;
      decoded.inputs.commands.resize(count);
      if (count > 0) reader.Bytes(decoded.inputs.commands.data(), count);
      decoded.inputs.stampMs = reader.U16();
      decoded.inputs.echoStampMs = reader.U16();
      decoded.inputs.echoHoldMs = reader.U16();
      break;
    }
    case NetMessageType::StateHash:
    case NetMessageType::MatchEnd:
      decoded.stateHash.tick = reader.U32();
      decoded.stateHash.hash = ReadU64(reader);
      break;
    case NetMessageType::Desync: decoded.stateHash.tick = reader.U32(); break;
    case NetMessageType::Setup: {
      decoded.setup.character = reader.U8();
      decoded.setup.arena = reader.U8();
      decoded.setup.seed = reader.U32();
      const std::uint8_t stage = reader.U8();
      if (stage > static_cast<std::uint8_t>(SetupStage::Ready)) return false;
      decoded.setup.stage = static_cast<SetupStage>(stage);
      break;
    }
    default:
      return false;
  }
  if (!reader.Ok() || reader.Remaining() != 0) return false;
  *message = std::move(decoded);
  return true;
}
