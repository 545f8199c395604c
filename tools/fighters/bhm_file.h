#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "fighters/model_math.h"

// Writer of the fighter model file (.bhm): a header, a frame table, a tag table and meshes whose
// vertices are stored per frame as int16 at 960 steps per unit with a two-byte normal.

struct BhmTag {
  std::string name;
  Vec3 origin;
  Mat3 axes;  // written row by row as a 3×3 rotation
};

struct BhmMesh {
  std::string name;
  std::string skin;                        // name of the skin record (informative only)
  std::vector<std::array<double, 2>> texCoords;  // (s, t) per vertex, t as read by the game
  std::vector<std::array<int, 3>> triangles;
  // Per frame, one position and one unit normal per vertex.
  std::vector<std::vector<Vec3>> positions;
  std::vector<std::vector<Vec3>> normals;
};

struct BhmModel {
  std::string name;
  int frameCount = 0;
  std::vector<std::string> tagNames;        // tags per frame
  std::vector<std::vector<BhmTag>> tags;    // frameCount × tagNames.size()
  std::vector<BhmMesh> meshes;              // each with frameCount vertex frames
};

// Two angle bytes of a unit normal: a = angle from the z axis, b = angle around it, each in steps
// of 2π / 255.
std::array<std::uint8_t, 2> EncodeNormal(Vec3 normal);

// One stored coordinate: rounded to 1/960 and clamped to the int16 range.
std::int16_t EncodeCoordinate(double value);

// The file's bytes. Throws std::invalid_argument when the model is inconsistent (frame counts,
// tag tables or vertex indices that do not match).
std::vector<std::uint8_t> EncodeBhm(const BhmModel& model);
