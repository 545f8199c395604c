#include <gtest/gtest.h>

#include "app/fight_wiring.h"
#include "app/frame_clock.h"
#include "arena/arena.h"
#include "fight/fight.h"
#include "fight/fight_hooks.h"
#include "render/render.h"
#include "screens/subtitles.h"

namespace {

class FightWiring : public ::testing::Test {
 protected:
  void SetUp() override { InstallFightHooks(); }
  void TearDown() override { SetFightHooks(nullptr); }
};

TEST_F(FightWiring, LaunchReachesTheVictimsSetOnly) {
  DeactivateHitParticles();
  float velocities[kHitParticleCount][3];
  for (int i = 0; i < kHitParticleCount; ++i) {
    velocities[i][0] = static_cast<float>(i) - 110.0f;
    velocities[i][1] = 0.5f;
    velocities[i][2] = 3.0f;
  }
  Hooks().LaunchHitParticles(1, FightVector{2.7f, 2.2f, -0.2f, 0.0f}, velocities);
  EXPECT_FLOAT_EQ(HitParticleSets[1].hitPosition[0], 2.7f);
  EXPECT_FLOAT_EQ(HitParticleSets[1].hitPosition[2], -0.2f);
  for (int i = 0; i < kHitParticlesPerSet; ++i) {
    EXPECT_TRUE(HitParticleSets[1].particles[i].active);
    EXPECT_FLOAT_EQ(HitParticleSets[1].particles[i].velocity[0], velocities[i][0]);
    EXPECT_FALSE(HitParticleSets[0].particles[i].active);
  }
  Hooks().DeactivateHitParticles();
  EXPECT_FALSE(HitParticleSets[1].particles[0].active);
  EXPECT_LT(HitParticleSets[1].particles[0].lifeLeft, 0.0f);
}

TEST_F(FightWiring, BlockFlashesColdAtTheGuardWithoutSparks) {
  Hooks().DeactivateHitParticles();
  FighterStatuses[1].attackKind = HandToHead;
  Hooks().LaunchBlockFlash(0, FightVector{-1.7f, 0.45f, 0.0f, 0.0f});
  EXPECT_TRUE(ImpactFlashes[0].active);
  EXPECT_EQ(ImpactFlashes[0].kind, ImpactKind::Block);
  EXPECT_FLOAT_EQ(ImpactFlashes[0].position[0], -1.7f);
  const float guard = ImpactFlashes[0].position[1];
  EXPECT_GT(guard, 0.45f);
  EXPECT_LT(guard, 0.45f + HitParticleLift(HandToHead)) << "at the guard, under a head blow's sparks";
  FighterStatuses[1].attackKind = LegToBody;
  Hooks().LaunchBlockFlash(0, FightVector{-1.7f, 0.45f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(ImpactFlashes[0].position[1], guard) << "a kick is blocked at the same guard";
  EXPECT_FALSE(ImpactFlashes[1].active);
  for (int i = 0; i < kHitParticlesPerSet; ++i) EXPECT_FALSE(HitParticleSets[0].particles[i].active);
  Hooks().DeactivateHitParticles();
  EXPECT_FALSE(ImpactFlashes[0].active);
}

TEST_F(FightWiring, AStartedStoryMonologIsFollowedForItsSubtitles) {
  FrameClock.lastSeconds = 50.0f;
  Hooks().StartStoryMonolog(2);
  const SpokenMoment heard = StoryMonologMoment(52.0);
  EXPECT_EQ(heard.recording, "2.wav");
  EXPECT_DOUBLE_EQ(heard.seconds, 2.0);
  NoteStoryMonologStop();
}

TEST_F(FightWiring, ControllersSteerTheListenerAndTheViewDirection) {
  Hooks().SetListenerPosition(FightVector{-3.0f, 1.5f, 0.25f, 0.0f});
  Hooks().SetViewDirection(FightVector{1.0f, 0.0f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(ListenerPosition[0], -3.0f);
  EXPECT_FLOAT_EQ(ListenerPosition[1], 1.5f);
  EXPECT_FLOAT_EQ(ListenerPosition[2], 0.25f);
  EXPECT_FLOAT_EQ(ViewDirection.x, 1.0f);
  EXPECT_FLOAT_EQ(ViewDirection.z, 0.0f);
}

TEST_F(FightWiring, FightStartAndRoundResetReachTheCamera) {
  Camera = CameraState{};
  Hooks().SetCameraFightStart();
  EXPECT_FLOAT_EQ(Camera.look[0], 1.0f);
  EXPECT_FLOAT_EQ(Camera.look[1], -2.0f);
  EXPECT_FLOAT_EQ(Camera.height, 5.0f);
  Camera.swayClock = -5.0f;
  Camera.swayAngle = 2.0f;
  Hooks().ResetCameraSway();
  EXPECT_FLOAT_EQ(Camera.swayClock, 0.0f);
  EXPECT_FLOAT_EQ(Camera.swayAngle, 0.0f);
  EXPECT_FLOAT_EQ(Camera.swayDirection[2], -1.0f);
}

}  // namespace
