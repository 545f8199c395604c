#include "fighters/skin_layout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace {
constexpr int Gutter = 4;
}

std::vector<SkinRect> LayoutSkin(const std::vector<BodyPart>& parts) {
  std::vector<std::size_t> order(parts.size());
  std::iota(order.begin(), order.end(), 0);
  // Tallest first, then widest, then by name, so the layout never depends on sort stability.
  std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
    if (parts[a].texHeight != parts[b].texHeight) return parts[a].texHeight > parts[b].texHeight;
    if (parts[a].texWidth != parts[b].texWidth) return parts[a].texWidth > parts[b].texWidth;
    return parts[a].name < parts[b].name;
  });
  std::vector<SkinRect> rects(parts.size());
  int x = Gutter, y = Gutter, rowHeight = 0;
  for (std::size_t i : order) {
    const int w = parts[i].texWidth, h = parts[i].texHeight;
    if (x + w + Gutter > SkinSize) {
      x = Gutter;
      y += rowHeight + Gutter;
      rowHeight = 0;
    }
    if (y + h + Gutter > SkinSize) throw std::runtime_error("body parts do not fit on the skin");
    rects[i] = {x, y, w, h};
    x += w + Gutter;
    rowHeight = std::max(rowHeight, h);
  }
  return rects;
}

std::array<double, 2> SkinCoordinate(const SkinRect& rect, double u, double v) {
  return {(rect.x + u * rect.w) / SkinSize, (rect.y + v * rect.h) / SkinSize};
}
