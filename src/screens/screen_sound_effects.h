#pragma once

#include "screens/screen_effects.h"

// The sound and music half of the game's screen effects. Apart from the fight's half because the
// fight's sound names and the audio subsystem's sources are the same words.
void ConnectScreenSoundEffects(ScreenEffectHooks& effects);
