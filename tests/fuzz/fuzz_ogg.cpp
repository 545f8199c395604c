#include <sstream>
#include <string>
#include <vector>

#include "audio/vorbis_decoder.h"
#include "fuzz_check.h"

// Decodes the input the way the music stream does (the same stream callbacks, chunk by chunk,
// back to the start at the end of the track), from memory instead of a file and without a device.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  VorbisDecoder decoder;
  if (!decoder.Open(input)) {
    FUZZ_CHECK(!decoder.IsOpen());
    return 0;
  }
  FUZZ_CHECK(decoder.Channels() == 1 || decoder.Channels() == 2);
  FUZZ_CHECK(decoder.SampleRate() > 0);
  constexpr int kChunkBytes = 4096;
  std::vector<char> chunk(kChunkBytes);
  // A few loops through a short track, or the first chunks of a long one.
  for (int refill = 0, rewinds = 0; refill < 8 && rewinds < 3; ++refill) {
    int bytesRead = -1;
    const auto result = decoder.Decode(chunk.data(), kChunkBytes, bytesRead);
    FUZZ_CHECK(bytesRead >= 0 && bytesRead <= kChunkBytes);
    if (result == VorbisDecoder::ChunkResult::Broken) break;
    if (result == VorbisDecoder::ChunkResult::EndOfFile) {
      decoder.Rewind();
      ++rewinds;
    }
  }
  return 0;
}
