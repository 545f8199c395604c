#include <GL/gl.h>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "arena/arena_audio.h"
#include "fight/fight.h"
#include "fight/view/fight_view.h"
#include "render/render.h"

namespace {

constexpr float kAmbient[4] = {0.25f, 0.25f, 0.25f, 1.0f};
// Fixed-function light 1 hangs at world (0, 3, 0): its position is given under the camera.
constexpr float kLightOnePosition[4] = {0.0f, 3.0f, 0.0f, 1.0f};

void DrawArenaMap() {
  // The map is drawn with the identity model matrix, so the lights stay in world space.
  const Matrix4 identity;
  UploadObjectSpaceLights(ComputeObjectSpaceLights(identity, SceneLights, ViewDirection));
  if (ArenaMap) ArenaMap->Draw();
}

}  // namespace

void DrawArenaFrame() {
  const float step = FrameClock.step;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();

  glDisable(GL_BLEND);
  glEnable(GL_LIGHTING);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);

  if (MatchState.arena == 1 || MatchState.arena == 2) DrawSwingingLamps(MatchState.arena, step);

  UseLightingProgram();
  UpdateArenaLights();
  SetUniform(LightingUniform::AmbientColor, kAmbient[0], kAmbient[1], kAmbient[2], kAmbient[3]);
  ApplyCamera(false);
  glLightfv(GL_LIGHT1, GL_POSITION, kLightOnePosition);
  DrawArenaMap();
  DrawFighters();
  StopLightingProgram();

  glEnable(GL_LIGHTING);
  glLoadIdentity();
  ApplyCamera(false);
  DrawHitParticles();
  DrawImpactFlashes();

  glLoadIdentity();
}
