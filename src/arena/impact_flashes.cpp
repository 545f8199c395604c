#include "arena/impact_flashes.h"

#include <algorithm>

ImpactFlash ImpactFlashes[2] = {};

namespace {

struct KindLook {
  float duration;
  float startHalfSize, endHalfSize;
  float colour[3];
};

// A hit bursts warm and grows; a block flashes cold and small, and barely grows; a knock-out is
// white, large and slow.
KindLook LookOfKind(ImpactKind kind) {
  switch (kind) {
    case ImpactKind::Hit: return {0.2f, 0.5f, 1.4f, {1.0f, 0.82f, 0.5f}};
    case ImpactKind::Block: return {0.14f, 0.5f, 0.6f, {0.55f, 0.75f, 1.0f}};
    case ImpactKind::Knockout: return {0.55f, 0.8f, 3.0f, {1.0f, 0.96f, 0.9f}};
  }
  return {0.0f, 0.0f, 0.0f, {0.0f, 0.0f, 0.0f}};
}

}  // namespace

void ClearImpactFlashes() {
  for (ImpactFlash& flash : ImpactFlashes) flash = ImpactFlash{};
}

void LaunchImpactFlash(int victim, ImpactKind kind, const float position[3]) {
  if (victim < 0 || victim > 1) return;
  ImpactFlash& flash = ImpactFlashes[victim];
  flash.active = true;
  flash.kind = kind;
  flash.age = 0.0f;
  for (int axis = 0; axis < 3; ++axis) flash.position[axis] = position[axis];
}

void AgeImpactFlashes(float seconds) {
  for (ImpactFlash& flash : ImpactFlashes) {
    if (!flash.active) continue;
    flash.age += seconds;
    if (flash.age >= ImpactFlashDuration(flash.kind)) flash.active = false;
  }
}

float ImpactFlashDuration(ImpactKind kind) { return LookOfKind(kind).duration; }

ImpactFlashLook LookOfImpactFlash(const ImpactFlash& flash) {
  const KindLook kind = LookOfKind(flash.kind);
  const float t = std::clamp(flash.age / kind.duration, 0.0f, 1.0f);
  // Fast out, then a soft tail: the flash is brightest in its first frames.
  const float grow = 1.0f - (1.0f - t) * (1.0f - t);
  ImpactFlashLook look{};
  look.halfSize = kind.startHalfSize + (kind.endHalfSize - kind.startHalfSize) * grow;
  for (int c = 0; c < 3; ++c) look.colour[c] = kind.colour[c];
  look.colour[3] = flash.active ? (1.0f - t) * (1.0f - t) : 0.0f;
  return look;
}

bool KnockoutBegins(bool knockoutActive, bool& seen) {
  const bool begins = knockoutActive && !seen;
  seen = knockoutActive;
  return begins;
}
