#include <algorithm>
#include <vector>

#include "fuzz_check.h"
#include "net/net_messages.h"

// A peer's datagram: whatever decodes must encode back to the same bytes.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  NetMessage message;
  if (!DecodeNetMessage(data, size, &message)) return 0;
  std::vector<std::uint8_t> again;
  switch (message.type) {
    case NetMessageType::Hello: again = EncodeHello(message.hello); break;
    case NetMessageType::Welcome: again = EncodeWelcome(); break;
    case NetMessageType::Refuse: again = EncodeRefuse(message.refuse); break;
    case NetMessageType::Inputs: again = EncodeInputs(message.inputs); break;
    case NetMessageType::StateHash: again = EncodeStateHash(message.stateHash); break;
    case NetMessageType::MatchEnd: again = EncodeMatchEnd(message.stateHash); break;
    case NetMessageType::Desync: again = EncodeDesync(message.stateHash.tick); break;
    case NetMessageType::Leave: again = EncodeLeave(); break;
    case NetMessageType::Setup: again = EncodeSetup(message.setup); break;
  }
  FUZZ_CHECK(again.size() == size && std::equal(again.begin(), again.end(), data));
  return 0;
}
