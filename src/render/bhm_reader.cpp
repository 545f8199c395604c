#include "render/bhm_reader.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string_view>
#include <unordered_map>

#include "render/byte_reader.h"

namespace {

constexpr int HeaderSize = 108;
constexpr int FrameRecordSize = 56;
constexpr int TagRecordSize = 112;
constexpr int MeshHeaderSize = 108;
constexpr int SkinRecordSize = 68;
constexpr int TriangleRecordSize = 12;
constexpr int TexCoordRecordSize = 8;
constexpr int VertexRecordSize = 8;
constexpr float VertexScale = 1.0f / 960.0f;

struct NormalTable {
  Vector3 entries[256][256];
  NormalTable() {
    const double pi = 3.14159265358979323846;
    for (int a = 0; a < 256; ++a) {
      const double alpha = a * 2.0 * pi / 255.0;
      for (int b = 0; b < 256; ++b) {
        const double beta = b * 2.0 * pi / 255.0;
        entries[a][b] = {float(std::sin(alpha) * std::cos(beta)), float(std::sin(alpha) * std::sin(beta)),
                         float(std::cos(alpha))};
      }
    }
  }
};

const NormalTable& Normals() {
  static const NormalTable table;
  return table;
}

// Reads one mesh whose sections must lie within [start, end).
bool ReadMesh(ByteReader& in, std::size_t start, std::size_t end, ModelMesh& mesh) {
  if (!in.Seek(static_cast<long long>(start)) || !in.Fits(1, MeshHeaderSize)) return false;
  in.Skip(4);
  char name[69] = {};
  in.Bytes(name, 68);
  mesh.name = name;
  const std::int32_t frames = in.I32();
  const std::int32_t skins = in.I32();
  const std::int32_t vertices = in.I32();
  const std::int32_t triangles = in.I32();
  const std::int32_t triangleOffset = in.I32();
  in.I32();  // header size
  const std::int32_t texCoordOffset = in.I32();
  const std::int32_t vertexOffset = in.I32();
  in.I32();  // mesh size, already taken by the caller
  if (!in.Ok() || frames < 0 || skins < 0 || vertices < 0 || triangles < 0) return false;

  // Sections are checked against the mesh's own extent so hostile offsets cannot make several
  // meshes share (and multiply) the same bytes.
  const std::size_t extent = end - start;
  auto inside = [&](std::int32_t offset, long long count, long long recordSize) {
    if (offset < 0 || static_cast<std::size_t>(offset) > extent) return false;
    const unsigned long long room = extent - static_cast<std::size_t>(offset);
    return recordSize == 0 || static_cast<unsigned long long>(count) <= room / static_cast<unsigned long long>(recordSize);
  };
  if (!inside(MeshHeaderSize, skins, SkinRecordSize)) return false;
  if (!inside(triangleOffset, triangles, TriangleRecordSize)) return false;
  if (!inside(texCoordOffset, vertices, TexCoordRecordSize)) return false;
  if (!inside(vertexOffset, static_cast<long long>(frames) * vertices, VertexRecordSize)) return false;
  // A mesh without vertices takes no bytes per frame, yet each frame still costs a slot: no more
  // frames than the mesh has bytes.
  if (vertices == 0 && static_cast<std::size_t>(frames) > extent) return false;

  mesh.frameCount = frames;
  mesh.vertexCount = vertices;
  mesh.triangleCount = triangles;

  in.Seek(static_cast<long long>(start) + triangleOffset);
  mesh.triangles.resize(static_cast<std::size_t>(triangles));
  for (auto& triangle : mesh.triangles) {
    for (int& index : triangle) {
      index = in.I32();
      if (index < 0 || index >= vertices) return false;
    }
  }

  in.Seek(static_cast<long long>(start) + texCoordOffset);
  mesh.texCoords.resize(static_cast<std::size_t>(vertices));
  for (Vector2& st : mesh.texCoords) {
    st.u = in.F32();
    st.v = -in.F32();
  }

  in.Seek(static_cast<long long>(start) + vertexOffset);
  const std::size_t count = static_cast<std::size_t>(vertices);
  const std::size_t frameBytes = count * VertexRecordSize;
  // A frame is found again by its bytes: a held pose repeats one frame many times.
  std::unordered_map<std::string_view, int> storedFrames;
  mesh.frameSlots.resize(static_cast<std::size_t>(frames));
  for (int& slot : mesh.frameSlots) {
    const std::string_view bytes(reinterpret_cast<const char*>(in.Here()), frameBytes);
    const auto [found, added] = storedFrames.emplace(bytes, static_cast<int>(storedFrames.size()));
    slot = found->second;
    if (!added) {
      in.Skip(frameBytes);
      continue;
    }
    for (std::size_t i = 0; i < count; ++i) {
      PackedVertex v;
      v.x = in.I16(), v.y = in.I16(), v.z = in.I16();
      v.a = in.U8(), v.b = in.U8();
      mesh.vertices.push_back(v);
    }
  }
  mesh.vertices.shrink_to_fit();
  return in.Ok();
}

bool ReadBhmInto(ByteReader& in, ModelPart& part) {
  if (!in.Seek(76)) return false;
  const std::int32_t frames = in.I32();
  const std::int32_t tagsPerFrame = in.I32();
  const std::int32_t meshes = in.I32();
  if (!in.Ok() || frames < 0 || tagsPerFrame < 0 || meshes < 0) return false;

  if (!in.Seek(HeaderSize) || !in.Fits(frames, FrameRecordSize)) return false;
  in.Skip(static_cast<std::size_t>(frames) * FrameRecordSize);
  // The tag count also sizes the link slots, so it must fit the file even when there are no frames.
  const long long tagRecords = static_cast<long long>(frames) * tagsPerFrame;
  if (!in.Fits(tagRecords, TagRecordSize) || !in.Fits(tagsPerFrame, TagRecordSize)) return false;

  part.frameCount = frames;
  part.tagCount = tagsPerFrame;
  part.tags.resize(static_cast<std::size_t>(tagRecords));
  for (ModelTag& tag : part.tags) {
    in.Bytes(tag.name, sizeof tag.name);
    tag.name[sizeof tag.name - 1] = '\0';
    tag.origin = {in.F32(), in.F32(), in.F32()};
    for (float& a : tag.axis) a = in.F32();
  }
  part.links.assign(static_cast<std::size_t>(tagsPerFrame), nullptr);
  if (!in.Ok()) return false;

  // A mesh is at least its header, so the mesh count is bounded by the file's length.
  if (!in.Fits(meshes, MeshHeaderSize)) return false;
  std::size_t start = in.Position();
  for (std::int32_t i = 0; i < meshes; ++i) {
    // Only the mesh size says where a mesh ends; the last one may run to the end of the file.
    ByteReader peek = in;
    if (!peek.Seek(static_cast<long long>(start) + 104)) return false;
    const std::int32_t declaredSize = peek.I32();
    if (!peek.Ok()) return false;
    const bool last = i + 1 == meshes;
    if (!last && (declaredSize < MeshHeaderSize || static_cast<std::size_t>(declaredSize) > in.Size() - start)) return false;
    const std::size_t end = last ? in.Size() : start + static_cast<std::size_t>(declaredSize);
    ModelMesh mesh;
    if (!ReadMesh(in, start, end, mesh)) return false;
    part.meshes.push_back(std::move(mesh));
    start = end;
  }
  return true;
}

}  // namespace

Vector3 DecodePosition(const PackedVertex& vertex) {
  return {vertex.x * VertexScale, vertex.y * VertexScale, vertex.z * VertexScale};
}

Vector3 DecodeNormal(std::uint8_t a, std::uint8_t b) { return Normals().entries[a][b]; }

Vector3 ModelMesh::Position(int frame, int vertex) const {
  return DecodePosition(vertices[FrameStart(frame) + static_cast<std::size_t>(vertex)]);
}

Vector3 ModelMesh::Normal(int frame, int vertex) const {
  const PackedVertex& v = vertices[FrameStart(frame) + static_cast<std::size_t>(vertex)];
  return DecodeNormal(v.a, v.b);
}

bool ReadBhm(const std::uint8_t* data, std::size_t size, ModelPart& part) {
  part.meshes.clear();
  part.tags.clear();
  part.links.clear();
  part.frameCount = part.tagCount = 0;
  ByteReader in(data, size);
  if (ReadBhmInto(in, part)) return true;
  part.meshes.clear();
  part.tags.clear();
  part.links.clear();
  part.frameCount = part.tagCount = 0;
  return false;
}

int PlayableFrameCount(const ModelPart& part) {
  if (part.meshes.empty() && part.tagCount == 0) return -1;
  int frames = part.tagCount > 0 ? part.frameCount : -1;
  for (const ModelMesh& mesh : part.meshes) {
    if (mesh.vertexCount == 0) continue;
    frames = frames < 0 ? mesh.frameCount : std::min(frames, mesh.frameCount);
  }
  return frames < 0 ? part.frameCount : frames;
}
