#include "render/text_printer.h"

float TextAlpha = 1.0f;

// The printers call list (font base − 32 + 128 × set) + signed byte; only the offsets that land
// inside the font's own 256 lists are kept.
std::vector<int> GlyphCells(const std::string& text, int set) {
  const int base = -32 + 128 * (set < 2 ? (set < 0 ? 0 : set) : 1);
  std::vector<int> cells;
  const std::size_t length = text.size() < static_cast<std::size_t>(MaxTextLength) ? text.size() : MaxTextLength;
  cells.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    const int cell = base + static_cast<signed char>(text[i]);
    if (cell >= 0 && cell < 256) cells.push_back(cell);
  }
  return cells;
}
