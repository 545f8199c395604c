#include "fuzz_check.h"
#include "fuzz_limits.h"
#include "render/tga_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = ReadTga(data, size, kFuzzMaxPixels);
  if (image) {
    FUZZ_CHECK(image->components == 3 || image->components == 4);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height * image->components);
  }
  return 0;
}
