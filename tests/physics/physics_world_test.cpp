#include <gtest/gtest.h>

#include <algorithm>

#include "physics/physics.h"

namespace {

TEST(PhysicsWorldTest, StandingForceActsAtEverySubstepUntilReplaced) {
  PhysicsWorld world({0.0f, 0.0f, 0.0f});
  const PhysicsBody ball = world.AddSphereBody({0, 0, 0}, 1.5f, 1.0f, 0);
  world.SetForce(ball, {2.0f, 0.0f, 0.0f});
  world.Step(1.0f, 10);
  EXPECT_NEAR(world.LinearVelocity(ball).x, 2.0f, 1e-4f);
  world.Step(0.5f, 5);  // the same force, not given again
  EXPECT_NEAR(world.LinearVelocity(ball).x, 3.0f, 1e-4f);
  world.SetForce(ball, {0.0f, 0.0f, 0.0f});
  world.Step(0.5f, 5);
  EXPECT_NEAR(world.LinearVelocity(ball).x, 3.0f, 1e-4f);
}

TEST(PhysicsWorldTest, StepsInEqualSubsteps) {
  // Semi-implicit steps of h under acceleration a cover a·h²·n(n+1)/2 in n steps.
  for (int n : {1, 3, 6}) {
    PhysicsWorld world({0.0f, 0.0f, 0.0f});
    const PhysicsBody ball = world.AddSphereBody({0, 0, 0}, 1.0f, 1.0f, 0);
    world.SetForce(ball, {4.0f, 0.0f, 0.0f});
    world.Step(0.6f, n);
    const float h = 0.6f / static_cast<float>(n);
    EXPECT_NEAR(world.Position(ball).x, 4.0f * h * h * static_cast<float>(n * (n + 1)) / 2.0f, 1e-4f) << n;
  }
}

TEST(PhysicsWorldTest, ImpulseChangesVelocityAtOnceByImpulseOverMass) {
  PhysicsWorld world({0.0f, 0.0f, 0.0f});
  const PhysicsBody light = world.AddSphereBody({0, 0, 0}, 1.0f, 1.0f, 0);
  const PhysicsBody heavy = world.AddSphereBody({10, 0, 0}, 1.0f, 2.0f, 0);
  world.ApplyImpulse(light, {3.0f, 0.0f, 0.0f});
  world.ApplyImpulse(heavy, {-3.0f, 1.0f, 0.0f});
  EXPECT_FLOAT_EQ(world.LinearVelocity(light).x, 3.0f);
  EXPECT_FLOAT_EQ(world.LinearVelocity(heavy).x, -1.5f);
  EXPECT_FLOAT_EQ(world.LinearVelocity(heavy).y, 0.5f);
  world.ApplyImpulse(light, {-1.0f, 0.0f, 0.0f});
  EXPECT_FLOAT_EQ(world.LinearVelocity(light).x, 2.0f);
}

TEST(PhysicsWorldTest, WorldGravityActsOnEveryBody) {
  PhysicsWorld world({0.0f, -9.0f, 0.0f});
  const PhysicsBody ball = world.AddSphereBody({0, 50, 0}, 1.5f, 1.0f, 8);
  world.Step(1.0f, 100);
  EXPECT_NEAR(world.LinearVelocity(ball).y, -9.0f, 1e-3f);
}

TEST(PhysicsWorldTest, SetPositionMovesAtOnceAndKeepsVelocity) {
  PhysicsWorld world({0.0f, 0.0f, 0.0f});
  const PhysicsBody ball = world.AddSphereBody({0, 0, 0}, 1.0f, 1.0f, 0);
  world.ApplyImpulse(ball, {1.0f, 0.0f, 0.0f});
  world.SetPosition(ball, {5.0f, 2.0f, -1.0f});
  EXPECT_FLOAT_EQ(world.Position(ball).x, 5.0f);
  EXPECT_FLOAT_EQ(world.Position(ball).z, -1.0f);
  EXPECT_FLOAT_EQ(world.LinearVelocity(ball).x, 1.0f);
  world.Step(0.1f, 1);
  EXPECT_NEAR(world.Position(ball).x, 5.1f, 1e-5f);
}

TEST(PhysicsWorldTest, ABodyLeftAloneStaysAwakeForImpulses) {
  PhysicsWorld world({0.0f, -9.0f, 0.0f});
  world.AddFixedBox({0, -2.7f, 0}, {350, 2.1f, 350}, 0);
  const PhysicsBody ball = world.AddSphereBody({0, -0.15f, 0}, 1.5f, 1.0f, 8);
  for (int i = 0; i < 300; ++i) world.Step(0.05f, 6);  // long enough to fall asleep
  world.ApplyImpulse(ball, {0.0f, 0.0f, 2.0f});
  world.Step(0.01f, 1);
  EXPECT_GT(world.LinearVelocity(ball).z, 1.0f);
}

TEST(PhysicsWorldTest, FixedBoxesStayAndStopSpheres) {
  PhysicsWorld world({0.0f, -9.0f, 0.0f});
  world.SetMaterial(8, 0.99f, 0.001f);
  world.AddFixedBox({0, -2.7f, 0}, {350, 2.1f, 350}, 0);
  const PhysicsBody ball = world.AddSphereBody({0, 3.0f, 0}, 1.5f, 1.0f, 8);
  float highestAfterContact = -100.0f;
  bool touched = false;
  for (int i = 0; i < 400; ++i) {
    world.Step(0.047f, 6);
    const float y = world.Position(ball).y;
    if (y < -0.1f) touched = true;
    if (touched) highestAfterContact = std::max(highestAfterContact, y);
  }
  // No bounce: restitution is the product of both materials (0.001 × 0.4).
  EXPECT_LT(highestAfterContact, -0.1f);
  EXPECT_NEAR(world.Position(ball).y, -0.15f, 0.03f);
}

TEST(PhysicsWorldTest, AngularVelocityIsSetAndFrictionTurnsItIntoRolling) {
  PhysicsWorld world({0.0f, -9.0f, 0.0f});
  world.SetMaterial(8, 0.99f, 0.001f);
  world.AddFixedBox({0, -2.7f, 0}, {350, 2.1f, 350}, 0);
  const PhysicsBody spun = world.AddSphereBody({-20, -0.15f, 0}, 1.5f, 1.0f, 8);
  const PhysicsBody still = world.AddSphereBody({20, -0.15f, 0}, 1.5f, 1.0f, 8);
  for (int i = 0; i < 20; ++i) world.Step(0.047f, 6);
  world.SetAngularVelocity(spun, {0.0f, 0.0f, -4.0f});
  world.SetAngularVelocity(still, {0.0f, 0.0f, 0.0f});
  for (int i = 0; i < 20; ++i) world.Step(0.047f, 6);
  EXPECT_GT(world.Position(spun).x, -19.5f);  // a clockwise spin rolls it toward +x
  EXPECT_NEAR(world.Position(still).x, 20.0f, 1e-3f);
}

TEST(PhysicsWorldTest, UnknownBodiesAreIgnored) {
  PhysicsWorld world({0.0f, 0.0f, 0.0f});
  world.SetForce(kNoPhysicsBody, {1, 1, 1});
  world.ApplyImpulse(3, {1, 1, 1});
  world.SetPosition(-7, {1, 1, 1});
  EXPECT_FLOAT_EQ(world.Position(5).x, 0.0f);
  EXPECT_EQ(world.BodyCount(), 0);
  world.Step(0.0f, 4);
  world.Step(1.0f, 0);
}

}  // namespace
