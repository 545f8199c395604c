#include <cmath>
#include <memory>

#include "app/settings.h"
#include "fight/fight_internal.h"
#include "physics/physics.h"

namespace {

constexpr int kFighterMaterial = 8;
constexpr int kDefaultMaterial = 0;
constexpr float kFighterRadius = 1.5f;
constexpr float kFighterMass = 1.0f;

std::unique_ptr<PhysicsWorld> world;

PhysicsVector ToPhysics(const FightVector& v) { return PhysicsVector{v.x, v.y, v.z}; }
FightVector FromPhysics(const PhysicsVector& v) { return FightVector{v.x, v.y, v.z, 0.0f}; }

void SetUpFighter(int fighter, const FightVector& start) {
  Fighter& f = Fighters[fighter];
  f.bodyState = PhysicsBodyState{};
  f.bodyState.position = ToPhysics(start);
  f.position = start;
  f.viewDir = FightVector{1.0f, 0.0f, 0.0f, 0.0f};
  StandAllModels();
}

// A world holds contact caches that steer its next step. Building it anew from the bodies'
// states at every frame makes each frame depend on the fight records alone, so a restored state
// runs on exactly as the original did.
void BuildWorldFromBodyStates() {
  world = std::make_unique<PhysicsWorld>(PhysicsVector{0.0f, -9.0f, 0.0f});
  world->SetMaterial(kFighterMaterial, 0.99f, 0.001f);
  // The floor's top is at y = -1.65 and the walls' inner faces at x = ±12.45.
  world->AddFixedBox({0.0f, -2.7f, 0.0f}, {350.0f, 2.1f, 350.0f}, kDefaultMaterial);
  world->AddFixedBox({13.5f, 0.0f, 0.0f}, {2.1f, 300.0f, 350.0f}, kDefaultMaterial);
  world->AddFixedBox({-13.5f, 0.0f, 0.0f}, {2.1f, 300.0f, 350.0f}, kDefaultMaterial);
  for (Fighter& f : Fighters) {
    f.body = world->AddSphereBody(f.bodyState.position, kFighterRadius, kFighterMass, kFighterMaterial);
    world->SetBodyState(f.body, f.bodyState);
  }
}

void CaptureBodyStates() {
  for (Fighter& f : Fighters) f.bodyState = world->BodyState(f.body);
}

}  // namespace

PhysicsWorld* FightWorld() { return world.get(); }

void BuildFightWorld() {
  SetUpFighter(0, Fighters[0].position);
  SetUpFighter(1, FightVector{3.0f, 0.0f, 0.0f, 0.0f});
  BuildWorldFromBodyStates();
}

void RenewFightWorld() {
  if (world) BuildWorldFromBodyStates();
}

void BuildFightWorldFromBodies() { BuildWorldFromBodyStates(); }

void DestroyFightWorld() {
  world.reset();
  Fighters[0].body = kNoPhysicsBody;
  Fighters[1].body = kNoPhysicsBody;
}

void PushFighter(int fighter, float impulseX) {
  if (!world) return;
  Fighter& f = Fighters[fighter];
  world->ApplyImpulse(f.body, PhysicsVector{impulseX, 0.0f, 0.0f});
  f.bodyState = world->BodyState(f.body);
}

void RefreshBodyPositions() {
  if (!world) return;
  for (int i = 0; i < 2; ++i) FighterStatuses[i].bodyPosition = FromPhysics(world->Position(Fighters[i].body));
  const float dx = FighterStatuses[0].bodyPosition.x - FighterStatuses[1].bodyPosition.x;
  const float dz = FighterStatuses[0].bodyPosition.z - FighterStatuses[1].bodyPosition.z;
  MatchState.distance = std::sqrt(dx * dx + dz * dz);
}

void BeginControllerFrame(int fighter) {
  RefreshBodyPositions();
  Hooks().SetListenerPosition(Fighters[fighter].position);
  Hooks().SetViewDirection(Fighters[fighter].viewDir);
}

void PlaceFighter(int fighter, const FightVector& position) {
  Fighter& f = Fighters[fighter];
  if (world) {
    world->SetPosition(f.body, ToPhysics(position));
    f.bodyState = world->BodyState(f.body);
  }
  f.position = position;
  StandAllModels();
}

void DriveFighterBody(int fighter) {
  if (!world) return;
  Fighter& f = Fighters[fighter];
  f.position = FromPhysics(world->Position(f.body));
  world->SetAngularVelocity(f.body, PhysicsVector{});
  f.bodyState = world->BodyState(f.body);
  f.velocity = FromPhysics(world->LinearVelocity(f.body));
  f.speed = std::sqrt(f.velocity.x * f.velocity.x + f.velocity.y * f.velocity.y + f.velocity.z * f.velocity.z);
  f.walkVelocity.y = 0.0f;

  // A strong push to start walking, a tenth of it to keep going once the body moves.
  const float share = (f.speed * 1000.0f < 1500.0f) ? 1.0f : 0.1f;
  f.drive = FightVector{f.walkVelocity.x * share, f.walkVelocity.y * share, f.walkVelocity.z * share,
                        f.walkVelocity.w * share};
  world->SetForce(f.body, ToPhysics(f.drive));

  const FightSound steps = fighter == 0 ? FightSound::FootstepsOne : FightSound::FootstepsTwo;
  const bool playing = Hooks().IsSoundPlaying(steps);
  if (Settings.soundOn && f.walking && !playing) Hooks().PlaySound(steps);
  if (Settings.soundOn && !f.walking && playing) Hooks().StopSound(steps);

  // Speed limit: faster than 3 along the floor brakes instead of driving.
  if (std::sqrt(f.velocity.x * f.velocity.x + f.velocity.z * f.velocity.z) > 3.0f) {
    f.velocity.y = 0.0f;
    world->SetForce(f.body, PhysicsVector{-2.0f * f.velocity.x, 0.0f, -2.0f * f.velocity.z});
  }
}

void StepFightWorld() {
  if (!world) return;
  // Pin both bodies to the fight plane.
  for (const Fighter& f : Fighters) {
    PhysicsVector p = world->Position(f.body);
    p.z = 0.0f;
    world->SetPosition(f.body, p);
  }
  const float step = FightFrame.step;
  world->Step(0.028f * step, static_cast<int>(2.0f * step) + 3);
  CaptureBodyStates();
}
