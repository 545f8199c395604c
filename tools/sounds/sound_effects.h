#pragma once

#include <vector>

// The game's sound effects, mono at kEffectRate. Each is built from noise, tones, filters and
// envelopes, layered, and brought to its own peak level.
constexpr int kEffectRate = 44100;

std::vector<float> LandedHit();       // F1.wav
std::vector<float> BlockedHit();      // F2.wav
std::vector<float> FootstepLoop();    // steps.wav: loops without a seam
std::vector<float> ComboJingle(int level);  // 1 combo.wav, 2 scombo.wav, 3 ucombo.wav
std::vector<float> MenuClickSound();  // menu1.wav
std::vector<float> MenuHoverSound();  // menu2.wav
std::vector<float> SlideInWhoosh();   // menu3.wav
std::vector<float> KnockoutCry(bool female);  // death1.wav, death2.wav
std::vector<float> PainGrunt(bool female);    // pain1.wav, pain2.wav
