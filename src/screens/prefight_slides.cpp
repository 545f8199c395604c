#include "screens/prefight_slides.h"

#include "app/settings.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"

PreFightSlideState PreFightSlides;

namespace {

// A slide moves until it first passes its limit, so it comes to rest slightly beyond it; its sound
// plays on the first frame after that.
void SlideIn(float& slide, float limit, float speed, float step, bool& soundArmed) {
  if (slide <= limit) {
    slide += speed * step;
  } else if (Settings.soundOn && soundArmed) {
    RunEffect(ScreenEffects.slideInSound);
    soundArmed = false;
  }
}

}  // namespace

void AdvancePreFightSlides(float step) {
  PreFightSlideState& s = PreFightSlides;
  if (s.previewSlide <= 1.1f) s.previewSlide += 0.04f * step;
  SlideIn(s.pictureSlide, 800, 10, step, s.pictureSoundArmed);
  SlideIn(s.captionSlide, 800, 6, step, s.captionSoundArmed);
}

void ResetPreFightSlides() { PreFightSlides = PreFightSlideState{}; }
