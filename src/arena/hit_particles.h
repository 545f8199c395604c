#pragma once

// The sparks of a landed hit: one set of 100 particles per fighter, launched by the fight, moved,
// recycled and drawn by the arena frame. GL-free; DrawHitParticles (arena.h) draws them.

struct HitParticle {
  bool active;
  float lifeLeft;  // also the opacity; recycled when it falls below 0
  float halfSize;
  float fade;  // life lost per step unit, before the factor 0.9
  float offset[3];
  float velocity[3];
  float acceleration[3];
  float origin[3];
};

constexpr int kHitParticlesPerSet = 100;

// Set 0 shows the hits fighter one takes, set 1 those of fighter two. All zero at program start;
// every StartFight deactivates them (DeactivateHitParticles).
struct HitParticleSet {
  HitParticle particles[kHitParticlesPerSet];
  float hitPosition[3];  // where the set's fighter was last struck
};

extern HitParticleSet HitParticleSets[2];

// Every particle of both sets is recycled on the next drawn frame.
void DeactivateHitParticles();

// A landed hit: the burst moves to the hit position and every particle flies off with its new
// velocity; particles still flying keep their offset.
void LaunchHitParticles(HitParticleSet& set, const float hitPosition[3], const float velocities[][3]);

// Resets the particles whose life ran out; they stay inactive until the next launch. `randomInt`
// gives the C library's rand().
void RecycleHitParticles(HitParticleSet& set, int (*randomInt)());

// Height of the burst above the hit point for the attacker's AttackKind (1 head, 2 body, 3 leg).
// A burst without an attack kind gets no lift.
float HitParticleLift(int attackerAttackKind);

// What one particle looks like this frame.
struct HitParticleSprite {
  float centre[3];
  float halfSize;
  float alpha;
};

// Follows the set's latest hit, grows the sprite with its sideways flight and returns where to draw it.
HitParticleSprite PrepareHitParticle(HitParticle& particle, const float hitPosition[3], float lift);

// One step of flight: offset by velocity / 3000, gravity on velocity, life by 0.9 × fade.
void MoveHitParticle(HitParticle& particle, float step);

// The camera-facing diamond of DrawBillboard: four corners with their texture coordinates, in
// drawing order. Computed in double precision; the right and up axes are not unit length, so the
// sprite shrinks as the view tilts toward vertical.
struct BillboardCorner {
  double position[3];
  float texCoord[2];
};

struct BillboardQuad {
  BillboardCorner corner[4];
};

BillboardQuad MakeBillboard(const double eye[3], const double centre[3], double sx, double sy, double sz);
