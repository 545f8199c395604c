#pragma once

#include "fight/fight_hooks.h"

// The hooks installed while an online fight simulates ticks again after a rollback. Those ticks
// were shown once already: whatever they start (sounds, particles, music, monologues) is
// swallowed, and whatever they stop, place or animate reaches the game's hooks, so a footstep loop
// begun on a wrong prediction stops when the corrected fight stops walking.
class ResimulationHooks : public FightHooks {
 public:
  explicit ResimulationHooks(FightHooks& game) : game_(game) {}

  void PlaySound(FightSound) override {}
  void StopSound(FightSound sound) override { game_.StopSound(sound); }
  bool IsSoundPlaying(FightSound sound) override { return game_.IsSoundPlaying(sound); }
  void RewindMenuMusic() override {}
  void OpenFightMusic(int) override {}
  void PlayFightMusic() override {}
  void RewindFightMusic() override {}
  void ReleaseFightMusic() override { game_.ReleaseFightMusic(); }
  void RequestMenuMusic() override { game_.RequestMenuMusic(); }
  bool LoadFighterModel(int character, const char* folder) override { return game_.LoadFighterModel(character, folder); }
  void SetAnimation(int character, const char* animation) override { game_.SetAnimation(character, animation); }
  void LoadArenaMeshes(int arena) override { game_.LoadArenaMeshes(arena); }
  void BuildArenaLights() override { game_.BuildArenaLights(); }
  void DestroyArenaMeshes() override { game_.DestroyArenaMeshes(); }
  void SetCameraFightStart() override { game_.SetCameraFightStart(); }
  void ResetCameraSway() override { game_.ResetCameraSway(); }
  void SetListenerPosition(const FightVector& position) override { game_.SetListenerPosition(position); }
  void SetViewDirection(const FightVector& direction) override { game_.SetViewDirection(direction); }
  void DeactivateHitParticles() override { game_.DeactivateHitParticles(); }
  void LaunchHitParticles(int, const FightVector&, const float (&)[kHitParticleCount][3]) override {}
  void LaunchBlockFlash(int, const FightVector&) override {}
  void CentrePointer() override {}
  void StartFightMonolog(int) override {}
  void StopFightMonolog() override { game_.StopFightMonolog(); }
  void LoadStoryImages(int) override {}
  void StartStoryMonolog(int) override {}
  void ResetPreFightSlides() override { game_.ResetPreFightSlides(); }
  void ResetMenuTransition() override { game_.ResetMenuTransition(); }

 private:
  FightHooks& game_;
};
