#pragma once

// The four-float vector of the fight records (x, y, z, w); w is carried along and never used.
struct FightVector {
  float x = 0.0f;
  float y = 0.0f;
  float z = 0.0f;
  float w = 0.0f;
};
