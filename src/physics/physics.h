#pragma once

#include <memory>

// A small rigid-body world over Bullet with exactly what the fight asks of it: movable spheres,
// fixed boxes, numbered materials, positions, velocities, a standing force, impulses and a
// substepped step. The fight sees no Bullet type.

struct PhysicsVector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
};

// Everything of a movable body that the next step depends on.
struct PhysicsBodyState {
  PhysicsVector position;
  float orientation[4] = {0.0f, 0.0f, 0.0f, 1.0f};  // quaternion x, y, z, w
  PhysicsVector linearVelocity;
  PhysicsVector angularVelocity;
};

using PhysicsBody = int;  // index of a movable body in its world
constexpr PhysicsBody kNoPhysicsBody = -1;

// Materials not set explicitly have the engine's defaults.
constexpr float kDefaultFriction = 0.5f;
constexpr float kDefaultRestitution = 0.4f;

class PhysicsWorld {
 public:
  explicit PhysicsWorld(PhysicsVector gravity);
  ~PhysicsWorld();  // frees every body
  PhysicsWorld(const PhysicsWorld&) = delete;
  PhysicsWorld& operator=(const PhysicsWorld&) = delete;

  // Friction and restitution of material `number` for geometries added afterwards. Where two
  // geometries touch, each value is the product of both materials' values.
  void SetMaterial(int number, float friction, float restitution);

  // A movable body with one sphere; unit inertia, never put to sleep.
  PhysicsBody AddSphereBody(PhysicsVector centre, float radius, float mass, int material);
  // A fixed box of full size `size` centred at `centre`.
  void AddFixedBox(PhysicsVector centre, PhysicsVector size, int material);

  void SetPosition(PhysicsBody body, PhysicsVector position);  // moves it there at once, velocity kept
  PhysicsVector Position(PhysicsBody body) const;
  PhysicsVector LinearVelocity(PhysicsBody body) const;
  void SetAngularVelocity(PhysicsBody body, PhysicsVector velocity);
  // A force that acts at every substep until the next call replaces it.
  void SetForce(PhysicsBody body, PhysicsVector force);
  // Changes the velocity at once by impulse ÷ mass.
  void ApplyImpulse(PhysicsBody body, PhysicsVector impulse);

  PhysicsBodyState BodyState(PhysicsBody body) const;
  // Puts the body in that state; its standing force is kept.
  void SetBodyState(PhysicsBody body, const PhysicsBodyState& state);

  // Advances the world by `duration` in `substeps` equal substeps (none when either is not positive).
  void Step(float duration, int substeps);

  int BodyCount() const;

 private:
  struct Engine;
  std::unique_ptr<Engine> engine_;
};
