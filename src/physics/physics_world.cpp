#include "physics/physics.h"

#include <btBulletDynamicsCommon.h>

#include <map>
#include <vector>

namespace {

btVector3 ToBullet(PhysicsVector v) { return btVector3(v.x, v.y, v.z); }
PhysicsVector FromBullet(const btVector3& v) {
  return PhysicsVector{static_cast<float>(v.x()), static_cast<float>(v.y()), static_cast<float>(v.z())};
}

struct Material {
  float friction = kDefaultFriction;
  float restitution = kDefaultRestitution;
};

// The fight's world holds two spheres and three boxes: a handful of contacts, so small pools keep a
// new world cheap (the default pools of several megabytes dominate building one).
btDefaultCollisionConstructionInfo SmallPools() {
  btDefaultCollisionConstructionInfo info;
  info.m_defaultMaxPersistentManifoldPoolSize = 32;
  info.m_defaultMaxCollisionAlgorithmPoolSize = 32;
  return info;
}

}  // namespace

struct PhysicsWorld::Engine {
  btDefaultCollisionConfiguration configuration{SmallPools()};
  btCollisionDispatcher dispatcher{&configuration};
  btDbvtBroadphase broadphase;
  btSequentialImpulseConstraintSolver solver;
  btDiscreteDynamicsWorld world{&dispatcher, &broadphase, &solver, &configuration};

  std::map<int, Material> materials;
  std::vector<std::unique_ptr<btCollisionShape>> shapes;
  std::vector<std::unique_ptr<btDefaultMotionState>> motionStates;
  std::vector<std::unique_ptr<btRigidBody>> fixedBodies;
  std::vector<std::unique_ptr<btRigidBody>> movableBodies;
  std::vector<btVector3> forces;  // one standing force per movable body

  Material MaterialOf(int number) const {
    auto it = materials.find(number);
    return it == materials.end() ? Material{} : it->second;
  }

  btRigidBody* Movable(PhysicsBody body) const {
    if (body < 0 || body >= static_cast<int>(movableBodies.size())) return nullptr;
    return movableBodies[static_cast<std::size_t>(body)].get();
  }

  ~Engine() {
    for (auto& body : movableBodies) world.removeRigidBody(body.get());
    for (auto& body : fixedBodies) world.removeRigidBody(body.get());
  }
};

PhysicsWorld::PhysicsWorld(PhysicsVector gravity) : engine_(std::make_unique<Engine>()) {
  // Bodies take the world's gravity when added; a gravity set on a body before that is lost.
  engine_->world.setGravity(ToBullet(gravity));
}

PhysicsWorld::~PhysicsWorld() = default;

void PhysicsWorld::SetMaterial(int number, float friction, float restitution) {
  engine_->materials[number] = Material{friction, restitution};
}

PhysicsBody PhysicsWorld::AddSphereBody(PhysicsVector centre, float radius, float mass, int material) {
  Engine& e = *engine_;
  e.shapes.push_back(std::make_unique<btSphereShape>(radius));
  btTransform start;
  start.setIdentity();
  start.setOrigin(ToBullet(centre));
  e.motionStates.push_back(std::make_unique<btDefaultMotionState>(start));
  // The fight never sets an inertia: unit inertia.
  btRigidBody::btRigidBodyConstructionInfo info(mass, e.motionStates.back().get(), e.shapes.back().get(),
                                                btVector3(1, 1, 1));
  const Material m = e.MaterialOf(material);
  info.m_friction = m.friction;
  info.m_restitution = m.restitution;
  auto body = std::make_unique<btRigidBody>(info);
  // A sleeping body ignores impulses: the fighters stay awake.
  body->setActivationState(DISABLE_DEACTIVATION);
  e.world.addRigidBody(body.get());
  e.movableBodies.push_back(std::move(body));
  e.forces.emplace_back(0, 0, 0);
  return static_cast<PhysicsBody>(e.movableBodies.size() - 1);
}

void PhysicsWorld::AddFixedBox(PhysicsVector centre, PhysicsVector size, int material) {
  Engine& e = *engine_;
  e.shapes.push_back(std::make_unique<btBoxShape>(btVector3(size.x * 0.5f, size.y * 0.5f, size.z * 0.5f)));
  btTransform place;
  place.setIdentity();
  place.setOrigin(ToBullet(centre));
  e.motionStates.push_back(std::make_unique<btDefaultMotionState>(place));
  btRigidBody::btRigidBodyConstructionInfo info(0, e.motionStates.back().get(), e.shapes.back().get());
  const Material m = e.MaterialOf(material);
  info.m_friction = m.friction;
  info.m_restitution = m.restitution;
  auto body = std::make_unique<btRigidBody>(info);
  e.world.addRigidBody(body.get());
  e.fixedBodies.push_back(std::move(body));
}

void PhysicsWorld::SetPosition(PhysicsBody body, PhysicsVector position) {
  btRigidBody* b = engine_->Movable(body);
  if (!b) return;
  btTransform t = b->getWorldTransform();
  t.setOrigin(ToBullet(position));
  b->setWorldTransform(t);
  b->setInterpolationWorldTransform(t);
  b->getMotionState()->setWorldTransform(t);
}

PhysicsVector PhysicsWorld::Position(PhysicsBody body) const {
  const btRigidBody* b = engine_->Movable(body);
  return b ? FromBullet(b->getWorldTransform().getOrigin()) : PhysicsVector{};
}

PhysicsVector PhysicsWorld::LinearVelocity(PhysicsBody body) const {
  const btRigidBody* b = engine_->Movable(body);
  return b ? FromBullet(b->getLinearVelocity()) : PhysicsVector{};
}

void PhysicsWorld::SetAngularVelocity(PhysicsBody body, PhysicsVector velocity) {
  if (btRigidBody* b = engine_->Movable(body)) b->setAngularVelocity(ToBullet(velocity));
}

void PhysicsWorld::SetForce(PhysicsBody body, PhysicsVector force) {
  if (engine_->Movable(body)) engine_->forces[static_cast<std::size_t>(body)] = ToBullet(force);
}

void PhysicsWorld::ApplyImpulse(PhysicsBody body, PhysicsVector impulse) {
  if (btRigidBody* b = engine_->Movable(body)) b->applyCentralImpulse(ToBullet(impulse));
}

PhysicsBodyState PhysicsWorld::BodyState(PhysicsBody body) const {
  PhysicsBodyState state;
  const btRigidBody* b = engine_->Movable(body);
  if (!b) return state;
  const btTransform& t = b->getWorldTransform();
  state.position = FromBullet(t.getOrigin());
  const btQuaternion q = t.getRotation();
  state.orientation[0] = static_cast<float>(q.x());
  state.orientation[1] = static_cast<float>(q.y());
  state.orientation[2] = static_cast<float>(q.z());
  state.orientation[3] = static_cast<float>(q.w());
  state.linearVelocity = FromBullet(b->getLinearVelocity());
  state.angularVelocity = FromBullet(b->getAngularVelocity());
  return state;
}

void PhysicsWorld::SetBodyState(PhysicsBody body, const PhysicsBodyState& state) {
  btRigidBody* b = engine_->Movable(body);
  if (!b) return;
  btTransform t;
  t.setOrigin(ToBullet(state.position));
  t.setRotation(btQuaternion(state.orientation[0], state.orientation[1], state.orientation[2], state.orientation[3]));
  b->setWorldTransform(t);
  b->setInterpolationWorldTransform(t);
  b->getMotionState()->setWorldTransform(t);
  b->setLinearVelocity(ToBullet(state.linearVelocity));
  b->setAngularVelocity(ToBullet(state.angularVelocity));
  b->setInterpolationLinearVelocity(ToBullet(state.linearVelocity));
  b->setInterpolationAngularVelocity(ToBullet(state.angularVelocity));
}

void PhysicsWorld::Step(float duration, int substeps) {
  if (duration <= 0.0f || substeps <= 0) return;
  Engine& e = *engine_;
  const btScalar substep = duration / static_cast<btScalar>(substeps);
  for (int i = 0; i < substeps; ++i) {
    // Bullet clears forces after every step: the standing force is handed over again each substep.
    for (std::size_t b = 0; b < e.movableBodies.size(); ++b) e.movableBodies[b]->applyCentralForce(e.forces[b]);
    e.world.stepSimulation(substep, 0);
  }
}

int PhysicsWorld::BodyCount() const { return static_cast<int>(engine_->movableBodies.size()); }
