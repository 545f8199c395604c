#pragma once

#include <cstdint>
#include <vector>

// The painting surface every kind of picture content is drawn on.
//
// Colours are floats 0..1 with straight (not premultiplied) alpha. Pixel (0, 0) is the TOP-LEFT
// corner, x to the right, y down; the file writers (image_files.h) turn rows round for the
// bottom-up formats. Shapes take pixel coordinates as floats and are antialiased. Everything here
// is deterministic: no clock, no rand(), noise comes from a seeded hash.

struct Rgba {
  float r = 0, g = 0, b = 0, a = 1;
};

// 0xRRGGBB as an opaque colour, or with the given alpha.
Rgba Hex(std::uint32_t rgb, float alpha = 1);
Rgba WithAlpha(Rgba c, float alpha);
// Linear mix of all four channels: t = 0 gives a, t = 1 gives b.
Rgba Mix(Rgba a, Rgba b, float t);
// Colour scaled by factor (alpha kept).
Rgba Scale(Rgba c, float factor);

struct Point {
  float x = 0, y = 0;
};

// How a painted colour meets what is already there (coverage and the colour's alpha scale it):
// Over = ordinary painting, Add = light (banners, glows), Multiply = shade, Screen = soft light,
// Erase = lower the alpha (cut holes into a layer).
enum class BlendMode { Over, Add, Multiply, Screen, Erase };

class Canvas {
 public:
  Canvas(int width, int height, Rgba fill = {0, 0, 0, 1});

  int Width() const { return width_; }
  int Height() const { return height_; }
  const std::vector<Rgba>& Pixels() const { return pixels_; }

  // Out-of-range coordinates read the nearest edge pixel.
  Rgba Get(int x, int y) const;
  // Bilinear read at a pixel-centre coordinate (x + 0.5 is the centre of column x).
  Rgba Sample(float x, float y) const;
  void Set(int x, int y, Rgba c);
  // Paints one pixel with the colour at the given coverage; pixels outside are ignored.
  void Paint(int x, int y, Rgba c, float coverage = 1, BlendMode mode = BlendMode::Over);

  void Fill(Rgba c);
  // Paints the whole canvas with a gradient from c0 at `from` to c1 at `to` (clamped beyond).
  void LinearGradient(Point from, Point to, Rgba c0, Rgba c1, BlendMode mode = BlendMode::Over);
  // Light that fades from colour at the centre to nothing at the radius: intensity (1 - d/r)^power.
  void Glow(Point centre, float radius, Rgba colour, float power = 2,
            BlendMode mode = BlendMode::Add);
  // The same with separate horizontal and vertical radii (pools of light on a floor).
  void EllipticGlow(Point centre, float radiusX, float radiusY, Rgba colour, float power = 2,
                    BlendMode mode = BlendMode::Add);

  void FillRect(float x0, float y0, float x1, float y1, Rgba c, BlendMode mode = BlendMode::Over);
  // Rectangle with rounded corners of the given radius.
  void FillRoundRect(float x0, float y0, float x1, float y1, float radius, Rgba c,
                     BlendMode mode = BlendMode::Over);
  void FillEllipse(Point centre, float radiusX, float radiusY, Rgba c,
                   BlendMode mode = BlendMode::Over);
  // Any simple or self-crossing polygon (even-odd rule), 4 x 4 samples per pixel.
  void FillPolygon(const std::vector<Point>& corners, Rgba c, BlendMode mode = BlendMode::Over);
  // A thick segment with round ends.
  void StrokeLine(Point a, Point b, float width, Rgba c, BlendMode mode = BlendMode::Over);
  // A thick segment whose width goes from widthA at a to widthB at b (limbs, tapering shapes).
  void StrokeTapered(Point a, Point b, float widthA, float widthB, Rgba c,
                     BlendMode mode = BlendMode::Over);
  void StrokeRect(float x0, float y0, float x1, float y1, float width, Rgba c,
                  BlendMode mode = BlendMode::Over);

  // Film grain: every pixel's colour moves by up to +-amount, the same offset on all channels.
  void AddGrain(std::uint32_t seed, float amount);
  // Gaussian-like blur of all four channels (three box passes); radius in pixels.
  void Blur(float radius);
  // Darkens toward the corners: strength 0 does nothing, 1 makes the corners black.
  void Vignette(float strength);
  // Draws another canvas with its top-left corner at (x, y), at its own size.
  void Draw(const Canvas& source, int x, int y, BlendMode mode = BlendMode::Over,
            float opacity = 1);
  // Draws another canvas scaled into the rectangle (x, y, w, h), bilinear.
  void DrawScaled(const Canvas& source, float x, float y, float w, float h,
                  BlendMode mode = BlendMode::Over, float opacity = 1);
  // Mirror image left to right.
  Canvas FlippedHorizontally() const;

 private:
  // Calls paint(x, y, coverage) for every pixel of the box whose coverage by `inside` is above 0,
  // sampling `inside` on a 4 x 4 grid per pixel.
  template <typename Inside>
  void Rasterise(float x0, float y0, float x1, float y1, Rgba c, BlendMode mode, Inside inside);

  int width_;
  int height_;
  std::vector<Rgba> pixels_;
};

// Masked menu pictures are drawn as mask (blend destination-colour, zero) then face (one, one):
// the mask is white where the screen shows through and black where the face covers, the face is
// black where it is transparent. Both come from one layer painted with alpha.
Canvas MaskFromLayer(const Canvas& layer);
Canvas FaceFromLayer(const Canvas& layer);

// Deterministic noise, all in 0..1.
float Hash01(std::uint32_t seed, int x, int y);
// Smooth value noise on a unit grid.
float ValueNoise(std::uint32_t seed, float x, float y);
// Sum of octaves of value noise, each half as strong and twice as fine.
float FractalNoise(std::uint32_t seed, float x, float y, int octaves);
