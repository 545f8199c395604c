#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "fight/fight_hooks.h"

// Observes what the fight asks of the other subsystems, as one line per call.
struct RecordingFightHooks : FightHooks {
  std::vector<std::string> calls;
  bool playing[kFightSoundCount + 1] = {};
  FightVector lastHitPosition;
  FightVector lastBlockPosition;
  float lastVelocities[kHitParticleCount][3] = {};

  void Log(std::string line) { calls.push_back(std::move(line)); }
  static std::string Name(FightSound s) {
    static const char* const kNames[] = {"FootstepsOne", "FootstepsTwo", "HitSound", "BlockSound",
                                         "KnockoutVoiceMale", "KnockoutVoiceFemale", "PainVoiceMale",
                                         "PainVoiceFemale", "ComboSound", "SuperComboSound", "UltraComboSound",
                                         "MenuClick"};
    return kNames[static_cast<int>(s)];
  }
  int Count(const std::string& line) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), line));
  }
  // Calls that are not the per-frame listener, view and pointer updates.
  std::vector<std::string> Events() const {
    std::vector<std::string> out;
    for (const auto& c : calls) {
      if (c.rfind("SetListenerPosition", 0) != 0 && c.rfind("SetViewDirection", 0) != 0 && c != "CentrePointer" &&
          c.rfind("IsSoundPlaying", 0) != 0) {
        out.push_back(c);
      }
    }
    return out;
  }

  void PlaySound(FightSound s) override {
    playing[static_cast<int>(s)] = true;
    Log("PlaySound " + Name(s));
  }
  void StopSound(FightSound s) override {
    playing[static_cast<int>(s)] = false;
    Log("StopSound " + Name(s));
  }
  bool IsSoundPlaying(FightSound s) override { return playing[static_cast<int>(s)]; }
  void RewindMenuMusic() override { Log("RewindMenuMusic"); }
  void OpenFightMusic(int track) override { Log("OpenFightMusic " + std::to_string(track)); }
  void PlayFightMusic() override { Log("PlayFightMusic"); }
  void RewindFightMusic() override { Log("RewindFightMusic"); }
  void ReleaseFightMusic() override { Log("ReleaseFightMusic"); }
  void RequestMenuMusic() override { Log("RequestMenuMusic"); }
  bool LoadFighterModel(int character, const char* folder) override {
    Log("LoadFighterModel " + std::to_string(character) + " " + folder);
    return true;
  }
  void SetAnimation(int character, const char* animation) override {
    Log("SetAnimation " + std::to_string(character) + " " + animation);
  }
  void LoadArenaMeshes(int arena) override { Log("LoadArenaMeshes " + std::to_string(arena)); }
  void BuildArenaLights() override { Log("BuildArenaLights"); }
  void DestroyArenaMeshes() override { Log("DestroyArenaMeshes"); }
  void SetCameraFightStart() override { Log("SetCameraFightStart"); }
  void ResetCameraSway() override { Log("ResetCameraSway"); }
  void SetListenerPosition(const FightVector&) override { Log("SetListenerPosition"); }
  void SetViewDirection(const FightVector&) override { Log("SetViewDirection"); }
  void DeactivateHitParticles() override { Log("DeactivateHitParticles"); }
  void LaunchHitParticles(int victim, const FightVector& at, const float (&v)[kHitParticleCount][3]) override {
    lastHitPosition = at;
    std::copy(&v[0][0], &v[0][0] + kHitParticleCount * 3, &lastVelocities[0][0]);
    Log("LaunchHitParticles " + std::to_string(victim));
  }
  void LaunchBlockFlash(int victim, const FightVector& at) override {
    lastBlockPosition = at;
    Log("LaunchBlockFlash " + std::to_string(victim));
  }
  void CentrePointer() override { Log("CentrePointer"); }
  void StartFightMonolog(int arena) override { Log("StartFightMonolog " + std::to_string(arena)); }
  void StopFightMonolog() override { Log("StopFightMonolog"); }
  void LoadStoryImages(int arena) override { Log("LoadStoryImages " + std::to_string(arena)); }
  void StartStoryMonolog(int arena) override { Log("StartStoryMonolog " + std::to_string(arena)); }
  void ResetPreFightSlides() override { Log("ResetPreFightSlides"); }
  void ResetMenuTransition() override { Log("ResetMenuTransition"); }
};
