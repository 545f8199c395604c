#include "app/frame_clock.h"
#include "app/settings.h"
#include "fight/career_file.h"
#include "fight/fight_internal.h"
#include "screens/screen_flow.h"

namespace {

constexpr float kFightLiveAt = 4.0f;
constexpr float kIntroEndsAt = 5.0f;
constexpr float kKnockoutLasts = 9.0f;
constexpr int kRoundsToLose = 2;
constexpr int kLastOpponent = 7;
constexpr int kCareerMatches = 7;
constexpr int kCompletedCareerFighter = 2;  // fighter one's character once the career is complete

void NextRound() {
  MatchState.RoundClock = 0.0f;
  MatchState.introActive = true;
  MatchState.knockoutActive = false;
  ++MatchState.roundNumber;
  ResetRound();
  MatchState.roundOver = false;
  MatchState.fightLive = false;
  PlaceFighter(0, FightVector{-3.0f, 0.0f, 0.0f, 0.0f});
  PlaceFighter(1, FightVector{3.0f, 0.0f, 0.0f, 0.0f});
}

int NextOpponent(int opponent) {
  int next = opponent + 1;
  if (next == MatchState.character[0] || next > kLastOpponent) next = opponent + 2 <= kLastOpponent ? opponent + 2 : opponent;
  return next;
}

void EndCareerMatch() {
  const bool playerWon = FighterStatuses[1].roundsLost == kRoundsToLose;
  ScreenFlow.gameState = GameState::PreFight;  // next opponent, or the same one again
  if (playerWon) {
    ++MatchState.arena;
    MatchState.character[1] = NextOpponent(MatchState.character[1]);
    Hooks().LoadStoryImages(MatchState.arena);
    Hooks().StartStoryMonolog(MatchState.arena);
    if (CareerState.careerProgress < kCareerMatches) {
      ++CareerState.careerProgress;
      CareerState.pendingSave[0] = CareerState.careerProgress;
      CareerState.pendingSave[1] = MatchState.character[1];
      CareerState.pendingSave[2] = MatchState.difficulty;
    }
    if (CareerState.careerProgress == kCareerMatches && MatchState.arena > kLastOpponent) {
      MatchState.character[0] = kCompletedCareerFighter;
      ScreenFlow.gameState = GameState::CareerStory;  // the closing story of arena 8
    }
  }
}

void EndMatch() {
  if (ScreenFlow.careerMode) {
    EndCareerMatch();
  } else if (ScreenFlow.twoPlayerMode) {
    ScreenFlow.gameState = GameState::TwoPlayerSetup;
    ScreenFlow.twoPlayerMode = false;
    MatchState.character[0] = 0;
    MatchState.character[1] = 1;
  } else {
    ScreenFlow.gameState = GameState::MainMenu;
    MatchState.arena = 1;
  }
  EndFight();
  for (int s = 0; s < kFightSoundCount; ++s) Hooks().StopSound(static_cast<FightSound>(s));
  if (Settings.soundOn) Hooks().PlaySound(FightSound::MenuClick);
  Hooks().ResetMenuTransition();
}

}  // namespace

bool IntroOverlayShown() {
  if (MatchState.knockoutActive) return false;
  const float longest = ScreenFlow.careerMode ? 5.0f : 10.0f;
  return MatchState.introActive || (MatchState.RoundClock > 0.0f && MatchState.RoundClock < longest);
}

void RunIntroClock() {
  MatchState.RoundClock += 0.01f * FrameClock.step;
  if (MatchState.RoundClock > kIntroEndsAt) {
    MatchState.introActive = false;
    MatchState.RoundClock = 0.0f;
  }
  if (MatchState.RoundClock > kFightLiveAt) {
    MatchState.fightLive = true;
    FighterStatuses[0].wonRound = FighterStatuses[1].wonRound = false;
  }
}

void RunKnockoutSequence() {
  if (FighterStatuses[0].roundsLost == kRoundsToLose || FighterStatuses[1].roundsLost == kRoundsToLose) {
    MatchState.matchOver = true;
  }
  MatchState.RoundClock += 0.01f * FrameClock.step;
  if (MatchState.RoundClock > kKnockoutLasts && MatchState.roundOver && !MatchState.matchOver) NextRound();
  if (MatchState.RoundClock > kKnockoutLasts && MatchState.matchOver) EndMatch();
}
