#include <gtest/gtest.h>

#include "app/frame_clock.h"
#include "render/animation_playback.h"
#include "render/bhm_reader.h"
#include "render/fighter_model.h"
#include "render/sample_files.h"

namespace {

// A part with `frames` frames of geometry and one animation.
ModelPart PartWith(int frames, int first, int end, int fps, const char* name = "LEGS_TEST") {
  const Bytes file = WriteBhm(StripModel(frames, 2));
  ModelPart part;
  EXPECT_TRUE(ReadBhm(file.data(), file.size(), part));
  AnimationInfo animation;
  animation.name = name;
  animation.firstFrame = first;
  animation.endFrame = end;
  animation.framesPerSecond = fps;
  part.animations.push_back(animation);
  return part;
}

std::vector<int> PlayFrames(ModelPart& part, int draws, float periodMs) {
  std::vector<int> shown;
  float clock = 0.0f;
  StartAnimation(part, "LEGS_TEST", clock);
  for (int i = 0; i < draws; ++i) {
    shown.push_back(part.currentFrame);
    clock += periodMs;
    AdvancePart(part, clock);
  }
  return shown;
}

}  // namespace

TEST(AnimationPlayback, FiveToEightLoopsOverFiveSixSeven) {
  ModelPart part = PartWith(10, 5, 8, 20);
  EXPECT_EQ(PlayFrames(part, 7, 50.0f), (std::vector<int>{5, 6, 7, 5, 6, 7, 5}));
}

TEST(AnimationPlayback, OneFrameAnimationStaysOnItsFrame) {
  ModelPart part = PartWith(10, 5, 6, 20);
  EXPECT_EQ(PlayFrames(part, 4, 50.0f), (std::vector<int>{5, 5, 5, 5}));
  EXPECT_EQ(part.nextFrame, 5);
}

TEST(AnimationPlayback, HundredTwentyMillisecondsAtTwentyFpsStepsTwoFrames) {
  ModelPart part = PartWith(10, 0, 8, 20);
  StartAnimation(part, "LEGS_TEST", 1000.0f);
  AdvancePart(part, 1120.0f);
  EXPECT_EQ(part.currentFrame, 2);
  EXPECT_FLOAT_EQ(part.lastUpdate, 1100.0f);
  EXPECT_NEAR(part.t, 0.4f, 1e-5f);
  EXPECT_EQ(part.nextFrame, 1);  // this draw blends from L2 back towards L1
}

TEST(AnimationPlayback, ThirtyMillisecondsAtTwentyFpsBlendsWithoutStepping) {
  ModelPart part = PartWith(10, 0, 8, 20);
  StartAnimation(part, "LEGS_TEST", 0.0f);
  AdvancePart(part, 30.0f);
  EXPECT_EQ(part.currentFrame, 0);
  EXPECT_NEAR(part.t, 0.6f, 1e-6f);
}

TEST(AnimationPlayback, OneStepShowsTheFormerNextFrameUnblended) {
  ModelPart part = PartWith(10, 0, 8, 20);
  StartAnimation(part, "LEGS_TEST", 0.0f);
  AdvancePart(part, 10.0f);
  const int next = part.nextFrame;
  AdvancePart(part, 50.0f);
  EXPECT_EQ(part.currentFrame, next);
  EXPECT_FLOAT_EQ(part.t, 0.0f);
}

TEST(AnimationPlayback, ZeroOrNegativeFpsNeverSteps) {
  for (int fps : {0, -3}) {
    ModelPart part = PartWith(10, 2, 8, fps);
    StartAnimation(part, "LEGS_TEST", 0.0f);
    AdvancePart(part, 100000.0f);
    EXPECT_EQ(part.currentFrame, 2) << fps;
    EXPECT_EQ(part.t, 0.0f) << fps;
  }
}

TEST(AnimationPlayback, LongStallStepsAtMostFourFramesAndDropsTheRest) {
  ModelPart part = PartWith(20, 0, 20, 20);
  StartAnimation(part, "LEGS_TEST", 0.0f);
  AdvancePart(part, 5000.0f);
  EXPECT_EQ(part.currentFrame, 4);
  EXPECT_FLOAT_EQ(part.t, 0.0f);
  EXPECT_FLOAT_EQ(part.lastUpdate, 5000.0f);
  AdvancePart(part, 5225.0f);  // four and a half periods: all four steps count, t keeps the half
  EXPECT_EQ(part.currentFrame, 8);
  EXPECT_NEAR(part.t, 0.5f, 1e-5f);
}

TEST(AnimationPlayback, PartWithoutAnimationsStaysOnFrameZero) {
  const Bytes file = WriteBhm(StripModel(3, 1));
  ModelPart part;
  ASSERT_TRUE(ReadBhm(file.data(), file.size(), part));
  part.t = 0.3f;
  AdvancePart(part, 10000.0f);
  EXPECT_EQ(part.currentFrame, 0);
  EXPECT_EQ(part.nextFrame, 0);
  EXPECT_FLOAT_EQ(part.t, 0.3f);
}

TEST(AnimationPlayback, NamesMatchInAnyCaseAndUnknownNamesChangeNothing) {
  ModelPart part = PartWith(10, 3, 6, 20, "LEGS_STAND");
  EXPECT_TRUE(StartAnimation(part, "legs_stand", 42.0f));
  EXPECT_EQ(part.currentFrame, 3);
  EXPECT_FLOAT_EQ(part.lastUpdate, 42.0f);
  part.currentFrame = 4;
  EXPECT_FALSE(StartAnimation(part, "LEGS_FLY", 99.0f));
  EXPECT_EQ(part.currentFrame, 4);
  EXPECT_FLOAT_EQ(part.lastUpdate, 42.0f);
}

TEST(AnimationPlayback, FramesBeyondTheGeometryAreClamped) {
  ModelPart part = PartWith(4, 2, 40, 20);
  StartAnimation(part, "LEGS_TEST", 0.0f);
  for (int i = 1; i < 20; ++i) {
    AdvancePart(part, 50.0f * static_cast<float>(i));
    ASSERT_LT(part.currentFrame, 4);
    ASSERT_LT(part.nextFrame, 4);
    for (int frame : part.lookAhead) ASSERT_LT(frame, 4);
  }
  ModelPart beyond = PartWith(4, 30, 40, 20);
  StartAnimation(beyond, "LEGS_TEST", 0.0f);
  EXPECT_EQ(beyond.currentFrame, 3);
  ModelPart negative = PartWith(4, -7, -2, 20);
  StartAnimation(negative, "LEGS_TEST", 0.0f);
  AdvancePart(negative, 120.0f);
  EXPECT_GE(negative.currentFrame, 0);
  EXPECT_GE(negative.nextFrame, 0);
}

TEST(AnimationPlayback, TagLinksMatchInAnyCaseAndTakeTheFirst) {
  SampleBhm model = StripModel(1, 1);
  model.tags[0][0].name = "TAG_TORSO";
  SampleTag second;
  second.name = "tag_torso";
  model.tags[0].push_back(second);
  const Bytes file = WriteBhm(model);
  ModelPart lower, upper;
  ASSERT_TRUE(ReadBhm(file.data(), file.size(), lower));
  EXPECT_TRUE(LinkByTagName(lower, upper, "tag_torso"));
  EXPECT_EQ(lower.links[0], &upper);
  EXPECT_EQ(lower.links[1], nullptr);
  EXPECT_FALSE(LinkByTagName(lower, upper, "tag_head"));
}

TEST(FighterModelHold, ModelNotDrawnResumesWhereItStoodWithoutJumping) {
  FighterModel& model = FighterModels[3];
  model.lower = PartWith(20, 0, 20, 20);
  AnimClock = 0.0f;
  model.SetAnimation("LEGS_TEST");
  AnimClock = 130.0f;
  ClearDrawnMarks();
  model.Advance();
  model.drawn = true;
  HoldUndrawnModels();
  const int frame = model.lower.currentFrame;
  EXPECT_EQ(frame, 2);
  // Three seconds off screen: the frame loop holds it every frame.
  for (int i = 0; i < 100; ++i) {
    AnimClock += 30.0f;
    ClearDrawnMarks();
    HoldUndrawnModels();
  }
  EXPECT_EQ(model.lower.currentFrame, frame);
  EXPECT_EQ(model.lower.t, 0.0f);
  AnimClock += 20.0f;
  model.Advance();
  EXPECT_EQ(model.lower.currentFrame, frame);
  EXPECT_NEAR(model.lower.t, 0.4f, 1e-4f);
  model = FighterModel{};
}

TEST(FighterModelHold, SkinIndexChoosesTheTextureOfTheFirstLink) {
  EXPECT_EQ(SkinTextureEntry(0), 52);
  EXPECT_EQ(SkinTextureEntry(1), 50);
  EXPECT_EQ(SkinTextureEntry(2), 53);
  EXPECT_EQ(SkinTextureEntry(3), 51);
  EXPECT_EQ(SkinTextureEntry(4), 54);
  EXPECT_EQ(SkinTextureEntry(9), 54);
  EXPECT_EQ(SkinTextureEntry(-1), 52);
}
