#include "fight/fight_internal.h"

namespace {

constexpr float kFightLiveAt = 4.0f;
constexpr float kIntroEndsAt = 5.0f;
constexpr float kKnockoutLasts = 9.0f;
constexpr int kRoundsToLose = 2;

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

}  // namespace

bool IntroOverlayShown() {
  if (MatchState.knockoutActive) return false;
  const float longest = MatchState.gameMode == Career ? 5.0f : 10.0f;
  return MatchState.introActive || (MatchState.RoundClock > 0.0f && MatchState.RoundClock < longest);
}

void RunIntroClock() {
  MatchState.RoundClock += 0.01f * FightFrame.step;
  if (MatchState.RoundClock > kIntroEndsAt) {
    MatchState.introActive = false;
    MatchState.RoundClock = 0.0f;
  }
  if (MatchState.RoundClock > kFightLiveAt) {
    MatchState.fightLive = true;
    FighterStatuses[0].wonRound = FighterStatuses[1].wonRound = false;
  }
}

MatchOutcome RunKnockoutSequence() {
  if (FighterStatuses[0].roundsLost == kRoundsToLose || FighterStatuses[1].roundsLost == kRoundsToLose) {
    MatchState.matchOver = true;
  }
  MatchState.RoundClock += 0.01f * FightFrame.step;
  if (MatchState.RoundClock > kKnockoutLasts && MatchState.roundOver && !MatchState.matchOver) NextRound();
  MatchOutcome outcome;
  if (MatchState.RoundClock > kKnockoutLasts && MatchState.matchOver) {
    outcome.finished = true;
    outcome.winner = FighterStatuses[1].roundsLost == kRoundsToLose ? 0 : 1;
  }
  return outcome;
}
