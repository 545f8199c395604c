#include "screens/career_story_rules.h"

#include "app/settings.h"
#include "fight/fight.h"
#include "screens/screen_effects.h"
#include "screens/screens.h"
#include "screens/subtitles.h"

float StoryClock = 0;

namespace {

// Arena 1 tells five pictures of 100 clock units, the others three of 165; each starts 10 units
// after the previous window began, so the story opens with a moment of black.
constexpr float kFirstPictureStart = 10;

float PictureLength(int arena) { return arena == 1 ? 100.0f : 165.0f; }

}  // namespace

int StoryPictureCount(int arena) {
  if (arena == 1) return 5;
  if (arena >= 2 && arena <= 8) return 3;
  return 0;
}

float StoryPictureAlpha(int arena, int k, float clock) {
  if (k < 0 || k >= StoryPictureCount(arena)) return -1;
  const float length = PictureLength(arena);
  const float start = kFirstPictureStart + length * static_cast<float>(k);
  if (clock <= start || clock >= start + length) return -1;
  // Fades in over the first 10 units and out over the last 10.
  if (clock < start + length - 10) return (clock - start) * 0.1f;
  return (start + length - clock) * 0.1f;
}

float StoryClockRate(int arena) { return arena == 1 ? 11.6f : 13.0f; }

bool RunStoryClock(float step) {
  StoryClock += StoryClockRate(MatchState.arena) * 0.01f * step;
  if (StoryClock <= kStoryEnd) return false;
  StoryClock = 0;
  LeaveCareerStory(StoryExit::Clock);
  return true;
}

void LeaveCareerStory(StoryExit how) {
  const int arena = MatchState.arena;
  if (arena < 8) {
    if (how == StoryExit::Clock) ResetMenuTransition();
    ScreenFlow.gameState = GameState::PreFight;
  } else {
    ScreenFlow.careerMode = false;
    ScreenFlow.gameState = GameState::MainMenu;
  }
  RunEffect(ScreenEffects.releaseStoryImages, arena);
  RunEffect(ScreenEffects.stopStoryMonolog);
  NoteStoryMonologStop();
  StoryClock = 0;
}
