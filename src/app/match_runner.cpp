#include "app/match_runner.h"

#include <cstring>

#include "app/fight_bindings.h"
#include "app/input_state.h"
#include "fight/fight.h"
#include "screens/screen_flow.h"
#include "screens/screen_rules.h"

MatchRunner::MatchRunner(const MatchSetup& setup) : setup_(setup) {}

void MatchRunner::Start() {
  ScreenFlow.careerMode = setup_.gameMode == Career;
  ScreenFlow.twoPlayerMode = setup_.gameMode == TwoPlayers;
  MatchState.gameMode = setup_.gameMode;
  MatchState.character[0] = setup_.characters[0];
  MatchState.character[1] = setup_.characters[1];
  MatchState.arena = setup_.arena;
  MatchState.difficulty = setup_.difficulty;
  ScreenFlow.gameState = GameState::Fight;
  PrepareFightStart();
  StartFight(MatchState.arena, setup_.seed);
  seconds_ = 0.0f;
  frames_ = 0;
  result_ = MatchResult{};
}

bool MatchRunner::RunFrame(const KeyScript& script) {
  if (ScreenFlow.gameState != GameState::Fight) return false;
  std::uint8_t keys[256] = {};
  script(seconds_, keys);
  FighterCommand commands[2];
  BuildFighterCommands(keys, MatchState.gameMode == TwoPlayers, DefaultFightBindings(), commands);
  return RunFrame(commands);
}

bool MatchRunner::RunFrame(const FighterCommand (&commands)[2]) {
  if (ScreenFlow.gameState != GameState::Fight) return false;
  // The frame clock's rule: a frame of 5 or more is not simulated and counts as 0.1.
  const bool simulate = setup_.step < 5.0f;
  const float step = simulate ? setup_.step : 0.1f;
  const MatchOutcome outcome = FightTick(commands, step, simulate);

  result_.roundsLost[0] = FighterStatuses[0].roundsLost;
  result_.roundsLost[1] = FighterStatuses[1].roundsLost;
  result_.rounds = MatchState.roundNumber;
  ApplyMatchOutcome(outcome);

  seconds_ += 0.01f * step;
  ++frames_;
  result_.frames = frames_;
  result_.seconds = seconds_;
  result_.finished = ScreenFlow.gameState != GameState::Fight;
  return !result_.finished;
}

MatchResult MatchRunner::RunToEnd(const KeyScript& script, float limitSeconds) {
  while (seconds_ < limitSeconds && RunFrame(script)) {
  }
  return result_;
}

void BrawlerScript::operator()(float, std::uint8_t (&keys)[256]) {
  ++frame;
  if (MatchState.distance >= 3.5f) {
    keys['B'] = 1;
    return;
  }
  // One attack key every other frame, so each press is a new one; a short block every few seconds.
  if (frame % 240 < 20) {
    keys[VirtualKey::Space] = 1;
    return;
  }
  if (frame % 2 == 0) {
    static constexpr std::uint8_t kAttackKeys[3] = {'Z', 'X', 'C'};
    keys[kAttackKeys[(frame / 2) % 3]] = 1;
  }
}

void IdleScript(float, std::uint8_t (&)[256]) {}
