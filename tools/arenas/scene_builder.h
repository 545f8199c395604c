#pragma once

#include <array>
#include <string>
#include <vector>

#include "arenas/ms3d_file.h"
#include "fighters/model_math.h"

// Builds a static MilkShape mesh from surfaces: rectangles, boxes, cylinders and blobs, each
// with a material. World axes as in the game: y up, the fight along x, the camera on +z.
// Every surface is written counter-clockwise as seen from the side meant to be seen.

struct SurfaceLook {
  std::string texture;      // file name in the arena's folder, e.g. "brick.bmp"; empty = none
  double tile = 2.0;        // world units per repeat of the picture
  double emissive = 0.0;    // light of its own (sky, signs, lamp bulbs)
  double specular = 0.05;
  double shininess = 8.0;
  double brightness = 1.0;  // scales the ambient and diffuse colours
};

class SceneBuilder {
 public:
  // `folder` is the game path of the arena's folder, e.g. ".\base\maps\3\". With a `cell` size,
  // rectangles and pictures are cut into a grid of cells no larger than that: the game lights
  // each corner and blends across the triangle, so a pool of light under a lamp needs corners
  // under the lamp. Without one they stay whole (props, the lamp).
  explicit SceneBuilder(std::string folder, double cell = 0)
      : folder_(std::move(folder)), cell_(cell) {}

  // A material; the same look asked for twice gives the same index.
  int Material(const SurfaceLook& look);

  // The rectangle origin, origin + u, origin + u + v, origin + v, seen from the side that
  // cross(u, v) points to. The picture repeats every `tile` units along u and v (v upward).
  void Rect(int material, Vec3 origin, Vec3 u, Vec3 v) { Rect(material, origin, u, v, cell_); }
  // The same cut into cells of at most `cell` (0: whole), for surfaces that need another grid.
  void Rect(int material, Vec3 origin, Vec3 u, Vec3 v, double cell);
  // The same with the whole picture stretched once over the rectangle (posters, signs, windows).
  void Picture(int material, Vec3 origin, Vec3 u, Vec3 v);
  // A box seen from outside; `withBottom` adds the face underneath.
  void Box(int material, Vec3 lo, Vec3 hi, bool withBottom = false);
  // An upright cylinder from base up by height, seen from outside, with a lid on top.
  void Cylinder(int material, Vec3 base, double radius, double height, int segments = 10);
  // A cylinder between two points, seen from outside, open ended (pipes, bars, cords).
  void Rod(int material, Vec3 from, Vec3 to, double radius, int segments = 8);
  // An ellipsoid seen from outside (tree crowns, globes, bulbs).
  void Blob(int material, Vec3 centre, Vec3 radii, int rings = 7, int segments = 12);
  // A truncated cone around the y axis, open at both ends, seen from outside and (if asked)
  // from inside too (lamp shades).
  void Cone(int material, Vec3 top, double topRadius, double bottomRadius, double height,
            bool twoSided, int segments = 14);

  int TriangleCount() const { return static_cast<int>(model_.triangles.size()); }
  Ms3dModelData Build() const;  // groups one per material, the last made first
  // The picture files the materials name (file names within the folder).
  std::vector<std::string> Textures() const;

 private:
  void Triangle(int material, const std::array<Vec3, 3>& p, const std::array<Vec3, 3>& n,
                const std::array<std::array<double, 2>, 3>& st);
  void Quad(int material, const std::array<Vec3, 4>& p, const std::array<Vec3, 4>& n,
            const std::array<std::array<double, 2>, 4>& st);
  // The rectangle origin, +u, +u+v, +v as a grid of cells no larger than `cell`; `st` gives the
  // texture coordinate at the fractions (a, b) along u and v, so pictures run on unbroken.
  template <typename TextureAt>
  void Grid(int material, Vec3 origin, Vec3 u, Vec3 v, double cell, TextureAt st);

  std::string folder_;
  double cell_;
  std::vector<SurfaceLook> looks_;
  Ms3dModelData model_;
  std::vector<int> triangleMaterial_;
};
