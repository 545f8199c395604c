#include "app/settings.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const GameSettings settings = SettingsFromFileBytes(data, size);
  const auto bytes = SettingsFileBytes(settings);
  FUZZ_CHECK(bytes.size() == kSettingsFileSize);
  return 0;
}
