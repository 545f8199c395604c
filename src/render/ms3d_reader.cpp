#include "render/mesh_model.h"

#include <cstring>

#include "render/byte_reader.h"

namespace {

constexpr int HeaderSize = 14;          // identifier and version
constexpr int VertexTailSize = 1;       // reference count behind the bone index
constexpr int TriangleTailSize = 2;     // smoothing group and group index
constexpr int GroupNameSize = 32;
constexpr int MaterialNameSize = 32;
constexpr int TextureNameSize = 128;
constexpr int AlphaMapNameSize = 128;
constexpr int MaterialModeSize = 1;

bool ParseInto(ByteReader& in, MeshData& data) {
  in.Skip(HeaderSize);  // the identifier is not trusted either way: a wrong one still loads

  const std::uint16_t vertexCount = in.U16();
  if (!in.Ok() || !in.Fits(vertexCount, 15)) return false;
  data.vertices.resize(vertexCount);
  for (MeshVertex& v : data.vertices) {
    in.U8();  // flags
    v.position = {in.F32(), in.F32(), in.F32()};
    v.boneIndex = static_cast<signed char>(in.I8());
    in.Skip(VertexTailSize);
  }

  const std::uint16_t triangleCount = in.U16();
  if (!in.Ok() || !in.Fits(triangleCount, 70)) return false;
  data.triangles.resize(triangleCount);
  for (MeshTriangle& tri : data.triangles) {
    in.U16();  // flags
    for (int& index : tri.vertexIndices) {
      index = in.U16();
      if (index >= vertexCount) return false;
    }
    for (Vector3& n : tri.normals) n = {in.F32(), in.F32(), in.F32()};
    for (float& s : tri.s) s = in.F32();
    for (float& t : tri.t) t = 1.0f - in.F32();
    in.Skip(TriangleTailSize);
  }

  constexpr int SmallestGroupSize = 1 + GroupNameSize + 2 + 1;
  const std::uint16_t groupCount = in.U16();
  if (!in.Ok() || !in.Fits(groupCount, SmallestGroupSize)) return false;
  data.meshes.resize(groupCount);
  std::vector<int> rawMaterials(groupCount);
  for (std::size_t g = 0; g < groupCount; ++g) {
    MeshGroup& group = data.meshes[g];
    in.U8();  // flags
    in.Skip(GroupNameSize);
    const std::uint16_t count = in.U16();
    if (!in.Ok() || !in.Fits(count, 2)) return false;
    group.triangleIndices.resize(count);
    for (int& index : group.triangleIndices) {
      index = in.U16();
      if (index >= triangleCount) return false;
    }
    rawMaterials[g] = in.I8();
    if (!in.Ok()) return false;
  }

  const std::uint16_t materialCount = in.U16();
  if (!in.Ok() || !in.Fits(materialCount, 361)) return false;
  data.materials.resize(materialCount);
  for (MeshMaterial& m : data.materials) {
    in.Skip(MaterialNameSize);
    for (float& c : m.ambient) c = in.F32();
    for (float& c : m.diffuse) c = in.F32();
    for (float& c : m.specular) c = in.F32();
    for (float& c : m.emissive) c = in.F32();
    m.shininess = in.F32();
    m.transparency = in.F32();
    in.Skip(MaterialModeSize);
    char texture[TextureNameSize + 1] = {};
    in.Bytes(texture, TextureNameSize);
    m.texturePath = texture;
    in.Skip(AlphaMapNameSize);
  }
  if (!in.Ok()) return false;

  // A material index the file does not hold is read as no material.
  for (std::size_t g = 0; g < groupCount; ++g) {
    const int index = rawMaterials[g];
    data.meshes[g].materialIndex = index >= 0 && index < materialCount ? index : -1;
  }
  return true;
}

}  // namespace

bool ParseMs3d(const std::uint8_t* bytes, std::size_t size, MeshData& data) {
  data = MeshData{};
  ByteReader in(bytes, size);
  if (ParseInto(in, data)) return true;
  data = MeshData{};
  return false;
}

void BuildTriangleRecords(MeshData& data) {
  data.triangleRecords.clear();
  for (const MeshGroup& mesh : data.meshes) {
    for (int index : mesh.triangleIndices) {
      if (data.triangleRecords.size() >= static_cast<std::size_t>(MaxTriangleRecords)) return;
      const MeshTriangle& tri = data.triangles[static_cast<std::size_t>(index)];
      TriangleRecord record;
      record.materialIndex = mesh.materialIndex;
      Vector3 sum;
      for (int k = 0; k < 3; ++k) {
        const Vector3& p = data.vertices[static_cast<std::size_t>(tri.vertexIndices[k])].position;
        record.corners[k] = {p, tri.s[k], tri.t[k], tri.normals[k]};
        sum = {sum.x + p.x, sum.y + p.y, sum.z + p.z};
      }
      record.centroid = {sum.x / 3.0f, sum.y / 3.0f, sum.z / 3.0f};
      data.triangleRecords.push_back(record);
    }
  }
}

bool IsMeshVisible(const MeshData& data, const MeshGroup& mesh) {
  if (mesh.materialIndex < 0) return true;
  return data.materials[static_cast<std::size_t>(mesh.materialIndex)].transparency > 0.4f;
}
