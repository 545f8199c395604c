#include "fight/fight_internal.h"

namespace {

constexpr float kStepBackLimit = 8.0f;  // stepping back no longer moves a fighter this far away

FightVector Along(const FightVector& direction, float scale) {
  return FightVector{direction.x * scale, direction.y * scale, direction.z * scale, direction.w * scale};
}

void Walk(int fighter, FighterCommand command) {
  Fighter& f = Fighters[fighter];
  const FighterStatus& x = FighterStatuses[fighter];
  const bool free = !x.attacking && !x.blocking;
  // Forward is toward the opponent: +forwardDir for fighter one, -forwardDir for fighter two.
  const float forwardSign = fighter == 0 ? 1.0f : -1.0f;
  const bool forwardHeld = command.Holds(FightInput::Forward);
  const bool backHeld = command.Holds(FightInput::Back);
  const bool forward = forwardHeld && free;
  const bool back = backHeld && free;

  auto stepForward = [&] {
    f.walkVelocity = Along(f.forwardDir, kWalkSpeed * forwardSign);
    f.action = StepForward;
    f.walking = true;
  };
  auto stepBack = [&] {
    f.walkVelocity = MatchState.distance < kStepBackLimit ? Along(f.forwardDir, -kWalkSpeed * forwardSign)
                                                          : FightVector{};
    f.action = StepBack;
    f.walking = true;
  };

  // With both held fighter one steps forward and fighter two steps back.
  if (fighter == 0 && forward) {
    stepForward();
  } else if (fighter == 0 && back) {
    stepBack();
  } else if (fighter == 1 && back) {
    stepBack();
  } else if (fighter == 1 && forward) {
    stepForward();
  } else {
    f.walkVelocity = FightVector{};
    if (!forwardHeld && !backHeld && (f.action == StepForward || f.action == StepBack)) {
      f.action = Stand;
      f.walking = false;
    }
  }
}

void BlockOrRelease(int fighter, FighterCommand command) {
  Fighter& f = Fighters[fighter];
  FighterStatus& x = FighterStatuses[fighter];
  const bool held = command.Holds(FightInput::Block);
  if (held && !x.attacking && !x.hitPending) {
    x.blocking = true;
    f.action = Block;
    FighterStatuses[OpponentOf(fighter)].comboTime = kComboClosingTime;
  } else if (!held && (f.action == Block || f.action == Stand) && x.blocking) {
    f.action = Stand;
    x.blocking = false;
  }
}

FightInput StrikeInput(int kind) { return static_cast<FightInput>(static_cast<int>(FightInput::HandToHead) + kind - 1); }

void TryAttacks(int fighter, FighterCommand command) {
  const FighterStatus& x = FighterStatuses[fighter];
  Fighter& f = Fighters[fighter];
  for (int kind = HandToHead; kind <= LegToBody; ++kind) {
    const std::uint8_t bit = static_cast<std::uint8_t>(1u << static_cast<int>(StrikeInput(kind)));
    const bool free = !x.attacking && !x.inPain && !x.hitPending && !x.tired && !x.blocking;
    if (command.Holds(StrikeInput(kind)) && (f.strikeLatch & bit) == 0 &&
        FighterStatuses[OpponentOf(fighter)].life >= 0.0f && free) {
      f.strikeLatch = static_cast<std::uint8_t>(f.strikeLatch | bit);
      StartAttack(fighter, kind);
    }
  }
}

}  // namespace

void ReleaseStrikeLatch(int fighter, FighterCommand command) {
  Fighters[fighter].strikeLatch &= command.held;
}

void RunPlayerController(int fighter, FighterCommand command) {
  BeginControllerFrame(fighter);
  if (RoundLive()) {
    Walk(fighter, command);
    BlockOrRelease(fighter, command);
    TryAttacks(fighter, command);
    RunPainClock(fighter);
    ResolvePendingHit(fighter);
  }
  Fighter& f = Fighters[fighter];
  const bool moving = command.Holds(FightInput::Forward) || command.Holds(FightInput::Back);
  if (!moving || (fighter == 0 && MatchState.knockoutActive)) {
    f.walking = false;
    f.walkVelocity = FightVector{};
  }
  RunFighterClocks(fighter);
  RunComboClock(fighter);
  OrientFighter(fighter);
  DriveFighterBody(fighter);
}

void OrientFighter(int fighter) {
  Hooks().CentrePointer();
  Fighter& f = Fighters[fighter];
  f.forwardDir = f.viewDir;
  f.forwardDir.y = 0.0f;
}
