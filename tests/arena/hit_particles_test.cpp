#include <gtest/gtest.h>

#include <cmath>

#include "arena/hit_particles.h"

namespace {

int NextFake = 0;
int FakeRandom() { return NextFake++; }

void FillVelocities(float velocities[][3], float x, float y, float z) {
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    velocities[i][0] = x + static_cast<float>(i);
    velocities[i][1] = y;
    velocities[i][2] = z;
  }
}

// A set just after DeactivateHitParticles and the first drawn frame's recycle pass.
HitParticleSet RecycledSet() {
  HitParticleSet set{};
  for (HitParticle& p : set.particles) p.lifeLeft = -1.0f;
  NextFake = 0;
  RecycleHitParticles(set, FakeRandom);
  return set;
}

TEST(HitParticles, DeactivateRecyclesEveryParticleOnTheNextFrame) {
  HitParticleSets[0].particles[3].active = true;
  HitParticleSets[1].particles[99].lifeLeft = 0.5f;
  DeactivateHitParticles();
  for (const HitParticleSet& set : HitParticleSets) {
    for (const HitParticle& p : set.particles) {
      EXPECT_FALSE(p.active);
      EXPECT_LT(p.lifeLeft, 0.0f);
    }
  }
}

TEST(HitParticles, RecycleResetsOnlySpentParticlesAndLeavesThemInactive) {
  HitParticleSet set{};
  set.hitPosition[0] = 2.0f;
  set.particles[0].lifeLeft = -0.01f;
  set.particles[0].active = true;
  set.particles[0].velocity[0] = 42.0f;
  set.particles[0].offset[1] = 3.0f;
  set.particles[1].lifeLeft = 0.0f;  // not below 0: still alive
  set.particles[1].active = true;
  NextFake = 137;
  RecycleHitParticles(set, FakeRandom);

  const HitParticle& p = set.particles[0];
  EXPECT_FALSE(p.active);
  EXPECT_FLOAT_EQ(p.lifeLeft, 0.7f);
  EXPECT_FLOAT_EQ(p.halfSize, 0.1f);
  EXPECT_FLOAT_EQ(p.offset[1], 0.0f);
  EXPECT_FLOAT_EQ(p.origin[0], 2.0f);
  EXPECT_FLOAT_EQ(p.acceleration[1], -3.5f);
  EXPECT_FLOAT_EQ(p.fade, 37 / 1000.0f + 0.009f);
  EXPECT_FLOAT_EQ(p.velocity[0], 42.0f);  // the velocity waits for the next launch
  EXPECT_TRUE(set.particles[1].active);
  EXPECT_FLOAT_EQ(set.particles[1].lifeLeft, 0.0f);
}

TEST(HitParticles, RelaunchKeepsFlyingOffsetsAndRestartsRecycledOnes) {
  HitParticleSet set = RecycledSet();
  float velocities[kHitParticlesPerSet][3];
  FillVelocities(velocities, 60.0f, 0.0f, 0.0f);
  const float firstHit[3] = {-3.0f, 0.6f, 0.0f};
  LaunchHitParticles(set, firstHit, velocities);
  for (int frame = 0; frame < 5; ++frame) {
    for (HitParticle& p : set.particles) MoveHitParticle(p, 1.0f);
  }
  // Particle 0 burns out (fade 0.009 lasts longest, so force it), particle 50 is still flying.
  set.particles[0].lifeLeft = -0.1f;
  const float flyingOffset = set.particles[50].offset[0];
  ASSERT_GT(flyingOffset, 0.0f);
  RecycleHitParticles(set, FakeRandom);

  const float secondHit[3] = {-1.0f, 0.6f, 0.0f};
  FillVelocities(velocities, -5.0f, 1.0f, 2.0f);
  LaunchHitParticles(set, secondHit, velocities);
  EXPECT_TRUE(set.particles[0].active);
  EXPECT_FLOAT_EQ(set.particles[0].offset[0], 0.0f);
  EXPECT_FLOAT_EQ(set.particles[50].offset[0], flyingOffset);
  EXPECT_FLOAT_EQ(set.particles[50].velocity[0], -5.0f + 50.0f);

  // Both draw at the new hit: the burst jumps with the latest hit.
  const HitParticleSprite restarted = PrepareHitParticle(set.particles[0], set.hitPosition, 0.0f);
  const HitParticleSprite flying = PrepareHitParticle(set.particles[50], set.hitPosition, 0.0f);
  EXPECT_FLOAT_EQ(restarted.centre[0], -1.0f);
  EXPECT_FLOAT_EQ(flying.centre[0], -1.0f + flyingOffset);
}

TEST(HitParticles, BurstsFlyTowardTheAttacker) {
  // Fighter one is struck from +x, fighter two from −x; the fight gives velocities of ±60 ± 50.
  HitParticleSet one = RecycledSet();
  HitParticleSet two = RecycledSet();
  float towardPlus[kHitParticlesPerSet][3];
  float towardMinus[kHitParticlesPerSet][3];
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    towardPlus[i][0] = static_cast<float>(i % 100 - 50 + 60);
    towardMinus[i][0] = static_cast<float>(i % 100 - 50 - 60);
    towardPlus[i][1] = towardMinus[i][1] = 0.0f;
    towardPlus[i][2] = towardMinus[i][2] = 0.0f;
  }
  const float hit[3] = {0.0f, 0.6f, 0.0f};
  LaunchHitParticles(one, hit, towardPlus);
  LaunchHitParticles(two, hit, towardMinus);
  for (int frame = 0; frame < 3; ++frame) {
    for (HitParticle& p : one.particles) MoveHitParticle(p, 1.67f);
    for (HitParticle& p : two.particles) MoveHitParticle(p, 1.67f);
  }
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    EXPECT_GT(one.particles[i].offset[0], 0.0f);
    EXPECT_LT(two.particles[i].offset[0], 0.0f);
  }
}

TEST(HitParticles, MotionOrderAndGravity) {
  HitParticle p{};
  p.velocity[0] = 30.0f;
  p.acceleration[1] = -3.5f;
  p.lifeLeft = 0.7f;
  p.fade = 0.1f;
  MoveHitParticle(p, 2.0f);
  // Offset uses the velocity before gravity is applied.
  EXPECT_FLOAT_EQ(p.offset[0], 30.0f / 3000.0f * 2.0f);
  EXPECT_FLOAT_EQ(p.offset[1], 0.0f);
  EXPECT_FLOAT_EQ(p.velocity[1], -7.0f);
  EXPECT_FLOAT_EQ(p.lifeLeft, 0.7f - 2.0f * 0.1f * 0.9f);
}

TEST(HitParticles, LiftFollowsTheAttackersKind) {
  EXPECT_FLOAT_EQ(HitParticleLift(1), 1.5f);
  EXPECT_FLOAT_EQ(HitParticleLift(2), 0.5f);
  EXPECT_FLOAT_EQ(HitParticleLift(3), 0.5f);
  EXPECT_FLOAT_EQ(HitParticleLift(15), 0.0f);

  // The same particle switches height at once when the attacker changes kind.
  HitParticle p{};
  p.halfSize = 0.1f;
  const float hit[3] = {1.0f, 1.0f, 0.0f};
  EXPECT_FLOAT_EQ(PrepareHitParticle(p, hit, HitParticleLift(1)).centre[1], 2.5f);
  EXPECT_FLOAT_EQ(PrepareHitParticle(p, hit, HitParticleLift(3)).centre[1], 1.5f);
}

TEST(HitParticles, SpritesGrowWithSidewaysFlightUpToOne) {
  HitParticle p{};
  p.halfSize = 0.1f;
  p.lifeLeft = 0.4f;
  const float hit[3] = {};
  p.offset[0] = -0.05f;
  EXPECT_FLOAT_EQ(PrepareHitParticle(p, hit, 0.0f).halfSize, 0.1f);
  p.offset[0] = -0.6f;
  const HitParticleSprite grown = PrepareHitParticle(p, hit, 0.0f);
  EXPECT_FLOAT_EQ(grown.halfSize, 0.6f);
  EXPECT_FLOAT_EQ(grown.alpha, 0.4f);
  p.offset[0] = 1.4f;
  EXPECT_FLOAT_EQ(PrepareHitParticle(p, hit, 0.0f).halfSize, 1.4f);  // grows past 1 once, then stops
  p.offset[0] = 2.0f;
  EXPECT_FLOAT_EQ(PrepareHitParticle(p, hit, 0.0f).halfSize, 1.4f);
}

TEST(Billboard, DiamondFacesTheViewer) {
  const double eye[3] = {1.0, 2.0, 10.0};
  const double centre[3] = {1.0, 2.0, 0.0};
  const BillboardQuad quad = MakeBillboard(eye, centre, 0.5, 0.5, 0.5);
  // D = (0, 0, 1): R = (−1, 0, 0), U = D × R = (0, −1, 0).
  EXPECT_DOUBLE_EQ(quad.corner[0].position[0], 0.5);
  EXPECT_DOUBLE_EQ(quad.corner[1].position[1], 2.5);
  EXPECT_DOUBLE_EQ(quad.corner[2].position[0], 1.5);
  EXPECT_DOUBLE_EQ(quad.corner[3].position[1], 1.5);
  for (const BillboardCorner& c : quad.corner) EXPECT_DOUBLE_EQ(c.position[2], 0.0);
  EXPECT_FLOAT_EQ(quad.corner[1].texCoord[0], 1.0f);
  EXPECT_FLOAT_EQ(quad.corner[2].texCoord[1], 1.0f);
  EXPECT_FLOAT_EQ(quad.corner[3].texCoord[0], 0.0f);
}

TEST(Billboard, ShrinksAsTheViewTiltsTowardVertical) {
  const double centre[3] = {0.0, 0.0, 0.0};
  const double level[3] = {0.0, 0.0, 5.0};
  const double steep[3] = {0.0, 5.0, 1.0};
  auto width = [&](const double eye[3]) {
    const BillboardQuad q = MakeBillboard(eye, centre, 1.0, 1.0, 1.0);
    return std::hypot(q.corner[0].position[0] - q.corner[2].position[0],
                      q.corner[0].position[2] - q.corner[2].position[2]);
  };
  EXPECT_NEAR(width(level), 2.0, 1e-12);
  EXPECT_LT(width(steep), 0.5);
  const BillboardQuad atEye = MakeBillboard(centre, centre, 1.0, 1.0, 1.0);
  for (const BillboardCorner& c : atEye.corner) EXPECT_TRUE(std::isfinite(c.position[0]));
}

}  // namespace
