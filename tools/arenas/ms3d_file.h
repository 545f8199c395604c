#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Writer of MilkShape 3D model files (version 4): vertices, triangles, groups and materials,
// followed by the animation header with no joints.

struct Ms3dVertex {
  std::array<float, 3> position{};
  std::int8_t boneIndex = -1;
};

struct Ms3dTriangle {
  std::array<std::uint16_t, 3> vertexIndices{};
  std::array<std::array<float, 3>, 3> normals{};
  std::array<float, 3> s{};
  // The texture row of each corner counted from the top of the picture (0 = top row); drawn with
  // 1 - t on a picture uploaded bottom row first, that is the same row.
  std::array<float, 3> t{};
  std::uint8_t group = 0;
};

struct Ms3dGroup {
  std::string name;
  std::vector<std::uint16_t> triangles;
  std::int8_t material = -1;
};

struct Ms3dMaterial {
  std::string name;
  std::array<float, 4> ambient{}, diffuse{}, specular{}, emissive{};
  float shininess = 0;
  float transparency = 1;  // the game hides meshes whose material has 0.4 or less
  std::string texture;     // game path of a BMP file, or empty
};

struct Ms3dModelData {
  std::vector<Ms3dVertex> vertices;
  std::vector<Ms3dTriangle> triangles;
  std::vector<Ms3dGroup> groups;
  std::vector<Ms3dMaterial> materials;
};

// The file's bytes. Throws std::invalid_argument when counts exceed the format's limits or an
// index points outside its table.
std::vector<std::uint8_t> EncodeMs3d(const Ms3dModelData& model);
