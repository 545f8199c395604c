#include "fuzz_check.h"
#include "fuzz_limits.h"
#include "render/bmp_decoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto image = DecodeBmp(data, size, kFuzzMaxPixels);
  if (image) {
    FUZZ_CHECK(image->width > 0 && image->height > 0);
    FUZZ_CHECK(image->pixels.size() == static_cast<std::size_t>(image->width) * image->height * 3);
  }
  return 0;
}
