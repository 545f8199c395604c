#include <AL/alut.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "fuzz_check.h"

// The sound effects' loader (freealut) on bytes in memory, started without a context as the game
// starts it. What it accepts must be as much PCM as it claims.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const bool started = alutInitWithoutContext(nullptr, nullptr) == AL_TRUE;
  FUZZ_CHECK(started);
  ALenum format = 0;
  ALsizei bytes = 0;
  ALfloat frequency = 0;
  void* samples = alutLoadMemoryFromFileImage(data, static_cast<ALsizei>(size), &format, &bytes, &frequency);
  if (!samples) return 0;
  FUZZ_CHECK(bytes >= 0);
  FUZZ_CHECK(format == AL_FORMAT_MONO8 || format == AL_FORMAT_MONO16 || format == AL_FORMAT_STEREO8 ||
             format == AL_FORMAT_STEREO16);
  // Touch every byte handed back, so a short buffer shows as a read out of bounds.
  volatile unsigned sum = 0;
  for (ALsizei i = 0; i < bytes; ++i) sum = sum + static_cast<const unsigned char*>(samples)[i];
  std::free(samples);
  return 0;
}
