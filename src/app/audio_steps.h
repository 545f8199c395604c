#pragma once

// The start-up, pause and exit steps that touch the audio, in a translation unit of their own:
// the audio subsystem's sound names are also the fight's FightSound names.

// OpenAudio; when no device opens, the reason goes to standard error and the result is false.
bool OpenAudioOrSayWhy();
// CloseAudio: every sound, the music and the device.
void CloseAudioAtExit();
// Escape to the pause screen: the fight music stops (no rewind) and, with sound on, the footsteps.
void SilenceFightForPause();
