#include <algorithm>
#include <cmath>

#include "fight/fight_fixture.h"

namespace {

// The fight's bodies in the real physics world, driven the way the frame drives them.
class BodyContractTest : public FightTest {
 protected:
  void SetUp() override {
    FightTest::SetUp();
    FightFrame.step = 1.67f;
    BeginFight(TwoPlayers, 0, 1);
    GoLive();
  }

  // `seconds` of FightUpdate at 60 frames per second with `keys` held.
  static void Hold(std::initializer_list<int> keys, float seconds) {
    std::memset(KeyState, 0, sizeof KeyState);
    for (int k : keys) KeyState[k] = 1;
    for (float t = 0.0f; t < seconds; t += 0.0167f) FightUpdate();
  }
};

TEST_F(BodyContractTest, FightersRestOnTheFloor) {
  Hold({}, 2.0f);
  RefreshBodyPositions();
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.y, -0.15f, 0.03f);
  EXPECT_NEAR(FighterStatuses[1].bodyPosition.y, -0.15f, 0.03f);
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.x, -3.0f, 0.01f);
  EXPECT_NEAR(MatchState.distance, 6.0f, 0.02f);
}

TEST_F(BodyContractTest, WalkingIntoEachOtherStopsThreeApart) {
  Hold({'B', VirtualKey::Left}, 3.0f);
  RefreshBodyPositions();
  EXPECT_NEAR(MatchState.distance, 3.0f, 0.05f);
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.x + FighterStatuses[1].bodyPosition.x, 0.0f, 0.1f);
  StartAttack(0, HandToHead);
  EXPECT_TRUE(FighterStatuses[1].hitPending);  // the head punch reaches
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.y, -0.15f, 0.05f);
}

TEST_F(BodyContractTest, WallStopsAFighterAtTenPointNineFive) {
  PlaceFighter(1, FightVector{-4.0f, -0.15f, 0.0f, 0.0f});
  PlaceFighter(0, FightVector{-8.0f, -0.15f, 0.0f, 0.0f});
  Hold({'V'}, 3.0f);
  RefreshBodyPositions();
  EXPECT_NEAR(FighterStatuses[0].bodyPosition.x, -10.95f, 0.05f);
}

TEST_F(BodyContractTest, KnockoutThrowsByNineteenAndTheWallDoesNotBounce) {
  PlaceFighter(0, FightVector{6.0f, -0.15f, 0.0f, 0.0f});
  PlaceFighter(1, FightVector{-6.0f, -0.15f, 0.0f, 0.0f});
  Hold({}, 1.0f);
  FighterStatuses[0].life = -1.0f;
  RunFighterClocks(0);
  DriveFighterBody(0);
  EXPECT_NEAR(Fighters[0].velocity.x, 19.0f, 0.05f);

  float leastX = 1e9f;
  float mostX = -1e9f;
  float reboundSpeed = 0.0f;
  bool reachedWall = false;
  for (int frame = 0; frame < 180; ++frame) {
    FightUpdate();
    const float x = Fighters[0].position.x;
    mostX = std::max(mostX, x);
    if (x > 10.9f) reachedWall = true;
    if (reachedWall) {
      leastX = std::min(leastX, x);
      reboundSpeed = std::min(reboundSpeed, Fighters[0].velocity.x);
    }
  }
  ASSERT_TRUE(reachedWall);
  EXPECT_LT(mostX, 11.0f);
  // Only the contact's push-out, a few hundredths, moves it back: an elastic rebound off the wall
  // (0.4 restitution) would leave at several units a second.
  EXPECT_GT(leastX, 10.85f);
  EXPECT_GT(reboundSpeed, -0.5f);
  EXPECT_NEAR(Fighters[0].position.x, 10.95f, 0.05f);
}

TEST_F(BodyContractTest, AttackAndHitImpulses) {
  Hold({}, 1.0f);
  PlaceFighter(1, FightVector{0.5f, -0.15f, 0.0f, 0.0f});  // 3.5 apart
  RefreshBodyPositions();
  DriveFighterBody(0);
  const float before = Fighters[0].velocity.x;
  StartAttack(0, HandToHead);
  DriveFighterBody(0);
  EXPECT_NEAR(Fighters[0].velocity.x - before, 3.0f, 1e-3f);

  DriveFighterBody(1);
  const float twoBefore = Fighters[1].velocity.x;
  FighterStatuses[0].attackTime = 0.2f;
  ResolvePendingHit(1);
  DriveFighterBody(1);
  EXPECT_NEAR(Fighters[1].velocity.x - twoBefore, 0.5f, 1e-3f);

  // Fighter two's attack pushes it toward fighter one; its hit pushes fighter one back.
  DriveFighterBody(1);
  const float twoAgain = Fighters[1].velocity.x;
  FighterStatuses[1] = FighterStatus{};
  StartAttack(1, HandToHead);
  DriveFighterBody(1);
  EXPECT_NEAR(Fighters[1].velocity.x - twoAgain, -3.0f, 1e-3f);
  DriveFighterBody(0);
  const float oneBefore = Fighters[0].velocity.x;
  FighterStatuses[1].attackTime = 0.2f;
  ResolvePendingHit(0);
  DriveFighterBody(0);
  EXPECT_NEAR(Fighters[0].velocity.x - oneBefore, -0.5f, 1e-3f);
}

TEST_F(BodyContractTest, DriveStartsStrongKeepsWeakAndBrakesAboveThree) {
  Hold({}, 1.0f);
  Fighters[0].walkVelocity = FightVector{10.5f, 3.0f, 0.0f, 0.0f};
  DriveFighterBody(0);
  EXPECT_FLOAT_EQ(Fighters[0].walkVelocity.y, 0.0f);
  EXPECT_FLOAT_EQ(Fighters[0].drive.x, 10.5f);

  Hold({'B'}, 0.3f);  // moving now
  ASSERT_GE(Fighters[0].speed, 1.5f);
  ASSERT_LE(std::fabs(Fighters[0].velocity.x), 3.0f);
  EXPECT_NEAR(Fighters[0].drive.x, 1.05f, 1e-5f);

  // The speed limit: a knock-back of 19 brakes with -2 × velocity instead of driving.
  FighterStatuses[1].life = -1.0f;
  RunFighterClocks(1);
  float fastest = 0.0f;
  for (int i = 0; i < 30; ++i) {
    FightUpdate();
    fastest = std::max(fastest, std::fabs(Fighters[1].velocity.x));
  }
  EXPECT_GT(fastest, 3.0f);
  EXPECT_LT(std::fabs(Fighters[1].velocity.x), 19.0f);
}

TEST_F(BodyContractTest, FootstepsFollowWalkingWhenSoundIsOn) {
  Hold({'B'}, 0.1f);
  EXPECT_EQ(hooks.Count("PlaySound FootstepsOne"), 1);
  Hold({}, 0.1f);
  EXPECT_EQ(hooks.Count("StopSound FootstepsOne"), 1);
  Settings.soundOn = false;
  Hold({VirtualKey::Left}, 0.1f);
  EXPECT_EQ(hooks.Count("PlaySound FootstepsTwo"), 0);
}

TEST_F(BodyContractTest, BodiesArePinnedToTheFightPlane) {
  PlaceFighter(0, FightVector{-3.0f, -0.15f, 1.5f, 0.0f});
  Hold({}, 0.1f);
  EXPECT_NEAR(Fighters[0].position.z, 0.0f, 1e-3f);
}

TEST_F(BodyContractTest, EndFightFreesTheWorld) {
  EndFight(ScreenFlow.gameState != GameState::Fight);
  EXPECT_EQ(Fighters[0].body, kNoPhysicsBody);
  FightUpdate();  // nothing to drive, nothing to step, no crash
  RefreshBodyPositions();
  EndFight(ScreenFlow.gameState != GameState::Fight);
}

}  // namespace
