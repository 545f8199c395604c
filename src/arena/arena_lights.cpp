#include "arena/arena_lights.h"

#include <algorithm>
#include <cmath>
#include <utility>

ArenaLightTableState ArenaLightTable;
float LampSwing = 0.0f;

namespace {

constexpr float kRankingPoint[3] = {0.0f, 2.3f, 10.0f};  // in front of the arena, where the camera stands
constexpr int kLightFocus = 5;
constexpr float kSwingWidth = 0.15f;

// (0, −1, 0) turned about the x axis by a.
void PointDownTurned(float a, float direction[3]) {
  direction[0] = 0.0f;
  direction[1] = -std::cos(a);
  direction[2] = -std::sin(a);
}

}  // namespace

void BuildArenaLights(ArenaLightTableState& table, const LightTriangle* triangles, int triangleCount) {
  table.count = 0;
  const int kept = std::min(std::max(triangleCount, 0), kMaxArenaLights);
  for (int i = 0; i < kept; ++i) {
    ArenaLight& light = table.lights[table.count++];
    for (int axis = 0; axis < 3; ++axis) {
      const LightTriangle& t = triangles[i];
      // 0.33333, not an exact third: the light positions are those the arenas were lit with.
      light.position[axis] = (t.corner[0][axis] + t.corner[1][axis] + t.corner[2][axis]) * 0.33333f;
    }
    light.direction[0] = 0.0f;
    light.direction[1] = -1.0f;
    light.direction[2] = 0.0f;
    light.focus = kLightFocus;
    light.rankKey = 0.0f;
  }
}

float LampAngle(float lampSwing) { return std::sin(lampSwing) * kSwingWidth; }

void RankArenaLights(ArenaLightTableState& table, int arena, float lampSwing) {
  for (int i = 0; i < table.count; ++i) {
    ArenaLight& light = table.lights[i];
    float key = 0.0f;
    for (int axis = 0; axis < 3; ++axis) {
      const float d = kRankingPoint[axis] - light.position[axis];
      key += d * d;
    }
    light.rankKey = key;
  }

  // The lamps hang on entries 0 and 1, which the ranking keeps in place once it has settled.
  const float theta = LampAngle(lampSwing);
  if (arena == 1) {
    PointDownTurned(theta, table.lights[0].direction);
    PointDownTurned(-theta, table.lights[1].direction);
  } else if (arena == 2) {
    PointDownTurned(theta, table.lights[0].direction);
  }

  // An exchange sort, not a stable one: equal keys can trade places through a third entry.
  for (int i = 0; i + 1 < table.count; ++i) {
    for (int j = i + 1; j < table.count; ++j) {
      if (table.lights[i].rankKey > table.lights[j].rankKey) std::swap(table.lights[i], table.lights[j]);
    }
  }
}

void SelectArenaLights(const ArenaLightTableState& table, SceneLight selected[3]) {
  for (int i = 0; i < 3; ++i) {
    const ArenaLight& light = table.lights[i];
    SceneLight& out = selected[i];
    out.position = Vector3{light.position[0], light.position[1], light.position[2]};
    out.direction = Vector3{light.direction[0], light.direction[1], light.direction[2]};
    out.focus = light.focus;
    const float level = i < table.count ? 1.0f : 0.0f;
    out.color = Vector3{level, level, level};
  }
}
