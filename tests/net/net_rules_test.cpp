#include <gtest/gtest.h>

#include "net/handshake.h"
#include "net/net_address.h"
#include "net/net_messages.h"

TEST(NetAddress, HostsPortsAndBracketedIpv6) {
  NetAddress address;
  ASSERT_TRUE(ParseNetAddress("127.0.0.1", &address));
  EXPECT_EQ(address.host, "127.0.0.1");
  EXPECT_EQ(address.port, kDefaultNetPort);
  ASSERT_TRUE(ParseNetAddress("localhost:9000", &address));
  EXPECT_EQ(address.host, "localhost");
  EXPECT_EQ(address.port, 9000);
  ASSERT_TRUE(ParseNetAddress("[::1]:7711", &address));
  EXPECT_EQ(address.host, "::1");
  EXPECT_EQ(address.port, 7711);
  ASSERT_TRUE(ParseNetAddress("::1", &address));
  EXPECT_EQ(address.host, "::1");
  EXPECT_EQ(address.port, kDefaultNetPort);
  ASSERT_TRUE(ParseNetAddress("[fe80::1]", &address));
  EXPECT_EQ(address.port, kDefaultNetPort);

  for (const char* bad : {"", ":7710", "host:", "host:0", "host:65536", "host:12a", "[::1", "[::1]x", "[]:7710", "[::1]:"}) {
    address = NetAddress{"unchanged", 1};
    EXPECT_FALSE(ParseNetAddress(bad, &address)) << bad;
    EXPECT_EQ(address.host, "unchanged");
  }
}

TEST(NetMessages, EveryKindSurvivesTheWire) {
  NetMessage decoded;
  const auto hello = EncodeHello({kNetProtocolVersion, "1.0.0", 0x0123456789ABCDEFull});
  ASSERT_TRUE(DecodeNetMessage(hello.data(), hello.size(), &decoded));
  EXPECT_EQ(decoded.type, NetMessageType::Hello);
  EXPECT_EQ(decoded.hello.gameVersion, "1.0.0");
  EXPECT_EQ(decoded.hello.contentHash, 0x0123456789ABCDEFull);

  InputsMessage inputs;
  inputs.senderTick = 70000;
  inputs.ackTick = 69990;
  inputs.firstTick = 69995;
  inputs.commands = {1, 2, 0x3F, 0};
  inputs.stampMs = 65535;
  inputs.echoStampMs = 12;
  inputs.echoHoldMs = 16;
  const auto inputBytes = EncodeInputs(inputs);
  ASSERT_TRUE(DecodeNetMessage(inputBytes.data(), inputBytes.size(), &decoded));
  EXPECT_EQ(decoded.inputs.senderTick, 70000u);
  EXPECT_EQ(decoded.inputs.ackTick, 69990u);
  EXPECT_EQ(decoded.inputs.firstTick, 69995u);
  EXPECT_EQ(decoded.inputs.commands, inputs.commands);
  EXPECT_EQ(decoded.inputs.stampMs, 65535);
  EXPECT_EQ(decoded.inputs.echoHoldMs, 16);

  const auto hash = EncodeStateHash({930, 0xFEEDFACECAFEBEEFull});
  ASSERT_TRUE(DecodeNetMessage(hash.data(), hash.size(), &decoded));
  EXPECT_EQ(decoded.stateHash.tick, 930u);
  EXPECT_EQ(decoded.stateHash.hash, 0xFEEDFACECAFEBEEFull);

  const auto refuse = EncodeRefuse({RefusalReason::Content, "1.0.0"});
  ASSERT_TRUE(DecodeNetMessage(refuse.data(), refuse.size(), &decoded));
  EXPECT_EQ(decoded.refuse.reason, RefusalReason::Content);
  EXPECT_EQ(decoded.refuse.hostVersion, "1.0.0");

  const auto end = EncodeMatchEnd({5400, 0x0123456789ABCDEFull});
  ASSERT_TRUE(DecodeNetMessage(end.data(), end.size(), &decoded));
  EXPECT_EQ(decoded.type, NetMessageType::MatchEnd);
  EXPECT_EQ(decoded.stateHash.tick, 5400u);
  EXPECT_EQ(decoded.stateHash.hash, 0x0123456789ABCDEFull);
  const auto desync = EncodeDesync(120);
  ASSERT_TRUE(DecodeNetMessage(desync.data(), desync.size(), &decoded));
  EXPECT_EQ(decoded.type, NetMessageType::Desync);
  EXPECT_EQ(decoded.stateHash.tick, 120u);

  const auto setup = EncodeSetup({5, 3, 0xDEADBEEF, SetupStage::Ready});
  ASSERT_TRUE(DecodeNetMessage(setup.data(), setup.size(), &decoded));
  EXPECT_EQ(decoded.setup.character, 5);
  EXPECT_EQ(decoded.setup.arena, 3);
  EXPECT_EQ(decoded.setup.seed, 0xDEADBEEFu);
  EXPECT_EQ(decoded.setup.stage, SetupStage::Ready);
  auto badStage = setup;
  badStage.back() = 3;
  EXPECT_FALSE(DecodeNetMessage(badStage.data(), badStage.size(), &decoded));

  for (const auto& bytes : {EncodeWelcome(), EncodeLeave()}) {
    ASSERT_TRUE(DecodeNetMessage(bytes.data(), bytes.size(), &decoded));
    EXPECT_EQ(bytes.size(), 1u);
  }
}

TEST(NetMessages, MalformedPacketsAreRejected) {
  NetMessage decoded;
  InputsMessage inputs;
  inputs.commands = {1, 2, 3};
  const auto good = EncodeInputs(inputs);
  for (std::size_t size = 0; size < good.size(); ++size)
    EXPECT_FALSE(DecodeNetMessage(good.data(), size, &decoded)) << "cut to " << size;
  auto longer = good;
  longer.push_back(0);
  EXPECT_FALSE(DecodeNetMessage(longer.data(), longer.size(), &decoded));
  auto tooMany = good;
  tooMany[13] = static_cast<std::uint8_t>(kMaxInputsPerMessage + 1);  // the count byte
  EXPECT_FALSE(DecodeNetMessage(tooMany.data(), tooMany.size(), &decoded));

  const std::uint8_t unknownKind[] = {99};
  EXPECT_FALSE(DecodeNetMessage(unknownKind, 1, &decoded));
  const std::uint8_t badReason[] = {3, 9, 0};
  EXPECT_FALSE(DecodeNetMessage(badReason, sizeof badReason, &decoded));
  const std::uint8_t overlongText[] = {1, 1, 0, 200, 'x'};
  EXPECT_FALSE(DecodeNetMessage(overlongText, sizeof overlongText, &decoded));
}

TEST(Handshake, MismatchesAreRefusedWithTheirReasonOnBothSides) {
  const GameIdentity host{"1.0.0", 42};
  EXPECT_FALSE(RefusalFor(HelloFor(host), host).has_value());
  EXPECT_EQ(RefusalFor(HelloFor({"1.0.1", 42}), host), RefusalReason::Version);
  EXPECT_EQ(RefusalFor(HelloFor({"1.0.0", 43}), host), RefusalReason::Content);
  HelloMessage otherProtocol = HelloFor(host);
  otherProtocol.protocol = kNetProtocolVersion + 1;
  EXPECT_EQ(RefusalFor(otherProtocol, host), RefusalReason::Protocol);

  EXPECT_EQ(HostRefusalText(RefusalReason::Version, "1.0.1", "1.0.0"),
            "Refused a player: their game is version 1.0.1, this one is 1.0.0.");
  EXPECT_EQ(JoinerRefusalText(RefusalReason::Version, "1.0.0", "1.0.1"),
            "The host refused: its game is version 1.0.0, this one is 1.0.1.");
  EXPECT_EQ(JoinerRefusalText(RefusalReason::Content, "1.0.0", "1.0.0"),
            "The host refused: its game content differs from this one's.");
}
