#include "fight/fight_internal.h"

MatchOutcome FightTick(const FighterCommand (&commands)[2], float step, bool simulate) {
  FightFrame = FightTickClock{step, simulate};
  // A strike released in any frame, simulated or not, may act again when pressed anew.
  ReleaseStrikeLatch(0, commands[0]);
  ReleaseStrikeLatch(1, commands[1]);
  if (simulate) FightUpdate(commands);

  // The overlays show this state: the clocks below used to run inside their drawing.
  ShownFight.status[0] = FighterStatuses[0];
  ShownFight.status[1] = FighterStatuses[1];
  ShownFight.match = MatchState;
  ShownFight.introShown = IntroOverlayShown();
  ShownFight.knockoutShown = false;

  for (FighterStatus& x : FighterStatuses) RunComboShowClock(x.comboShown, x.comboShowTime, step);
  if (ShownFight.introShown) RunIntroClock();
  ShownFight.knockoutShown = MatchState.knockoutActive;
  if (!MatchState.knockoutActive) return MatchOutcome{};
  return RunKnockoutSequence();
}
