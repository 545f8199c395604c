#include <cstring>

#include "fuzz_check.h"
#include "render/shader_lighting.h"
#include "render/text_printer.h"

// Shader sources and printed texts: whatever bytes they hold, they are taken whole up to their
// end (or first NUL) and printed texts address only the font's own glyph cells.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string source = ParseShaderSource(reinterpret_cast<const char*>(data), size);
  FUZZ_CHECK(source.size() <= size);
  FUZZ_CHECK(std::memchr(source.data(), '\0', source.size()) == nullptr);
  const int set = size > 0 ? data[0] % 4 - 1 : 0;
  const std::vector<int> cells = GlyphCells(source, set);
  FUZZ_CHECK(cells.size() <= static_cast<std::size_t>(MaxTextLength));
  for (int cell : cells) FUZZ_CHECK(cell >= 0 && cell < 256);
  return 0;
}
