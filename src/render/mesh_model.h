#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "render/math3d.h"

// Static meshes (arena maps, the arena light marks, the lamp), drawn in their rest pose.

struct MeshVertex {
  signed char boneIndex = -1;  // kept, not used
  Vector3 position;
};

struct MeshTriangle {
  Vector3 normals[3];
  float s[3] = {};
  float t[3] = {};  // already flipped to 1 − t of the file
  int vertexIndices[3] = {};
};

struct MeshGroup {
  int materialIndex = -1;  // -1 = no material
  std::vector<int> triangleIndices;
};

struct MeshMaterial {
  float ambient[4] = {}, diffuse[4] = {}, specular[4] = {}, emissive[4] = {};
  float shininess = 0.0f;
  float transparency = 0.0f;  // 0.4 or less hides the material's meshes
  unsigned int texture = 0;   // GL name; 0 = untextured
  std::string texturePath;    // game path as stored in the file
};

// One triangle flattened for the arena light table.
struct TriangleRecord {
  int materialIndex = -1;
  struct Corner {
    Vector3 position;
    float s = 0.0f, t = 0.0f;
    Vector3 normal;
  } corners[3];
  Vector3 centroid;
};

constexpr int MaxTriangleRecords = 5000;

// What a model file holds, apart from GL.
struct MeshData {
  std::vector<MeshVertex> vertices;
  std::vector<MeshTriangle> triangles;
  std::vector<MeshGroup> meshes;
  std::vector<MeshMaterial> materials;
  std::vector<TriangleRecord> triangleRecords;
};

// A static mesh as arrays GL draws by index: each distinct corner (position, normal and texture
// coordinate alike) once per group, so its vertex is lit once rather than once per triangle.
struct MeshCorner {
  Vector3 position;
  Vector3 normal;
  float s = 0.0f, t = 0.0f;
};

struct MeshCornerArrays {
  std::vector<MeshCorner> corners;    // group after group
  std::vector<std::uint32_t> order;   // three corners a triangle, in the file's order
  struct Range {
    std::size_t first = 0, count = 0;  // into `order`
  };
  std::vector<Range> groups;  // one per MeshData::meshes entry
};

MeshCornerArrays BuildMeshCornerArrays(const MeshData& data);

class MeshModel : public MeshData {
 public:
  virtual ~MeshModel();
  virtual bool Load(const char* gamePath) = 0;

  // Creates the material textures (BMP files named in the model); 0 for those that cannot be read.
  // Materials naming the same file share one texture.
  void LoadTextures();
  // Draws every visible mesh at the current modelview matrix, setting GL material and shader
  // material uniforms per mesh; restores the 2D texturing switch afterwards.
  void Draw();
  // Fills `triangleRecords` mesh by mesh, at most MaxTriangleRecords.
  void BuildTriangleRecords();

 protected:
  void Clear();  // deletes the textures and empties the model

 private:
  void DeleteTextures();  // each shared texture once
  void BuildCornerArrays();
  // The meshes as indexed arrays, made at the first draw after loading.
  std::optional<MeshCornerArrays> cornerArrays;
};

class Ms3dModel : public MeshModel {
 public:
  // False when the file cannot be opened or is damaged; the model stays empty then.
  bool Load(const char* gamePath) override;
};

// Parses MilkShape 3D data (no textures are created). Indices and sizes are checked; a damaged
// file leaves `data` empty and returns false.
bool ParseMs3d(const std::uint8_t* bytes, std::size_t size, MeshData& data);

// Flattens the triangles mesh by mesh into `data.triangleRecords`, at most MaxTriangleRecords.
void BuildTriangleRecords(MeshData& data);

// Whether a mesh is drawn: its material's transparency is above 0.4 (a mesh without material is
// drawn, untextured).
bool IsMeshVisible(const MeshData& data, const MeshGroup& mesh);

// The lamp that swings in arenas 1 and 2; created in the loading phase, destroyed at exit.
extern Ms3dModel* LampModel;
