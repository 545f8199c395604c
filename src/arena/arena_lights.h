#pragma once

#include "render/shader_lighting.h"

// The arena light table: built from the light mesh at fight start, ranked and swung every frame.
// GL-free; UpdateArenaLights (arena.h) hands the selection to the lighting shader.

struct ArenaLight {
  float position[3];   // where the light hangs
  float direction[3];  // (0, −1, 0) when built; swung for the lamps of arenas 1 and 2
  int focus;           // 5 for every light
  float rankKey;       // squared distance from the ranking point, recomputed every frame
};

constexpr int kMaxArenaLights = 200;

// Rebuilt at every fight start; lives on after the fight (and after its light mesh) until the next.
struct ArenaLightTableState {
  ArenaLight lights[kMaxArenaLights] = {};
  int count = 0;
};

extern ArenaLightTableState ArenaLightTable;

// Phase of the swinging lamps: 0 at program start, only grows (advanced in frames of arenas 1 and 2).
extern float LampSwing;

// The three corner positions of one triangle of the light mesh.
struct LightTriangle {
  float corner[3][3];
};

// One light per triangle at its centroid. A mesh with more than 200 triangles is cut at 200.
void BuildArenaLights(ArenaLightTableState& table, const LightTriangle* triangles, int triangleCount);

// Swing angle of the lamps for a LampSwing phase, radians.
float LampAngle(float lampSwing);

// Frame update of the table: rank keys, lamp directions of arenas 1 and 2, then the ranking sort
// that leaves the three lights nearest to (0, 2.3, 10) in entries 0 to 2.
void RankArenaLights(ArenaLightTableState& table, int arena, float lampSwing);

// Copies entries 0 to 2 into the lights the shader reads. Missing ones (fewer than three in the
// table) are black, so they light nothing whatever the shader does with their position.
void SelectArenaLights(const ArenaLightTableState& table, SceneLight selected[3]);
