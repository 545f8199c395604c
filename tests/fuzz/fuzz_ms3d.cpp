#include "fuzz_check.h"
#include "render/mesh_model.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MeshData mesh;
  if (!ParseMs3d(data, size, mesh)) {
    FUZZ_CHECK(mesh.vertices.empty() && mesh.meshes.empty());
    return 0;
  }
  for (const MeshTriangle& triangle : mesh.triangles) {
    for (int v : triangle.vertexIndices) FUZZ_CHECK(v >= 0 && static_cast<std::size_t>(v) < mesh.vertices.size());
  }
  for (const MeshGroup& group : mesh.meshes) {
    FUZZ_CHECK(group.materialIndex >= -1 && group.materialIndex < static_cast<int>(mesh.materials.size()));
    for (int t : group.triangleIndices) FUZZ_CHECK(t >= 0 && static_cast<std::size_t>(t) < mesh.triangles.size());
    IsMeshVisible(mesh, group);
  }
  BuildTriangleRecords(mesh);
  FUZZ_CHECK(mesh.triangleRecords.size() <= static_cast<std::size_t>(MaxTriangleRecords));
  return 0;
}
