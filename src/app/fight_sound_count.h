#pragma once

// The fight names its eleven sounds (FightSound in fight/fight_hooks.h); the audio holds one source
// for each (FightSounds in audio/audio.h). Both count them with this.
constexpr int kFightSoundCount = 11;
