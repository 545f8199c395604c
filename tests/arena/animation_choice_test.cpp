#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fight/view/animation_choice.h"

namespace {

// Replays a sequence of actions frame by frame and records each animation that was started.
std::vector<std::string> StartedAnimations(int& shownAction, const std::vector<int>& actions) {
  std::vector<std::string> started;
  for (int action : actions) {
    if (TakeActionChange(shownAction, action)) started.emplace_back(AnimationForAction(action));
  }
  return started;
}

constexpr int kStand = 0, kStepForward = 1, kHeadLeft = 3, kHeadRight = 4, kPain = 9, kDeath = 10,
              kBlock = 11, kWin = 12;

TEST(AnimationChoice, EveryActionHasItsLowerBodyAnimation) {
  const char* expected[] = {"LEGS_STAND",    "LEGS_RUN",       "LEGS_RUNB",    "LEGS_LEFTHEAD", "LEGS_RIGHTHEAD",
                            "LEGS_LEFTTORS", "LEGS_RIGHTTORS", "LEGS_LEFTBOK", "LEGS_RIGHTBOK", "LEGS_PAIN",
                            "LEGS_DEATH",    "LEGS_BLOCK",     "LEGS_WIN"};
  for (int action = 0; action < 13; ++action) EXPECT_STREQ(AnimationForAction(action), expected[action]);
  EXPECT_EQ(AnimationForAction(-1), nullptr);
  EXPECT_EQ(AnimationForAction(13), nullptr);
}

TEST(AnimationChoice, WalkingAgainAfterAStopRestartsTheRun) {
  int shown = kStand;
  const auto started = StartedAnimations(shown, {kStepForward, kStepForward, kStand, kStepForward, kStepForward});
  EXPECT_EQ(started, (std::vector<std::string>{"LEGS_RUN", "LEGS_STAND", "LEGS_RUN"}));
}

TEST(AnimationChoice, HeldBlockAndRepeatedPainAreNotRestarted) {
  int shown = kStand;
  EXPECT_EQ(StartedAnimations(shown, {kBlock, kBlock, kBlock}), std::vector<std::string>{"LEGS_BLOCK"});
  // A second hit while in pain leaves the action at Pain: nothing restarts.
  EXPECT_EQ(StartedAnimations(shown, {kPain, kPain, kPain}), std::vector<std::string>{"LEGS_PAIN"});
}

TEST(AnimationChoice, AlternatingSwingsStartEachTime) {
  int shown = kStand;
  const auto started = StartedAnimations(shown, {kHeadLeft, kHeadLeft, kStand, kHeadRight, kHeadRight});
  EXPECT_EQ(started, (std::vector<std::string>{"LEGS_LEFTHEAD", "LEGS_STAND", "LEGS_RIGHTHEAD"}));
}

TEST(AnimationChoice, KnockoutStartsDeathOnceAndWinLater) {
  int loser = kPain;
  int winner = kStand;
  EXPECT_EQ(StartedAnimations(loser, {kDeath, kDeath, kDeath}), std::vector<std::string>{"LEGS_DEATH"});
  EXPECT_EQ(StartedAnimations(winner, {kStand, kStand, kWin, kWin}), std::vector<std::string>{"LEGS_WIN"});
}

}  // namespace
