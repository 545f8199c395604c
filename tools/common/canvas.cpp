#include "common/canvas.h"

#include <algorithm>
#include <cmath>

namespace {

float Clamp01(float v) { return std::min(1.0f, std::max(0.0f, v)); }

Rgba Compose(Rgba dst, Rgba src, float strength, BlendMode mode) {
  const float s = Clamp01(src.a * strength);
  if (s <= 0) return dst;
  switch (mode) {
    case BlendMode::Over: {
      const float outA = s + dst.a * (1 - s);
      if (outA <= 0) return {0, 0, 0, 0};
      const float keep = dst.a * (1 - s);
      return {(src.r * s + dst.r * keep) / outA, (src.g * s + dst.g * keep) / outA,
              (src.b * s + dst.b * keep) / outA, outA};
    }
    case BlendMode::Add:
      return {dst.r + src.r * s, dst.g + src.g * s, dst.b + src.b * s, dst.a + s * (1 - dst.a)};
    case BlendMode::Multiply:
      return {dst.r * (1 - s + src.r * s), dst.g * (1 - s + src.g * s),
              dst.b * (1 - s + src.b * s), dst.a};
    case BlendMode::Screen: {
      auto screen = [s](float d, float c) { return d + (1 - (1 - d) * (1 - c) - d) * s; };
      return {screen(dst.r, src.r), screen(dst.g, src.g), screen(dst.b, src.b), dst.a};
    }
    case BlendMode::Erase:
      return {dst.r, dst.g, dst.b, dst.a * (1 - s)};
  }
  return dst;
}

// Distance from p to the segment a-b, and where along it (0..1) the nearest point lies.
float SegmentDistance(Point p, Point a, Point b, float* along) {
  const float dx = b.x - a.x, dy = b.y - a.y;
  const float len2 = dx * dx + dy * dy;
  float t = len2 > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2 : 0;
  t = Clamp01(t);
  *along = t;
  const float qx = a.x + t * dx - p.x, qy = a.y + t * dy - p.y;
  return std::sqrt(qx * qx + qy * qy);
}

std::uint32_t HashInts(std::uint32_t seed, int x, int y) {
  std::uint32_t h = seed * 0x9E3779B1u ^ static_cast<std::uint32_t>(x) * 0x85EBCA77u ^
                    static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
  h ^= h >> 15;
  h *= 0x2C1B3C6Du;
  h ^= h >> 12;
  h *= 0x297A2D39u;
  h ^= h >> 15;
  return h;
}

// One horizontal or vertical box-filter pass over a channel buffer.
void BoxPass(std::vector<Rgba>& px, int w, int h, int radius, bool horizontal) {
  if (radius <= 0) return;
  const int n = horizontal ? w : h;
  const int lines = horizontal ? h : w;
  std::vector<Rgba> line(n);
  const float inv = 1.0f / static_cast<float>(2 * radius + 1);
  for (int l = 0; l < lines; ++l) {
    auto at = [&](int i) -> Rgba& {
      i = std::min(n - 1, std::max(0, i));
      return horizontal ? px[l * w + i] : px[i * w + l];
    };
    Rgba sum{0, 0, 0, 0};
    for (int i = -radius; i <= radius; ++i) {
      const Rgba& c = at(i);
      sum.r += c.r; sum.g += c.g; sum.b += c.b; sum.a += c.a;
    }
    for (int i = 0; i < n; ++i) {
      line[i] = {sum.r * inv, sum.g * inv, sum.b * inv, sum.a * inv};
      const Rgba& out = at(i - radius);
      const Rgba& in = at(i + radius + 1);
      sum.r += in.r - out.r; sum.g += in.g - out.g; sum.b += in.b - out.b; sum.a += in.a - out.a;
    }
    for (int i = 0; i < n; ++i) at(i) = line[i];
  }
}

}  // namespace

Rgba Hex(std::uint32_t rgb, float alpha) {
  return {static_cast<float>((rgb >> 16) & 0xFF) / 255.0f,
          static_cast<float>((rgb >> 8) & 0xFF) / 255.0f, static_cast<float>(rgb & 0xFF) / 255.0f,
          alpha};
}

Rgba WithAlpha(Rgba c, float alpha) { return {c.r, c.g, c.b, alpha}; }

Rgba Mix(Rgba a, Rgba b, float t) {
  return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
          a.a + (b.a - a.a) * t};
}

Rgba Scale(Rgba c, float factor) { return {c.r * factor, c.g * factor, c.b * factor, c.a}; }

Canvas::Canvas(int width, int height, Rgba fill)
    : width_(std::max(1, width)), height_(std::max(1, height)),
      pixels_(static_cast<size_t>(width_) * height_, fill) {}

Rgba Canvas::Get(int x, int y) const {
  x = std::min(width_ - 1, std::max(0, x));
  y = std::min(height_ - 1, std::max(0, y));
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

Rgba Canvas::Sample(float x, float y) const {
  const float fx = x - 0.5f, fy = y - 0.5f;
  const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
  const float tx = fx - x0, ty = fy - y0;
  return Mix(Mix(Get(x0, y0), Get(x0 + 1, y0), tx), Mix(Get(x0, y0 + 1), Get(x0 + 1, y0 + 1), tx),
             ty);
}

void Canvas::Set(int x, int y, Rgba c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  pixels_[static_cast<size_t>(y) * width_ + x] = c;
}

void Canvas::Paint(int x, int y, Rgba c, float coverage, BlendMode mode) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  Rgba& dst = pixels_[static_cast<size_t>(y) * width_ + x];
  dst = Compose(dst, c, coverage, mode);
}

void Canvas::Fill(Rgba c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Canvas::LinearGradient(Point from, Point to, Rgba c0, Rgba c1, BlendMode mode) {
  const float dx = to.x - from.x, dy = to.y - from.y;
  const float len2 = std::max(1e-6f, dx * dx + dy * dy);
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float t = Clamp01(((x + 0.5f - from.x) * dx + (y + 0.5f - from.y) * dy) / len2);
      Paint(x, y, Mix(c0, c1, t), 1, mode);
    }
  }
}

void Canvas::Glow(Point centre, float radius, Rgba colour, float power, BlendMode mode) {
  EllipticGlow(centre, radius, radius, colour, power, mode);
}

void Canvas::EllipticGlow(Point centre, float radiusX, float radiusY, Rgba colour, float power,
                          BlendMode mode) {
  const int x0 = std::max(0, static_cast<int>(centre.x - radiusX));
  const int x1 = std::min(width_ - 1, static_cast<int>(centre.x + radiusX) + 1);
  const int y0 = std::max(0, static_cast<int>(centre.y - radiusY));
  const int y1 = std::min(height_ - 1, static_cast<int>(centre.y + radiusY) + 1);
  for (int y = y0; y <= y1; ++y) {
    for (int x = x0; x <= x1; ++x) {
      const float nx = (x + 0.5f - centre.x) / radiusX, ny = (y + 0.5f - centre.y) / radiusY;
      const float d = std::sqrt(nx * nx + ny * ny);
      if (d >= 1) continue;
      Paint(x, y, colour, std::pow(1 - d, power), mode);
    }
  }
}

template <typename Inside>
void Canvas::Rasterise(float x0, float y0, float x1, float y1, Rgba c, BlendMode mode,
                       Inside inside) {
  const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)));
  const int iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)));
  for (int y = iy0; y <= iy1; ++y) {
    for (int x = ix0; x <= ix1; ++x) {
      int hits = 0;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx)
          if (inside(Point{x + (sx + 0.5f) / 4, y + (sy + 0.5f) / 4})) ++hits;
      if (hits) Paint(x, y, c, hits / 16.0f, mode);
    }
  }
}

void Canvas::FillRect(float x0, float y0, float x1, float y1, Rgba c, BlendMode mode) {
  if (x1 < x0) std::swap(x0, x1);
  if (y1 < y0) std::swap(y0, y1);
  const int ix0 = std::max(0, static_cast<int>(std::floor(x0)));
  const int iy0 = std::max(0, static_cast<int>(std::floor(y0)));
  const int ix1 = std::min(width_ - 1, static_cast<int>(std::ceil(x1)) - 1);
  const int iy1 = std::min(height_ - 1, static_cast<int>(std::ceil(y1)) - 1);
  for (int y = iy0; y <= iy1; ++y) {
    const float cy = std::min(y + 1.0f, y1) - std::max(static_cast<float>(y), y0);
    for (int x = ix0; x <= ix1; ++x) {
      const float cx = std::min(x + 1.0f, x1) - std::max(static_cast<float>(x), x0);
      Paint(x, y, c, cx * cy, mode);
    }
  }
}

void Canvas::FillRoundRect(float x0, float y0, float x1, float y1, float radius, Rgba c,
                           BlendMode mode) {
  Rasterise(x0, y0, x1, y1, c, mode, [=](Point p) {
    if (p.x < x0 || p.x > x1 || p.y < y0 || p.y > y1) return false;
    const float cx = std::min(std::max(p.x, x0 + radius), x1 - radius);
    const float cy = std::min(std::max(p.y, y0 + radius), y1 - radius);
    return (p.x - cx) * (p.x - cx) + (p.y - cy) * (p.y - cy) <= radius * radius;
  });
}

void Canvas::FillEllipse(Point centre, float radiusX, float radiusY, Rgba c, BlendMode mode) {
  Rasterise(centre.x - radiusX, centre.y - radiusY, centre.x + radiusX, centre.y + radiusY, c,
            mode, [=](Point p) {
              const float nx = (p.x - centre.x) / radiusX, ny = (p.y - centre.y) / radiusY;
              return nx * nx + ny * ny <= 1;
            });
}

void Canvas::FillPolygon(const std::vector<Point>& corners, Rgba c, BlendMode mode) {
  if (corners.size() < 3) return;
  float x0 = corners[0].x, x1 = x0, y0 = corners[0].y, y1 = y0;
  for (const Point& p : corners) {
    x0 = std::min(x0, p.x); x1 = std::max(x1, p.x);
    y0 = std::min(y0, p.y); y1 = std::max(y1, p.y);
  }
  Rasterise(x0, y0, x1, y1, c, mode, [&corners](Point p) {
    bool in = false;
    for (size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
      const Point& a = corners[i];
      const Point& b = corners[j];
      if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x)
        in = !in;
    }
    return in;
  });
}

void Canvas::StrokeLine(Point a, Point b, float width, Rgba c, BlendMode mode) {
  StrokeTapered(a, b, width, width, c, mode);
}

void Canvas::StrokeTapered(Point a, Point b, float widthA, float widthB, Rgba c, BlendMode mode) {
  const float r = std::max(widthA, widthB) / 2;
  Rasterise(std::min(a.x, b.x) - r, std::min(a.y, b.y) - r, std::max(a.x, b.x) + r,
            std::max(a.y, b.y) + r, c, mode, [=](Point p) {
              float t;
              const float d = SegmentDistance(p, a, b, &t);
              return d <= (widthA + (widthB - widthA) * t) / 2;
            });
}

void Canvas::StrokeRect(float x0, float y0, float x1, float y1, float width, Rgba c,
                        BlendMode mode) {
  FillRect(x0, y0, x1, y0 + width, c, mode);
  FillRect(x0, y1 - width, x1, y1, c, mode);
  FillRect(x0, y0 + width, x0 + width, y1 - width, c, mode);
  FillRect(x1 - width, y0 + width, x1, y1 - width, c, mode);
}

void Canvas::AddGrain(std::uint32_t seed, float amount) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      Rgba& p = pixels_[static_cast<size_t>(y) * width_ + x];
      const float n = (Hash01(seed, x, y) * 2 - 1) * amount;
      p.r += n; p.g += n; p.b += n;
    }
  }
}

void Canvas::Blur(float radius) {
  // Three box passes of this size approximate a Gaussian of the given radius.
  const int box = static_cast<int>(std::lround(radius * 0.58f));
  for (int pass = 0; pass < 3; ++pass) {
    BoxPass(pixels_, width_, height_, box, true);
    BoxPass(pixels_, width_, height_, box, false);
  }
}

void Canvas::Vignette(float strength) {
  const float cx = width_ / 2.0f, cy = height_ / 2.0f;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const float nx = (x + 0.5f - cx) / cx, ny = (y + 0.5f - cy) / cy;
      const float d = std::min(1.0f, (nx * nx + ny * ny) / 2);
      Rgba& p = pixels_[static_cast<size_t>(y) * width_ + x];
      const float k = 1 - strength * d * d * (3 - 2 * d);
      p.r *= k; p.g *= k; p.b *= k;
    }
  }
}

void Canvas::Draw(const Canvas& source, int x, int y, BlendMode mode, float opacity) {
  for (int sy = 0; sy < source.height_; ++sy)
    for (int sx = 0; sx < source.width_; ++sx)
      Paint(x + sx, y + sy, source.pixels_[static_cast<size_t>(sy) * source.width_ + sx], opacity,
            mode);
}

void Canvas::DrawScaled(const Canvas& source, float x, float y, float w, float h, BlendMode mode,
                        float opacity) {
  const int ix0 = std::max(0, static_cast<int>(std::floor(x)));
  const int iy0 = std::max(0, static_cast<int>(std::floor(y)));
  const int ix1 = std::min(width_, static_cast<int>(std::ceil(x + w)));
  const int iy1 = std::min(height_, static_cast<int>(std::ceil(y + h)));
  const float kx = source.width_ / w, ky = source.height_ / h;
  for (int py = iy0; py < iy1; ++py) {
    for (int px = ix0; px < ix1; ++px) {
      const float u = (px + 0.5f - x) * kx, v = (py + 0.5f - y) * ky;
      if (u < 0 || v < 0 || u > source.width_ || v > source.height_) continue;
      // Minifying more than 2:1 averages a small box so fine detail does not shimmer.
      Rgba c = source.Sample(u, v);
      if (kx > 2 || ky > 2) {
        const float hx = kx / 4, hy = ky / 4;
        const Rgba s[4] = {source.Sample(u - hx, v - hy), source.Sample(u + hx, v - hy),
                           source.Sample(u - hx, v + hy), source.Sample(u + hx, v + hy)};
        c = Mix(Mix(s[0], s[1], 0.5f), Mix(s[2], s[3], 0.5f), 0.5f);
      }
      Paint(px, py, c, opacity, mode);
    }
  }
}

Canvas Canvas::FlippedHorizontally() const {
  Canvas out(width_, height_);
  for (int y = 0; y < height_; ++y)
    for (int x = 0; x < width_; ++x) out.Set(x, y, Get(width_ - 1 - x, y));
  return out;
}

Canvas MaskFromLayer(const Canvas& layer) {
  Canvas mask(layer.Width(), layer.Height());
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const float through = 1 - Clamp01(layer.Get(x, y).a);
      mask.Set(x, y, {through, through, through, 1});
    }
  }
  return mask;
}

Canvas FaceFromLayer(const Canvas& layer) {
  Canvas face(layer.Width(), layer.Height());
  for (int y = 0; y < layer.Height(); ++y) {
    for (int x = 0; x < layer.Width(); ++x) {
      const Rgba c = layer.Get(x, y);
      const float a = Clamp01(c.a);
      face.Set(x, y, {c.r * a, c.g * a, c.b * a, 1});
    }
  }
  return face;
}

float Hash01(std::uint32_t seed, int x, int y) {
  return static_cast<float>(HashInts(seed, x, y) >> 8) / 16777216.0f;
}

float ValueNoise(std::uint32_t seed, float x, float y) {
  const float fx = std::floor(x), fy = std::floor(y);
  const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
  float tx = x - fx, ty = y - fy;
  tx = tx * tx * (3 - 2 * tx);
  ty = ty * ty * (3 - 2 * ty);
  const float a = Hash01(seed, ix, iy), b = Hash01(seed, ix + 1, iy);
  const float c = Hash01(seed, ix, iy + 1), d = Hash01(seed, ix + 1, iy + 1);
  return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float FractalNoise(std::uint32_t seed, float x, float y, int octaves) {
  float sum = 0, weight = 1, total = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += ValueNoise(seed + static_cast<std::uint32_t>(i) * 7919u, x, y) * weight;
    total += weight;
    weight *= 0.5f;
    x *= 2;
    y *= 2;
  }
  return sum / total;
}
