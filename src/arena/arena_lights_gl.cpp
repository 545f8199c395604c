#include "arena/arena.h"
#include "fight/fight.h"
#include "render/render.h"

void UpdateArenaLights() {
  RankArenaLights(ArenaLightTable, MatchState.arena, LampSwing);
  const SelectedLights selected = SelectArenaLights(ArenaLightTable);
  const LightingUniform colours[3] = {LightingUniform::LightColor, LightingUniform::Light2Color,
                                      LightingUniform::Light3Color};
  const LightingUniform focuses[3] = {LightingUniform::LightFocus, LightingUniform::Light2Focus,
                                      LightingUniform::Light3Focus};
  SetUniform(LightingUniform::Decal, 0);
  for (int i = 0; i < 3; ++i) {
    const SelectedLight& in = selected.light[i];
    SceneLight& out = SceneLights[i];
    out.position = Vector3{in.position[0], in.position[1], in.position[2]};
    out.direction = Vector3{in.direction[0], in.direction[1], in.direction[2]};
    out.color = Vector3{in.colour[0], in.colour[1], in.colour[2]};
    out.focus = in.focus;
    SetUniform(colours[i], in.colour[0], in.colour[1], in.colour[2], in.colour[3]);
    SetUniform(focuses[i], in.focus);
  }
}
