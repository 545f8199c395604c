#pragma once

#include <cstdint>

#include "common/canvas.h"

// The one look of every picture: night-dark grounds, warm sodium and tungsten light, blood-red
// and gold accents, heavy condensed capitals, a little film grain.
namespace palette {
const Rgba kNight = Hex(0x0a0909);
const Rgba kSoot = Hex(0x181413);
const Rgba kAsh = Hex(0x2b2523);
const Rgba kBrick = Hex(0x5a2a1c);
const Rgba kConcrete = Hex(0x4a4643);
const Rgba kAmber = Hex(0xffa640);
const Rgba kEmber = Hex(0xff5a1a);
const Rgba kBlood = Hex(0xb0141c);
const Rgba kGold = Hex(0xf5c24a);
const Rgba kBone = Hex(0xf4e7d0);
const Rgba kSteel = Hex(0x7b8590);
const Rgba kMoon = Hex(0x8fb0d8);
const Rgba kFelt = Hex(0x0f5a34);
}  // namespace palette

// Grain and vignette that every full picture ends with.
void FinishPicture(Canvas& canvas, std::uint32_t seed, float grain = 0.02f,
                   float vignette = 0.5f);

// A brick wall over the rectangle: rows of bricks of the given height with mortar joints, each
// brick a little different, lit by nothing (add light afterwards with Glow in Multiply/Add).
void PaintBrickWall(Canvas& canvas, float x0, float y0, float x1, float y1, float brickHeight,
                    Rgba brick, Rgba mortar, std::uint32_t seed);
// Stained concrete or asphalt: noise in the base colour.
void PaintConcrete(Canvas& canvas, float x0, float y0, float x1, float y1, Rgba base,
                   float scale, std::uint32_t seed);
// Darkens everything by the light falling off from a point: a cheap way to make one lamp the only
// light of a scene (ambient stays as the floor of the light).
void LightFrom(Canvas& canvas, Point lamp, float radius, float ambient, Rgba tint);

// A warm metal plate with a bevel: buttons, arrows, frames.
void PaintPlate(Canvas& canvas, float x0, float y0, float x1, float y1, float radius,
                Rgba top, Rgba bottom, Rgba rim);
