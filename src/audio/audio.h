#pragma once

#include "app/fight_sound_count.h"

// The audio subsystem: what the frame loop, the screens, the camera and the fight may call.

#include <string>

#include "audio/music_stream.h"
#include "audio/sound_source.h"

// Opens OpenAL's default output device with a context, loads the fourteen start-up sounds, opens
// the menu music (not started) and sets the inverse-distance model. False when no device can be
// opened; the reason is in AudioOpenError() and the program then exits with -1.
bool OpenAudio();
const std::string& AudioOpenError();
// At exit, after the frame loop: deletes every sound, releases both music streams, closes the device.
void CloseAudio();
bool AudioIsOpen();

// The start-up sounds, loaded in this order and kept until exit. The first eleven are the fight
// sounds, which always sit 2 units above the listener.
extern SoundSource FootstepsOne;         // "steps.wav", loops
extern SoundSource FootstepsTwo;         // "steps.wav", loops
extern SoundSource HitSound;             // "F1.wav"
extern SoundSource BlockSound;           // "F2.wav"
extern SoundSource KnockoutVoiceMale;    // "death1.wav"
extern SoundSource KnockoutVoiceFemale;  // "death2.wav", character 5
extern SoundSource PainVoiceMale;        // "pain1.wav"
extern SoundSource PainVoiceFemale;      // "pain2.wav", character 5
extern SoundSource ComboSound;           // "combo.wav", 2 hits
extern SoundSource SuperComboSound;      // "scombo.wav", 3 hits
extern SoundSource UltraComboSound;      // "ucombo.wav", 4 or more hits
extern SoundSource MenuClick;            // "menu1.wav"
extern SoundSource MenuHover;            // "menu2.wav"
extern SoundSource SlideInSound;         // "menu3.wav"

// What OpenAudio and CloseAudio do with the fourteen (for a caller with a context of its own).
void LoadStartupSounds();
void DeleteStartupSounds();

// The eleven fight sounds in start-up order, for the camera and EndFight.
extern SoundSource* const FightSounds[kFightSoundCount];

// Fight: the listener where the camera puts it, and every fight sound 2 units above it.
void PlaceFightListener(const float position[3], const float velocity[3], const float at[3]);
// Every other screen: the listener at the origin facing +z, the three menu sounds 2 units above it.
void PlaceMenuListener();
// EndFight: every fight sound stops.
void StopFightSounds();

// The career voices: loaded when needed, deleted when done.
extern SoundSource StoryMonolog;  // ".\base\monologs\N.wav", no position of its own
extern SoundSource FightMonolog;  // ".\base\monologs\N_.wav", at (0, 2, 10)
// LOAD GAME and every won career match: loads and plays arena N's story monologue, then restarts
// the menu music with its fade-in (if music is on).
void StartStoryMonolog(int arena);
void StopStoryMonolog();
// Career fight start: loads arena N's fight-start line, puts it behind the fighters and plays it.
void StartFightMonolog(int arena);
void StopFightMonolog();

// The two music players. MenuMusic plays "menu.ogg" on every screen but the fight; FightMusic is
// opened on a random track at every fight start and released at every fight end.
extern MusicStream MenuMusic;
extern MusicStream FightMusic;

// The fade-in shared by both tracks: -1.5 at every start of a track, + 0.004 × step per frame, and
// the current track's gain is the value clamped to 0..1 (silent 375 step units, full 250 later).
// Reset at program start.
extern float MusicFade;
// Set when the menu music should start at the end of a frame that runs fast enough.
extern bool MenuMusicPending;
constexpr float kMusicFadeStart = -1.5f;
void RestartMusicFade();
// One frame of the fade for the track the current screen services: Update, fade step, gain.
void ServiceMusic(MusicStream& music, float step);
