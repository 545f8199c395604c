#pragma once

// The audio half of the fight's hooks (fight_wiring.cpp). Sounds are numbered in the fight's
// FightSound order: the eleven fight sounds from FootstepsOne to UltraComboSound, then MenuClick.
// Kept in its own translation unit: the fight's sound names and the audio subsystem's source
// names are the same words.
void PlayFightSoundNumber(int sound);
void StopFightSoundNumber(int sound);
bool IsFightSoundNumberPlaying(int sound);

void RewindMenuMusicTrack();
void OpenFightMusicTrack(int track);  // ".\base\music\<track>.ogg"
void PlayFightMusicTrack();           // and restarts the fade-in
void RewindFightMusicTrack();
void ReleaseFightMusicTrack();
void RequestMenuMusicAfterFight();

void StartFightMonologOf(int arena);
void StopFightMonologNow();
void StartStoryMonologOf(int arena);
