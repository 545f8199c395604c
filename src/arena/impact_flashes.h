#pragma once

// The flash at the point of impact that makes a blow read at fight distance, apart from the
// sparks: a warm burst for a landed hit, a small cold flash for a blocked one, a large white burst
// for the knock-out. One flash per fighter (the one struck); a new one replaces it. GL-free;
// DrawImpactFlashes (arena.h) draws them.

enum class ImpactKind { Hit, Block, Knockout };

struct ImpactFlash {
  bool active;
  ImpactKind kind;
  float position[3];
  float age;  // seconds since the launch
};

// Index 0 flashes on fighter one, 1 on fighter two. All zero at program start; every StartFight
// clears them (ClearImpactFlashes, with the particles).
extern ImpactFlash ImpactFlashes[2];

void ClearImpactFlashes();
void LaunchImpactFlash(int victim, ImpactKind kind, const float position[3]);
// Ages both flashes by `seconds`; a flash past its duration goes out.
void AgeImpactFlashes(float seconds);

// How long a flash of a kind lasts, in seconds.
float ImpactFlashDuration(ImpactKind kind);

// What a flash looks like at its age: half-size of its camera-facing sprite and colour with alpha,
// both drawn added to the picture.
struct ImpactFlashLook {
  float halfSize;
  float colour[4];
};
ImpactFlashLook LookOfImpactFlash(const ImpactFlash& flash);

// True once when the knock-out begins: `seen` remembers the knock-out already flashed.
bool KnockoutBegins(bool knockoutActive, bool& seen);
