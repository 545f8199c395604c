#pragma once

#include "fight/fight_hooks.h"

// The hooks of a fight that nobody watches or hears (the match runner, benchmarks, and the game
// before its own hooks are installed): nothing is shown, nothing plays, models load as present.
struct HeadlessFightHooks : FightHooks {
  void PlaySound(FightSound) override {}
  void StopSound(FightSound) override {}
  bool IsSoundPlaying(FightSound) override { return false; }
  void RewindMenuMusic() override {}
  void OpenFightMusic(int) override {}
  void PlayFightMusic() override {}
  void RewindFightMusic() override {}
  void ReleaseFightMusic() override {}
  void RequestMenuMusic() override {}
  bool LoadFighterModel(int, const char*) override { return true; }
  void SetAnimation(int, const char*) override {}
  void LoadArenaMeshes(int) override {}
  void BuildArenaLights() override {}
  void DestroyArenaMeshes() override {}
  void SetCameraFightStart() override {}
  void ResetCameraSway() override {}
  void SetListenerPosition(const FightVector&) override {}
  void SetViewDirection(const FightVector&) override {}
  void DeactivateHitParticles() override {}
  void LaunchHitParticles(int, const FightVector&, const float (&)[kHitParticleCount][3]) override {}
  void LaunchBlockFlash(int, const FightVector&) override {}
  void CentrePointer() override {}
  void StartFightMonolog(int) override {}
  void StopFightMonolog() override {}
  void LoadStoryImages(int) override {}
  void StartStoryMonolog(int) override {}
  void ResetPreFightSlides() override {}
  void ResetMenuTransition() override {}
};
