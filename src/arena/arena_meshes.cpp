#include <GL/gl.h>

#include <string>
#include <vector>

#include "arena/arena.h"
#include "render/render.h"

Ms3dModel* ArenaMap = nullptr;
Ms3dModel* ArenaLightMesh = nullptr;

namespace {

Ms3dModel* LoadMesh(int arena, const char* file) {
  const std::string path = ".\\base\\maps\\" + std::to_string(arena) + "\\" + file;
  auto* model = new Ms3dModel;
  model->Load(path.c_str());
  model->LoadTextures();
  return model;
}

}  // namespace

void LoadArenaMeshes(int arena) {
  DestroyArenaMeshes();
  ArenaMap = LoadMesh(arena, "map.ms3d");
  ArenaLightMesh = LoadMesh(arena, "light.ms3d");
  ArenaLightMesh->BuildTriangleRecords();
}

void BuildArenaLights() {
  std::vector<LightTriangle> triangles;
  if (ArenaLightMesh) {
    for (const TriangleRecord& record : ArenaLightMesh->triangleRecords) {
      LightTriangle t{};
      for (int k = 0; k < 3; ++k) {
        const Vector3& p = record.corners[k].position;
        t.corner[k][0] = p.x;
        t.corner[k][1] = p.y;
        t.corner[k][2] = p.z;
      }
      triangles.push_back(t);
    }
  }
  BuildArenaLights(ArenaLightTable, triangles.data(), static_cast<int>(triangles.size()));
  // The state the rest of the fight start was written against.
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  BindTexture(48);
  glEnable(GL_CULL_FACE);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void DestroyArenaMeshes() {
  delete ArenaMap;
  delete ArenaLightMesh;
  ArenaMap = nullptr;
  ArenaLightMesh = nullptr;
}
