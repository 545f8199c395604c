#include "screens/slide_offsets.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "screens/screen_effects.h"
#include "screens/screens.h"

SlideOffsetSet SlideOffsets;

namespace {

float RandomStart(int centre) { return static_cast<float>(std::rand() % 1800 - 900 + centre); }

float EaseStep(float value, float step) { return std::max(std::fabs(0.07f * value) * step, 0.05f); }

}  // namespace

void RandomizeSlideOffsetsWithSeed(unsigned seed) {
  std::srand(seed);
  for (float& v : SlideOffsets.fromRight) v = RandomStart(1600);
  for (float& v : SlideOffsets.fromLeft) v = RandomStart(-1600);
  for (float& v : SlideOffsets.fall) v = RandomStart(1400);
  for (float& v : SlideOffsets.rise) v = RandomStart(-1400);
}

void RandomizeSlideOffsets() { RandomizeSlideOffsetsWithSeed(ScreenEffects.clockSeconds()); }

void EaseSlideOffsets(float step) {
  SlideOffsetSet& s = SlideOffsets;
  for (int i = 0; i < 10; ++i) {
    if (s.fromRight[i] > 0) s.fromRight[i] -= EaseStep(s.fromRight[i], step);
    if (s.fromRight[i] < 0) s.fromRight[i] = 0;

    if (s.fromLeft[i] < 0) s.fromLeft[i] += EaseStep(s.fromLeft[i], step);
    if (s.fromLeft[i] > 0) s.fromLeft[i] = 0;

    if (s.fall[i] > 0) s.fall[i] -= EaseStep(s.fall[i], step);
    // The fall snaps home from below 1, so a dropped element never hangs a fraction too high.
    if (s.fall[i] < 1) s.fall[i] = 0;

    if (s.rise[i] < 0) s.rise[i] += EaseStep(s.rise[i], step);
    if (s.rise[i] > 0) s.rise[i] = 0;
  }
}
