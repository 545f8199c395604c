#pragma once

#include "common/canvas.h"

// The places of the career, painted at any size: 1 prison cell, 2 prison yard, 3 gas station,
// 4 park, 5 crosswalk, 6 bus stop, 7 poolroom, 8 the title ring. They back the arena pictures of
// the versus screens and the story pictures.
enum class PlaceMood {
  Calm,   // the arena as the versus screen shows it
  Alarm,  // red alarm light, smoke: trouble
  Dawn,   // colder, paler light: after the fight
};

void PaintPlace(Canvas& canvas, int place, PlaceMood mood);

// Where figures stand in a place: the floor line as a fraction of the height.
float FloorLine(int place);
