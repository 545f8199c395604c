#include <gtest/gtest.h>

#include <set>

#include "fight/fight.h"
#include "screen_test_support.h"
#include "screens/character_pick.h"
#include "screens/prefight_slides.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

namespace {

// The character after (or before) `self` in roster order, going round, that `other` does not have.
int CyclicStep(int self, int other, int direction) {
  int c = self;
  do {
    c = (c + direction + 8) % 8;
  } while (c == other);
  return c;
}

TEST(CharacterPick, StepsRoundTheRosterSkippingTheOtherFighter) {
  for (int self = 0; self < 8; ++self) {
    for (int other = 0; other < 8; ++other) {
      if (self == other) continue;
      EXPECT_EQ(PickNext(self, other), CyclicStep(self, other, 1)) << self << " vs " << other;
      EXPECT_EQ(PickPrevious(self, other), CyclicStep(self, other, -1)) << self << " vs " << other;
    }
  }
  EXPECT_EQ(PickPrevious(0, 7), 6);
  EXPECT_EQ(PickNext(7, 0), 1);
  EXPECT_EQ(PickNext(6, 7), 0);
}

TEST(QuickFight, NeverPairsACharacterWithItselfNorUsesArenaEight) {
  ResetScreenRecords();
  std::set<int> arenas, characters;
  for (unsigned seed = 0; seed < 3000; ++seed) {
    DrawQuickFight(seed);
    ASSERT_NE(MatchState.character[0], MatchState.character[1]) << seed;
    ASSERT_GE(MatchState.arena, 1);
    ASSERT_LE(MatchState.arena, 7);
    ASSERT_EQ(MatchState.gameMode, QuickFight);
    arenas.insert(MatchState.arena);
    characters.insert(MatchState.character[0]);
    characters.insert(MatchState.character[1]);
  }
  EXPECT_EQ(arenas.size(), 7u);
  EXPECT_EQ(characters.size(), 8u);
}

TEST(QuickFight, TheSameSecondDrawsTheSameFight) {
  ResetScreenRecords();
  DrawQuickFight(1234);
  const int a = MatchState.arena, c0 = MatchState.character[0], c1 = MatchState.character[1];
  DrawQuickFight(1234);
  EXPECT_EQ(MatchState.arena, a);
  EXPECT_EQ(MatchState.character[0], c0);
  EXPECT_EQ(MatchState.character[1], c1);
}

TEST(InitialScreen, IsTheMainMenuWithArenaOneAndBothSlideSoundsArmed) {
  ResetScreenRecords();
  MatchState.arena = 5;
  PreFightSlides.pictureSoundArmed = false;
  PreFightSlides.captionSoundArmed = false;
  EnterInitialScreen();
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  EXPECT_EQ(MatchState.arena, 1);
  EXPECT_TRUE(PreFightSlides.pictureSoundArmed);
  EXPECT_TRUE(PreFightSlides.captionSoundArmed);
}

}  // namespace
