#include <gtest/gtest.h>

#include "render/animation_table.h"
#include "render/sample_files.h"

namespace {

struct Parts {
  ModelPart upper, lower;
};

Parts Read(const std::string& text) {
  Parts parts;
  ReadAnimationTable(text, parts.upper, parts.lower);
  return parts;
}

}  // namespace

TEST(AnimationTable, LegsLineGoesToTheLowerPartOnly) {
  const Parts parts = Read("10 5 0 20 // LEGS_RUN\n");
  ASSERT_EQ(parts.lower.animations.size(), 1u);
  EXPECT_TRUE(parts.upper.animations.empty());
  const AnimationInfo& run = parts.lower.animations[0];
  EXPECT_EQ(run.name, "LEGS_RUN");
  EXPECT_EQ(run.firstFrame, 10);
  EXPECT_EQ(run.endFrame, 15);
  EXPECT_EQ(run.framesPerSecond, 20);
}

TEST(AnimationTable, ClassifiesByNameInOrderBothTorsoLegs) {
  const Parts parts = Read(
      "0 5 0 20 // BOTH_DEATH1\n"
      "5 5 0 20 // TORSO_GESTURE\n"
      "10 5 0 20 // BOTH_LEGS_ODD\n"
      "15 5 0 20 // HEAD_NOD\n");
  ASSERT_EQ(parts.upper.animations.size(), 3u);
  ASSERT_EQ(parts.lower.animations.size(), 2u);
  EXPECT_EQ(parts.lower.animations[1].name, "BOTH_LEGS_ODD");
  EXPECT_EQ(parts.lower.animations[1].firstFrame, 10);  // no offset for BOTH
  EXPECT_EQ(parts.upper.animations[1].name, "TORSO_GESTURE");
}

TEST(AnimationTable, LinesNotStartingWithADigitAreSkippedToTheirEnd) {
  const Parts parts = Read(
      "sex m 1 2 3 4 5 LEGS_WRONG\n"
      "// 7 1 0 10 // LEGS_ALSO_WRONG\n"
      "headoffset 0 0 0\n"
      "3 2 0 10 // LEGS_IDLE trailing words 9\n");
  ASSERT_EQ(parts.lower.animations.size(), 1u);
  EXPECT_EQ(parts.lower.animations[0].name, "LEGS_IDLE");
}

TEST(AnimationTable, NumbersMaySpanLinesAsWords) {
  const Parts parts = Read("3\n2 0\n10 // LEGS_IDLE\n");
  ASSERT_EQ(parts.lower.animations.size(), 1u);
  EXPECT_EQ(parts.lower.animations[0].endFrame, 5);
}

TEST(AnimationTable, FullGameTableKeepsItsFramesAsWritten) {
  const Parts parts = Read(SampleAnimationTable());
  ASSERT_EQ(parts.lower.animations.size(), 13u);
  EXPECT_EQ(parts.lower.animations[12].name, "LEGS_WIN");
  EXPECT_EQ(parts.lower.animations[12].firstFrame, 34);
}

TEST(AnimationTable, LegsAfterFifteenLinesAreShiftedByTheTorsoOffsetAndTheRestIgnored) {
  std::string text;
  for (int i = 0; i < 13; ++i) text += std::to_string(i * 10) + " 10 0 10 // TORSO_" + std::to_string(i) + "\n";
  text += "200 10 0 10 // TORSO_13\n";
  text += "150 10 0 10 // LEGS_WALK\n";  // entry 14: offset = 200 − 150
  for (int i = 0; i < 5; ++i) text += "300 10 0 10 // LEGS_EXTRA\n";
  const Parts parts = Read(text);
  EXPECT_EQ(parts.upper.animations.size(), 14u);
  ASSERT_EQ(parts.lower.animations.size(), 1u);
  EXPECT_EQ(parts.lower.animations[0].firstFrame, 100);
  EXPECT_EQ(parts.lower.animations[0].endFrame, 110);
}

TEST(AnimationTable, HostileTextsNeitherOverflowNorKeepUnfinishedLines) {
  const std::string longName(1000, 'L');
  Parts parts = Read("99999999999999999999 99999999999999999999 0 -5 // LEGS_" + longName + "\n1 2 3");
  ASSERT_EQ(parts.lower.animations.size(), 1u);
  EXPECT_EQ(parts.lower.animations[0].name.size(), 255u);
  EXPECT_GT(parts.lower.animations[0].endFrame, parts.lower.animations[0].firstFrame);
  EXPECT_TRUE(Read("").lower.animations.empty());
  EXPECT_TRUE(Read(std::string("5 1 0 \0 10 // LEGS", 19)).lower.animations.size() <= 1u);
}
