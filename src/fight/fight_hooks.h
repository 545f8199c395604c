#pragma once

#include "app/fight_sound_count.h"
#include "fight/fight_vector.h"

// Everything the fight makes happen outside its own rules: sounds, music, models, the arena, the
// camera, particles, the story and the menus. The rules never call GL, AL or SDL; the game installs
// one implementation of this interface at start-up (SetFightHooks) and tests install a recorder.
//
// The hooks do exactly what they say and no more: the rules themselves test the sound and music
// switches of Settings before calling the play/start/stop operations that those switches guard.

// The sounds the fight plays, stops and asks about.
enum class FightSound : int {
  FootstepsOne,  // "steps.wav", looping, fighter one
  FootstepsTwo,  // "steps.wav", looping, fighter two
  HitSound,      // "F1.wav"
  BlockSound,    // "F2.wav"
  KnockoutVoiceMale,    // "death1.wav"
  KnockoutVoiceFemale,  // "death2.wav"
  PainVoiceMale,        // "pain1.wav"
  PainVoiceFemale,      // "pain2.wav"
  ComboSound,           // "combo.wav"
  SuperComboSound,      // "scombo.wav"
  UltraComboSound,      // "ucombo.wav"
  MenuClick,            // "menu1.wav", played when a finished match returns to the menus
};

constexpr int kHitParticleCount = 100;

struct FightHooks {
  virtual ~FightHooks() = default;

  // --- Sound effects ---
  virtual void PlaySound(FightSound sound) = 0;              // play from the start (restarts a playing one)
  virtual void StopSound(FightSound sound) = 0;              // stop it
  virtual bool IsSoundPlaying(FightSound sound) = 0;         // the source's state is "playing"

  // --- Music ---
  virtual void RewindMenuMusic() = 0;                        // MenuMusic.Rewind (fight start, music on)
  virtual void OpenFightMusic(int track) = 0;                // FightMusic.Open(".\base\music\<track>.ogg"), track 1..4
  virtual void PlayFightMusic() = 0;                         // FightMusic.Play and MusicFade = -1.5 (music on)
  virtual void RewindFightMusic() = 0;                       // FightMusic.Rewind (fight end, music on)
  virtual void ReleaseFightMusic() = 0;                      // FightMusic.Release (fight end)
  virtual void RequestMenuMusic() = 0;                       // set MenuMusicPending (fight end back to the menus, music on)

  // --- Fighter models (one FighterModel per roster row) ---
  // Loads ".\base\fighters\<folder>\" into model `character` (0..7); the loader shows
  // "Unable to find the file: %s!" itself. Returns the loader's success flag.
  virtual bool LoadFighterModel(int character, const char* folder) = 0;
  virtual void SetAnimation(int character, const char* animation) = 0;  // FighterModel::SetAnimation on model `character`

  // --- Arena ---
  virtual void LoadArenaMeshes(int arena) = 0;               // map.ms3d and light.ms3d of ".\base\maps\<arena>\", ready to draw
  virtual void BuildArenaLights() = 0;                       // the arena light table from the light mesh just loaded
  virtual void DestroyArenaMeshes() = 0;                     // destroys both meshes of the fight (fight end)

  // --- Camera and listener ---
  virtual void SetCameraFightStart() = 0;                    // the camera's fight-start values (look, heights)
  virtual void ResetCameraSway() = 0;                        // swayAngle 0, swayDirection z -1, swayClock 0 (every round)
  virtual void SetListenerPosition(const FightVector& position) = 0;  // ListenerPosition = a controlled fighter's position
  virtual void SetViewDirection(const FightVector& direction) = 0;    // ViewDirection = a controlled fighter's viewDir

  // --- Hit particles ---
  virtual void DeactivateHitParticles() = 0;                 // every particle of both sets inactive, lifeLeft -1
  // Launches the HitParticleSet of `victim` (0 or 1): its hitPosition, then all 100 particles active
  // with these velocities.
  virtual void LaunchHitParticles(int victim, const FightVector& hitPosition,
                                  const float (&velocities)[kHitParticleCount][3]) = 0;
  // A blocked blow: a short flash where the sparks of a landed one would start (no sparks, no
  // random numbers drawn).
  virtual void LaunchBlockFlash(int victim, const FightVector& position) = 0;

  // --- Pointer ---
  virtual void CentrePointer() = 0;                          // move the mouse cursor to window position (320, 240)

  // --- Career monologues and story ---
  virtual void StartFightMonolog(int arena) = 0;             // load "<arena>_.wav" into FightMonolog, place and play it
  virtual void StopFightMonolog() = 0;                       // stop (sound on) and release FightMonolog
  virtual void LoadStoryImages(int arena) = 0;               // the story pictures of `arena` into StoryImages
  virtual void StartStoryMonolog(int arena) = 0;             // load and play "<arena>.wav", restart the menu music

  // --- Menus ---
  virtual void ResetPreFightSlides() = 0;                    // the versus screen slides back to their start
  virtual void ResetMenuTransition() = 0;                    // hover flags off, fade from black, slide-in again
};

// The installed implementation; a do-nothing one until the game installs its own. Never null.
FightHooks& Hooks();
// Installs `hooks` (not owned; must outlive its use). Null puts back the do-nothing implementation.
void SetFightHooks(FightHooks* hooks);
