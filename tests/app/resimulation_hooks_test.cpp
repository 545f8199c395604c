#include "app/resimulation_hooks.h"

#include <gtest/gtest.h>

#include "fight/recording_hooks.h"

TEST(ResimulationHooks, WhatTicksStartIsSwallowedWhatTheyStopGoesThrough) {
  RecordingFightHooks game;
  game.PlaySound(FightSound::FootstepsOne);  // begun in a tick shown the first time
  game.calls.clear();

  ResimulationHooks again(game);
  const float velocities[kHitParticleCount][3] = {};
  again.PlaySound(FightSound::HitSound);
  again.LaunchHitParticles(1, FightVector{}, velocities);
  again.LaunchBlockFlash(0, FightVector{});
  again.PlayFightMusic();
  again.StartFightMonolog(3);
  again.CentrePointer();
  EXPECT_TRUE(game.calls.empty());

  EXPECT_TRUE(again.IsSoundPlaying(FightSound::FootstepsOne));
  again.StopSound(FightSound::FootstepsOne);
  again.SetAnimation(2, "LEGS_WALK");
  again.DeactivateHitParticles();
  again.SetListenerPosition(FightVector{});
  EXPECT_FALSE(game.playing[static_cast<int>(FightSound::FootstepsOne)]);
  EXPECT_EQ(game.Events(), (std::vector<std::string>{"StopSound FootstepsOne", "SetAnimation 2 LEGS_WALK",
                                                     "DeactivateHitParticles"}));
  EXPECT_EQ(game.Count("SetListenerPosition"), 1);
}
