#include <GL/gl.h>

#include "arena/arena.h"
#include "render/render.h"

namespace {

constexpr float kSwingSpeed = 0.04f;
// Not 180/π: the drawn lamp and the direction of its light differ by a negligible amount.
constexpr float kDegreesPerRadian = 57.3f;

void DrawLampAt(const float position[3], float angleDegrees) {
  glTranslatef(position[0], position[1], position[2]);
  glRotatef(angleDegrees, 1.0f, 0.0f, 0.0f);
  LampModel->Draw();
  glRotatef(-angleDegrees, 1.0f, 0.0f, 0.0f);
  glTranslatef(-position[0], -position[1], -position[2]);
}

}  // namespace

void DrawSwingingLamps(int arena, float step) {
  ApplyCamera(true);
  LampSwing += kSwingSpeed * step;
  // The ranking has settled entries 0 and 1 on the lights the lamps hang from.
  const float angle = LampAngle(LampSwing) * kDegreesPerRadian;
  if (LampModel) {
    DrawLampAt(ArenaLightTable.lights[0].position, angle);
    if (arena == 1) DrawLampAt(ArenaLightTable.lights[1].position, -angle);
  }
  glLoadIdentity();
}
