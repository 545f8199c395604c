#pragma once

#include "common/canvas.h"

// Silhouettes of the game's people for the story and menu pictures: dark shapes with a rim of
// light on the side the light comes from, so they read against dark scenes.

enum class Pose { Guard, Standing, ArmsCrossed, Punch, Victory };
enum class Headwear { None, Cap, BrimHat, Helmet, LongHair };

struct FigureLook {
  float bulk = 1;            // 1 = the Boxer; 1.35 = the Kingpin
  bool gloves = true;
  bool coat = false;         // long coat to the knees
  bool skirt = false;
  Headwear head = Headwear::None;
  Pose pose = Pose::Guard;
};

// The looks of the Boxer and of the seven career opponents (roster index 0 to 7).
FigureLook CharacterLook(int rosterIndex);

// Draws a figure standing with its feet at `feet`, `height` pixels tall, facing right if facing
// is +1 and left if -1. The rim is drawn offset toward rimSide (-1 left, +1 right) in rimColour.
void DrawFigure(Canvas& canvas, Point feet, float height, float facing, const FigureLook& look,
                Rgba body, Rgba rimColour, float rimSide);
