#pragma once

#include <vector>

// Wordless cries (pain grunts, knock-out cries) from a small formant voice of our own: a glottal
// pulse train with jitter and breath, shaped by vowel resonances that glide over time.
struct CryShape {
  double seconds;
  double pitchStart, pitchEnd;   // Hz, glided exponentially
  char vowelStart, vowelEnd;     // 'a', 'o', 'u' (as in "up"), 'e'
  double formantScale;           // 1 for a man, about 1.18 for a woman
  double attack;                 // seconds
  double breath;                 // aspiration noise, 0..1
  double strain;                 // subharmonic roughness, 0..1
  unsigned seed;
};

std::vector<float> SynthesizeCry(const CryShape& shape, int rate);
