#pragma once

// The versus screen's slide-in: the two previews glide toward the middle, the arena picture enters
// from the right and the title from the left, each sounding once when it arrives.
// Put back by ResetPreFightSlides (BACK/NEXT of the versus screen, Escape in a fight, EndFight).
struct PreFightSlideState {
  float previewSlide = 0;  // world units toward the middle, up to about 1.1
  float pictureSlide = 0;  // menu units, up to about 800
  float captionSlide = 0;  // menu units, up to about 800
  bool pictureSoundArmed = true;
  bool captionSoundArmed = true;
};

extern PreFightSlideState PreFightSlides;

// One versus-screen frame of the slides and their arrival sounds.
void AdvancePreFightSlides(float step);
