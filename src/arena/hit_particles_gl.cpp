#include <GL/gl.h>

#include <cstdlib>

#include "app/frame_clock.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "render/render.h"

namespace {

int CRandom() { return std::rand(); }

void DrawSet(HitParticleSet& set, int attacker, float step) {
  RecycleHitParticles(set, CRandom);
  const float lift = HitParticleLift(FighterStatuses[attacker].attackKind);
  const double eye[3] = {ListenerPosition[0], ListenerPosition[1], ListenerPosition[2]};
  for (HitParticle& particle : set.particles) {
    if (!particle.active) continue;
    const HitParticleSprite sprite = PrepareHitParticle(particle, set.hitPosition, lift);
    glColor4f(1.0f, 1.0f, 1.0f, sprite.alpha);
    const double centre[3] = {sprite.centre[0], sprite.centre[1], sprite.centre[2]};
    DrawBillboard(eye, centre, sprite.halfSize, sprite.halfSize, sprite.halfSize);
    MoveHitParticle(particle, step);
  }
}

}  // namespace

void DrawHitParticles() {
  glDepthMask(GL_FALSE);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_LIGHTING);
  glDisable(GL_CULL_FACE);
  glEnable(GL_DEPTH_TEST);
  glEnable(GL_BLEND);
  glBindTexture(GL_TEXTURE_2D, TgaTextures[0].texture);

  // Set one shows the hits on fighter one, so fighter two's attack decides its lift.
  DrawSet(HitParticleSets[0], 1, FrameClock.step);
  DrawSet(HitParticleSets[1], 0, FrameClock.step);

  glDepthMask(GL_TRUE);
  glEnable(GL_CULL_FACE);
  glDisable(GL_BLEND);
}

void DrawBillboard(const double eye[3], const double centre[3], double sx, double sy, double sz) {
  const BillboardQuad quad = MakeBillboard(eye, centre, sx, sy, sz);
  glBegin(GL_QUADS);
  for (const BillboardCorner& corner : quad.corner) {
    glTexCoord2f(corner.texCoord[0], corner.texCoord[1]);
    glVertex3dv(corner.position);
  }
  glEnd();
}
