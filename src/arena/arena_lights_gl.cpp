#include "arena/arena.h"
#include "fight/fight.h"
#include "render/render.h"

void UpdateArenaLights() {
  RankArenaLights(ArenaLightTable, MatchState.arena, LampSwing);
  SelectArenaLights(ArenaLightTable, SceneLights);
  const LightingUniform colours[3] = {LightingUniform::LightColor, LightingUniform::Light2Color,
                                      LightingUniform::Light3Color};
  const LightingUniform focuses[3] = {LightingUniform::LightFocus, LightingUniform::Light2Focus,
                                      LightingUniform::Light3Focus};
  SetUniform(LightingUniform::Decal, 0);
  for (int i = 0; i < 3; ++i) {
    const Vector3& c = SceneLights[i].color;
    SetUniform(colours[i], c.x, c.y, c.z, 1.0f);
    SetUniform(focuses[i], SceneLights[i].focus);
  }
}
