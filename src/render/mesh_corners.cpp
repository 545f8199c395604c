#include "render/mesh_model.h"

#include <cstring>
#include <map>
#include <tuple>

namespace {

// Corners merge only when every value is bit for bit the same, so the drawn picture cannot change:
// the vertex, then the normal's and the texture coordinate's bits.
using CornerKey = std::tuple<int, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t>;

std::uint32_t Bits(float value) {
  std::uint32_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

}  // namespace

MeshCornerArrays BuildMeshCornerArrays(const MeshData& data) {
  MeshCornerArrays arrays;
  for (const MeshGroup& group : data.meshes) {
    std::map<CornerKey, std::uint32_t> seen;
    const std::size_t first = arrays.order.size();
    for (int index : group.triangleIndices) {
      const MeshTriangle& tri = data.triangles[static_cast<std::size_t>(index)];
      for (int k = 0; k < 3; ++k) {
        const int vertex = tri.vertexIndices[k];
        const Vector3& n = tri.normals[k];
        const CornerKey key{vertex, Bits(n.x), Bits(n.y), Bits(n.z), Bits(tri.s[k]), Bits(tri.t[k])};
        const auto found = seen.emplace(key, static_cast<std::uint32_t>(arrays.corners.size()));
        if (found.second) {
          arrays.corners.push_back({data.vertices[static_cast<std::size_t>(vertex)].position, n, tri.s[k], tri.t[k]});
        }
        arrays.order.push_back(found.first->second);
      }
    }
    arrays.groups.push_back({first, arrays.order.size() - first});
  }
  return arrays;
}
