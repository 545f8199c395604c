#pragma once

// Offsets in menu units added to one coordinate of a screen element, so that every screen's
// elements slide into place after a screen change. Re-randomised by every screen change.
struct SlideOffsetSet {
  float fromRight[10] = {};  // added to x: enters from the right (700 to 2499 at the start)
  float fromLeft[10] = {};   // added to x: enters from the left (-2500 to -701)
  float fall[10] = {};       // added to y: drops in from above (500 to 2299)
  float rise[10] = {};       // added to y: rises in from below (-2300 to -501)
};

extern SlideOffsetSet SlideOffsets;

// Seeds the C generator with the given seed and fills the four arrays in order. The game seeds with
// the time in seconds, so a screen entered twice within one second slides in the same way.
void RandomizeSlideOffsetsWithSeed(unsigned seed);

// Glides every element toward 0: 7 % of the remaining distance per step unit, at least 0.05.
void EaseSlideOffsets(float step);
