#include "arena/hit_particles.h"

#include <cmath>

HitParticleSet HitParticleSets[2] = {};

namespace {

constexpr float kRecycledLife = 0.7f;
constexpr float kRecycledHalfSize = 0.1f;
constexpr float kLargestHalfSize = 1.0f;
constexpr float kGravity = -3.5f;
constexpr float kVelocityScale = 1.0f / 3000.0f;
constexpr float kLifeLossFactor = 0.9f;

constexpr int kHandToHead = 1;
constexpr int kHandToBody = 2;
constexpr int kLegToBody = 3;

}  // namespace

void DeactivateHitParticles() {
  for (HitParticleSet& set : HitParticleSets) {
    for (HitParticle& p : set.particles) {
      p.active = false;
      p.lifeLeft = -1.0f;
    }
  }
}

void LaunchHitParticles(HitParticleSet& set, const float hitPosition[3], const float velocities[][3]) {
  for (int axis = 0; axis < 3; ++axis) set.hitPosition[axis] = hitPosition[axis];
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    HitParticle& p = set.particles[i];
    p.active = true;
    for (int axis = 0; axis < 3; ++axis) p.velocity[axis] = velocities[i][axis];
  }
}

void RecycleHitParticles(HitParticleSet& set, int (*randomInt)()) {
  for (HitParticle& p : set.particles) {
    if (p.lifeLeft >= 0.0f) continue;
    p.active = false;
    p.lifeLeft = kRecycledLife;
    p.halfSize = kRecycledHalfSize;
    for (int axis = 0; axis < 3; ++axis) {
      p.offset[axis] = 0.0f;
      p.origin[axis] = set.hitPosition[axis];
      p.acceleration[axis] = 0.0f;
    }
    p.acceleration[1] = kGravity;
    p.fade = static_cast<float>(randomInt() % 100) / 1000.0f + 0.009f;
  }
}

float HitParticleLift(int attackerAttackKind) {
  if (attackerAttackKind == kHandToHead) return 1.5f;
  if (attackerAttackKind == kHandToBody || attackerAttackKind == kLegToBody) return 0.5f;
  return 0.0f;
}

HitParticleSprite PrepareHitParticle(HitParticle& particle, const float hitPosition[3], float lift) {
  for (int axis = 0; axis < 3; ++axis) particle.origin[axis] = hitPosition[axis];
  // Sprites swell as they fly sideways, up to a half-size of 1.
  const float sideways = std::fabs(particle.offset[0]);
  if (particle.halfSize < kLargestHalfSize && sideways >= particle.halfSize) particle.halfSize = sideways;

  HitParticleSprite sprite{};
  sprite.centre[0] = particle.origin[0] + particle.offset[0];
  sprite.centre[1] = particle.origin[1] + particle.offset[1] + lift;
  sprite.centre[2] = particle.origin[2] + particle.offset[2];
  sprite.halfSize = particle.halfSize;
  sprite.alpha = particle.lifeLeft;
  return sprite;
}

void MoveHitParticle(HitParticle& particle, float step) {
  for (int axis = 0; axis < 3; ++axis) particle.offset[axis] += particle.velocity[axis] * kVelocityScale * step;
  for (int axis = 0; axis < 3; ++axis) particle.velocity[axis] += particle.acceleration[axis] * step;
  particle.lifeLeft -= step * particle.fade * kLifeLossFactor;
}

BillboardQuad MakeBillboard(const double eye[3], const double centre[3], double sx, double sy, double sz) {
  double d[3] = {eye[0] - centre[0], eye[1] - centre[1], eye[2] - centre[2]};
  const double length = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
  // A viewer standing on the sprite sees nothing of it; keep the corners finite.
  if (length > 0.0) {
    for (double& v : d) v /= length;
  }
  // R = D × (0, 1, 0); U = D × R.
  const double r[3] = {-d[2], 0.0, d[0]};
  const double u[3] = {d[1] * r[2] - d[2] * r[1], d[2] * r[0] - d[0] * r[2], d[0] * r[1] - d[1] * r[0]};
  const double scale[3] = {sx, sy, sz};

  BillboardQuad quad{};
  const double* axes[4] = {r, u, r, u};
  const double signs[4] = {1.0, -1.0, -1.0, 1.0};
  const float texCoords[4][2] = {{0.0f, 0.0f}, {1.0f, 0.0f}, {1.0f, 1.0f}, {0.0f, 1.0f}};
  for (int k = 0; k < 4; ++k) {
    for (int axis = 0; axis < 3; ++axis) {
      quad.corner[k].position[axis] = centre[axis] + signs[k] * scale[axis] * axes[k][axis];
    }
    quad.corner[k].texCoord[0] = texCoords[k][0];
    quad.corner[k].texCoord[1] = texCoords[k][1];
  }
  return quad;
}
