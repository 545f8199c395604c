#include <GL/gl.h>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "render/render.h"

namespace {

// Above the feet, where a knocked-out fighter's body is as the fall begins.
constexpr float kKnockoutFlashHeight = 1.0f;
bool knockoutFlashed = false;

void LaunchKnockoutFlash() {
  // The fighter with less life left is the one knocked out.
  const int loser = FighterStatuses[0].life <= FighterStatuses[1].life ? 0 : 1;
  const FightVector& p = Fighters[loser].position;
  const float position[3] = {p.x, p.y + kKnockoutFlashHeight, p.z};
  LaunchImpactFlash(loser, ImpactKind::Knockout, position);
}

}  // namespace

void DrawImpactFlashes() {
  if (KnockoutBegins(MatchState.knockoutActive, knockoutFlashed)) LaunchKnockoutFlash();
  glDepthMask(GL_FALSE);
  glDisable(GL_DEPTH_TEST);  // a flash inside a fighter's head still shows
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  glBindTexture(GL_TEXTURE_2D, TgaTextures[0].texture);
  const double eye[3] = {ListenerPosition[0], ListenerPosition[1], ListenerPosition[2]};
  for (const ImpactFlash& flash : ImpactFlashes) {
    if (!flash.active) continue;
    const ImpactFlashLook look = LookOfImpactFlash(flash);
    glColor4f(look.colour[0], look.colour[1], look.colour[2], look.colour[3]);
    const double centre[3] = {flash.position[0], flash.position[1], flash.position[2]};
    DrawBillboard(eye, centre, look.halfSize, look.halfSize, look.halfSize);
    // A second, smaller and whiter core keeps the middle of the burst hot.
    glColor4f(1.0f, 1.0f, 1.0f, look.colour[3]);
    DrawBillboard(eye, centre, look.halfSize * 0.45, look.halfSize * 0.45, look.halfSize * 0.45);
  }
  AgeImpactFlashes(0.01f * FrameClock.step);
  glDepthMask(GL_TRUE);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_CULL_FACE);
  glDisable(GL_BLEND);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
