#include <gtest/gtest.h>

#include <string>

#include "screens/hud_rules.h"

namespace {

TEST(ComboTitle, ShowsForOneAndAHalfSecondsAfterItIsSet) {
  bool shown = true;
  float showTime = 2.0f;
  int frames = 0;
  while (shown && frames < 1000) {
    RunComboShowClock(shown, showTime, 1.0f);  // one hundredth of a second per frame
    ++frames;
  }
  EXPECT_GE(frames, 150);
  EXPECT_LE(frames, 151);

  shown = true;
  showTime = 2.0f;
  RunComboShowClock(shown, showTime, 100.0f);  // a one-second frame
  EXPECT_TRUE(shown);
  RunComboShowClock(shown, showTime, 51.0f);
  EXPECT_FALSE(shown);
}

TEST(ComboTitle, NamesAndPointsOnlyForFighterOneInTheCareer) {
  EXPECT_STREQ(ComboTitle(2), "COMBO");
  EXPECT_STREQ(ComboTitle(3), "SUPER COMBO");
  EXPECT_STREQ(ComboTitle(4), "ULTRA COMBO");
  EXPECT_EQ(ComboTitle(1), nullptr);
  EXPECT_STREQ(ComboPointsText(2, 0, true), "+20 pts");
  EXPECT_STREQ(ComboPointsText(3, 0, true), "+40 pts");
  EXPECT_STREQ(ComboPointsText(4, 0, true), "+80 pts");
  EXPECT_EQ(ComboPointsText(4, 1, true), nullptr);
  EXPECT_EQ(ComboPointsText(4, 0, false), nullptr);
}

TEST(Bars, FillIsCutToTheValueAndExtendsLeftBelowZero) {
  const BarFill full = BarFillFor(20, 100, 260);
  EXPECT_FLOAT_EQ(full.right, 280);
  EXPECT_FLOAT_EQ(full.textureRight, 1);
  const BarFill half = BarFillFor(520, 50, 260);
  EXPECT_FLOAT_EQ(half.right, 650);
  EXPECT_FLOAT_EQ(half.textureRight, 0.5f);
  const BarFill knockedOut = BarFillFor(20, -10, 260);
  EXPECT_FLOAT_EQ(knockedOut.right, 20 - 26);  // 2.6 units per point below 0
  EXPECT_LT(knockedOut.textureRight, 0);
}

TEST(RoundIntro, BannerThenTheThreeCountInPictures) {
  EXPECT_EQ(IntroPictureAt(-3, 1).texture, -1);
  EXPECT_EQ(IntroPictureAt(0.5f, 1).texture, 56);
  EXPECT_FLOAT_EQ(IntroPictureAt(0.5f, 1).alpha, 1.5f);
  EXPECT_EQ(IntroPictureAt(1.5f, 2).texture, 57);
  EXPECT_EQ(IntroPictureAt(1.5f, 3).texture, 58);
  EXPECT_EQ(IntroPictureAt(2.5f, 3).texture, 60);
  EXPECT_FLOAT_EQ(IntroPictureAt(2.5f, 3).alpha, 0.5f);
  EXPECT_EQ(IntroPictureAt(3.5f, 1).texture, 59);
  EXPECT_EQ(IntroPictureAt(4.5f, 1).texture, 6);
  EXPECT_EQ(IntroPictureAt(5.5f, 1).texture, -1);
}

}  // namespace
