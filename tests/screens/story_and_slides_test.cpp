#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/settings.h"
#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/career_story_rules.h"
#include "screens/menu_clocks.h"
#include "screens/prefight_slides.h"
#include "screens/screens.h"
#include "screens/slide_offsets.h"
#include "screens/subtitles.h"

namespace {

class CareerStory : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    ScreenFlow.gameState = GameState::CareerStory;
    ScreenFlow.careerMode = true;
    MenuClocks.MenuFadeClock = 0.75f;
  }
  // Frames of step 1 until the story leaves by its clock.
  int RunUntilLeft() {
    int frames = 0;
    while (!RunStoryClock(1.0f) && frames < 100000) ++frames;
    return frames + 1;
  }
  std::vector<std::string> log;
};

TEST_F(CareerStory, EndsByItsClockAtTheVersusScreenWithoutAClick) {
  MatchState.arena = 3;
  const int frames = RunUntilLeft();
  EXPECT_NEAR(frames, 550 / 0.13, 2);  // about 42 s at 100 frames per second
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_TRUE(ScreenFlow.careerMode);
  EXPECT_EQ(StoryClock, 0);
  EXPECT_FLOAT_EQ(MenuClocks.MenuFadeClock, 0);  // the versus screen slides in anew
  EXPECT_EQ(log, (std::vector<std::string>{"release story 3", "stop story monolog"}));
}

TEST_F(CareerStory, ArenaOneRunsSlowerForItsFivePictures) {
  MatchState.arena = 1;
  EXPECT_NEAR(RunUntilLeft(), 550 / 0.116, 2);  // about 47 s
}

TEST_F(CareerStory, TheClosingStoryEndsTheCareerAtTheMainMenu) {
  MatchState.arena = 8;
  RunUntilLeft();
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.careerMode);
  EXPECT_FLOAT_EQ(MenuClocks.MenuFadeClock, 0.75f);  // no transition reset on this way
  EXPECT_EQ(log, (std::vector<std::string>{"release story 8", "stop story monolog"}));
}

TEST_F(CareerStory, SkippingLeavesAtOnceAndTheNextVisitStartsOver) {
  MatchState.arena = 2;
  NoteStoryMonologStart(2, 10.0);
  for (int i = 0; i < 300; ++i) RunStoryClock(1.0f);
  ASSERT_GT(StoryClock, 0);
  ClickAt(740, 560);
  EXPECT_EQ(ScreenFlow.gameState, GameState::PreFight);
  EXPECT_EQ(StoryClock, 0);
  EXPECT_TRUE(StoryMonologMoment(13.0).recording.empty()) << "the versus screen has no words of a skipped story";
  EXPECT_FLOAT_EQ(MenuClocks.MenuFadeClock, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"release story 2", "stop story monolog", "click"}));

  log.clear();
  ScreenFlow.gameState = GameState::CareerStory;
  MatchState.arena = 8;
  ClickAt(740, 560);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_FALSE(ScreenFlow.careerMode);
  EXPECT_EQ(log, (std::vector<std::string>{"release story 8", "stop story monolog", "click"}));
}

TEST(StoryPictures, FadeInHoldAndFadeOutOneAfterAnother) {
  EXPECT_EQ(StoryPictureCount(1), 5);
  EXPECT_EQ(StoryPictureCount(8), 3);
  EXPECT_EQ(StoryPictureCount(9), 0);
  // Arena 2, picture 0: from 10 to 175.
  EXPECT_LT(StoryPictureAlpha(2, 0, 9), 0);
  EXPECT_NEAR(StoryPictureAlpha(2, 0, 15), 0.5f, 1e-5);
  EXPECT_GE(StoryPictureAlpha(2, 0, 100), 1);
  EXPECT_NEAR(StoryPictureAlpha(2, 0, 170), 0.5f, 1e-5);
  EXPECT_LT(StoryPictureAlpha(2, 1, 170), 0);
  EXPECT_NEAR(StoryPictureAlpha(2, 1, 180), 0.5f, 1e-5);
  EXPECT_LT(StoryPictureAlpha(2, 2, 506), 0);  // black after the last picture
  EXPECT_LT(StoryPictureAlpha(2, 3, 200), 0);
  // Arena 1: five of 100.
  EXPECT_NEAR(StoryPictureAlpha(1, 4, 415), 0.5f, 1e-5);
  EXPECT_NEAR(StoryPictureAlpha(1, 4, 505), 0.5f, 1e-5);
}

TEST(SlideOffsets, StartInTheirRangesAndRepeatWithinOneSecond) {
  for (unsigned seed : {1u, 77u, 1700000000u}) {
    RandomizeSlideOffsetsWithSeed(seed);
    for (int i = 0; i < 10; ++i) {
      EXPECT_GE(SlideOffsets.fromRight[i], 700);
      EXPECT_LE(SlideOffsets.fromRight[i], 2499);
      EXPECT_GE(SlideOffsets.fromLeft[i], -2500);
      EXPECT_LE(SlideOffsets.fromLeft[i], -701);
      EXPECT_GE(SlideOffsets.fall[i], 500);
      EXPECT_LE(SlideOffsets.fall[i], 2299);
      EXPECT_GE(SlideOffsets.rise[i], -2300);
      EXPECT_LE(SlideOffsets.rise[i], -501);
    }
  }
  RandomizeSlideOffsetsWithSeed(42);
  const SlideOffsetSet first = SlideOffsets;
  RandomizeSlideOffsetsWithSeed(43);
  EXPECT_NE(first.rise[0], SlideOffsets.rise[0]);
  RandomizeSlideOffsetsWithSeed(42);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(first.fromRight[i], SlideOffsets.fromRight[i]);
    EXPECT_EQ(first.rise[i], SlideOffsets.rise[i]);
  }
}

TEST(SlideOffsets, GlideToZeroFastAtFirstThenAtLeastAFiftiethPerFrame) {
  RandomizeSlideOffsetsWithSeed(5);
  const float start = SlideOffsets.fromRight[0];
  EaseSlideOffsets(1.0f);
  EXPECT_NEAR(SlideOffsets.fromRight[0], start * 0.93f, 0.01f);
  const float riseStart = SlideOffsets.rise[3];
  EaseSlideOffsets(2.0f);
  EXPECT_NEAR(SlideOffsets.rise[3], riseStart * 0.86f, 0.01f);  // a step of 2 takes 14 %

  SlideOffsets.fromLeft[1] = -0.1f;
  EaseSlideOffsets(0.001f);  // far below the least step: 0.05 per frame
  EXPECT_NEAR(SlideOffsets.fromLeft[1], -0.05f, 1e-6);
  SlideOffsets.fall[2] = 0.9f;
  EaseSlideOffsets(1.0f);
  EXPECT_EQ(SlideOffsets.fall[2], 0);

  for (int frame = 0; frame < 400; ++frame) EaseSlideOffsets(1.67f);
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(SlideOffsets.fromRight[i], 0);
    EXPECT_EQ(SlideOffsets.fromLeft[i], 0);
    EXPECT_EQ(SlideOffsets.fall[i], 0);
    EXPECT_EQ(SlideOffsets.rise[i], 0);
  }
}

TEST(PreFightSlides, EachElementSoundsOnceWhenItArrivesUntilReArmed) {
  ResetScreenRecords();
  std::vector<std::string> log;
  RecordScreenEffects(log);
  for (int frame = 0; frame < 200; ++frame) AdvancePreFightSlides(1.67f);
  EXPECT_EQ(log, (std::vector<std::string>{"slide-in", "slide-in"}));
  EXPECT_GT(PreFightSlides.pictureSlide, 800);
  EXPECT_LT(PreFightSlides.pictureSlide, 800 + 10 * 1.67f + 0.01f);
  EXPECT_GT(PreFightSlides.previewSlide, 1.1f);
  EXPECT_LT(PreFightSlides.previewSlide, 1.1f + 0.04f * 1.67f + 1e-4f);

  ResetPreFightSlides();
  EXPECT_EQ(PreFightSlides.captionSlide, 0);
  for (int frame = 0; frame < 200; ++frame) AdvancePreFightSlides(1.67f);
  EXPECT_EQ(log.size(), 4u);

  Settings.soundOn = false;
  ResetPreFightSlides();
  for (int frame = 0; frame < 200; ++frame) AdvancePreFightSlides(1.67f);
  EXPECT_EQ(log.size(), 4u);
  EXPECT_TRUE(PreFightSlides.pictureSoundArmed);  // still armed: it sounds once sound is back on
}

}  // namespace
