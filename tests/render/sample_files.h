#pragma once

// Writers of small, valid model and image files for the readers' tests, the fuzz seeds and the
// benchmarks (the content generator is not needed to test a reader).

#include <array>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

class ByteWriter {
 public:
  void U8(unsigned v) { bytes.push_back(static_cast<std::uint8_t>(v)); }
  void I8(int v) { U8(static_cast<unsigned>(v) & 0xFFu); }
  void U16(unsigned v) { U8(v & 0xFF), U8((v >> 8) & 0xFF); }
  void I16(int v) { U16(static_cast<unsigned>(v) & 0xFFFFu); }
  void U32(std::uint32_t v) { U16(v & 0xFFFF), U16(v >> 16); }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  void F32(float v);
  void Text(const std::string& text, std::size_t fieldSize);  // NUL-padded
  void Zeros(std::size_t count) { bytes.insert(bytes.end(), count, 0); }
  void PatchI32(std::size_t at, std::int32_t v);
  std::size_t Size() const { return bytes.size(); }
  Bytes bytes;
};

// ---- Fighter model file ----
struct SampleTag {
  std::string name;
  float origin[3] = {0, 0, 0};
  float axis[9] = {1, 0, 0, 0, 1, 0, 0, 0, 1};
};
struct SampleVertex {
  int x = 0, y = 0, z = 0;
  unsigned a = 0, b = 0;
};
struct SampleMesh {
  std::string name = "body";
  int skins = 0;
  std::vector<std::vector<SampleVertex>> frames;  // frames × vertices
  std::vector<std::array<int, 3>> triangles;
  std::vector<std::array<float, 2>> texCoords;    // one per vertex
};
struct SampleBhm {
  int frames = 1;
  std::vector<std::vector<SampleTag>> tags;  // frames × tags per frame
  std::vector<SampleMesh> meshes;
};
Bytes WriteBhm(const SampleBhm& model);

// A model of `frames` frames, one tag "tag_torso", one mesh: a strip of `triangles` triangles.
SampleBhm StripModel(int frames, int triangles);

// ---- MilkShape model ----
struct SampleMs3dMaterial {
  float transparency = 1.0f;
  std::string texture;
  float diffuse[4] = {0.8f, 0.8f, 0.8f, 1.0f};
};
struct SampleMs3dGroup {
  std::vector<int> triangles;
  int material = -1;
};
struct SampleMs3d {
  std::string identifier = "MS3D000000";
  std::vector<std::array<float, 3>> vertices;
  struct Triangle {
    int v[3] = {0, 1, 2};
    float s[3] = {0, 1, 0};
    float t[3] = {0, 0, 1};  // as stored (1 − t)
  };
  std::vector<Triangle> triangles;
  std::vector<SampleMs3dGroup> groups;
  std::vector<SampleMs3dMaterial> materials;
};
Bytes WriteMs3d(const SampleMs3d& model);

// A grid of cells × cells quads (two triangles each) in one group with one material.
SampleMs3d GridMs3d(int cells);

// ---- Pictures ----
// An uncompressed TGA; `pixels` are BGR or BGRA as stored.
Bytes WriteTga(int width, int height, int bitsPerPixel, const Bytes& pixels);
// A 24-bit BITMAPINFOHEADER bitmap from bottom-up RGB rows.
Bytes WriteBmp24(int width, int height, const Bytes& rgbBottomUp);

// A complete animation table with the fighters' thirteen leg animations.
std::string SampleAnimationTable();

bool WriteFile(const std::string& path, const Bytes& bytes);
