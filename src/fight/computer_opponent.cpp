#include <algorithm>

#include "fight/fight_internal.h"

namespace {

constexpr float kModeKeepAlive = 4.0f;
constexpr float kPressDistance = 6.0f;  // rests at a distance beyond this, retreats inside it
constexpr float kRetreatDistance = 8.0f;
constexpr float kNearOwnWall = 9.5f;
constexpr float kRetreatLimitX = 15.0f;
constexpr float kBlockDistance = 6.0f;
constexpr float kBlockDuration = 0.35f;
constexpr float kAttackPush = -3.0f;  // toward the player

// Rest before the next attack, by temperament 1..7.
constexpr float kRestByTemperament[7] = {8.0f, 7.5f, 7.0f, 6.5f, 6.0f, 5.5f, 5.0f};
// Longest burst, by level 1..5.
constexpr int kLongestBurst[5] = {3, 4, 4, 5, 5};

constexpr int kQuickFightLevel = 2;
constexpr int kQuickFightTemperament = 3;

void RunClock(float& clock, bool& mode) {
  if (clock >= 0.0f) {
    clock -= 0.01f * FightFrame.step;
  } else {
    mode = false;
  }
}

void RunCooldown(float& clock) {
  if (clock >= 0.0f) clock -= 0.01f * FightFrame.step;
}

void ChooseMode(Fighter& f, const FighterStatus& self) {
  const bool resting = !f.attackReady || self.tired;
  const float distance = MatchState.distance;
  const float x = self.bodyPosition.x;
  float* chosenClock = nullptr;
  // The later rule wins when several hold.
  if (resting && (distance > kPressDistance || x > kNearOwnWall)) {
    f.waitMode = true;
    f.retreatMode = f.pressMode = false;
    f.retreatTime = f.pressTime = 0.0f;
    chosenClock = &f.waitTime;
  }
  if ((self.inPain || (resting && distance < kPressDistance)) && distance < kRetreatDistance && x < kNearOwnWall) {
    f.retreatMode = true;
    f.waitMode = f.pressMode = false;
    f.waitTime = f.pressTime = 0.0f;
    chosenClock = &f.retreatTime;
  }
  if (f.attackReady && !self.tired) {
    f.pressMode = true;
    f.waitMode = f.retreatMode = false;
    f.retreatTime = f.waitTime = 0.0f;
    chosenClock = &f.pressTime;
  }
  if (chosenClock) *chosenClock = kModeKeepAlive;
}

void Move(Fighter& f, const FighterStatus& self) {
  const bool free = !self.attacking && !self.blocking;
  const float x = self.bodyPosition.x;
  if (f.waitMode) {
    // falls through to standing
  } else if (f.retreatMode && free && MatchState.distance < kRetreatDistance && x < kRetreatLimitX) {
    f.action = StepBack;
    f.walkVelocity = FightVector{f.forwardDir.x * kWalkSpeed, f.forwardDir.y * kWalkSpeed,
                                 f.forwardDir.z * kWalkSpeed, f.forwardDir.w * kWalkSpeed};
    f.walking = true;
    return;
  } else if (f.pressMode && free) {
    // Walks in even when already close: the bodies then push against each other.
    f.walkVelocity = FightVector{-f.forwardDir.x * kWalkSpeed, -f.forwardDir.y * kWalkSpeed,
                                 -f.forwardDir.z * kWalkSpeed, -f.forwardDir.w * kWalkSpeed};
    f.action = StepForward;
    f.walking = true;
    return;
  }
  f.walkVelocity = FightVector{};
  f.drive = FightVector{};
  f.walking = false;
  if (f.action == StepForward || f.action == StepBack) f.action = Stand;
}

void TryAttack(Fighter& f, FighterStatus& self, int level) {
  const FighterStatus& player = FighterStatuses[0];
  for (int kind = HandToHead; kind <= LegToBody; ++kind) {
    const bool free = !self.attacking && !self.inPain && !self.hitPending && !self.tired && !self.blocking;
    // The planned kind is kept even out of reach: pressing walks in until it reaches.
    if (!(player.life >= 0.0f) || !free || !f.attackReady || f.nextAttackKind != kind || !AttackReaches(kind)) {
      continue;
    }
    self.attackKind = kind;
    f.action = NextSwingAction(f, kind);
    self.attacking = true;
    FighterStatuses[0].hitPending = true;

    ++f.burstCount;
    f.nextAttackKind = RandomBelow(3) + 1;
    if (f.burstCount >= f.burstLength) f.attackReady = false;
    f.attackCooldown = kRestByTemperament[std::clamp(f.temperament, 1, 7) - 1];
    if (level > 1) f.attackCooldown /= 0.4f * static_cast<float>(level) + 0.6f;

    PushFighter(1, kAttackPush);
  }
}

void RunBlock(Fighter& f, FighterStatus& self, int level) {
  if (f.blockCooldown < 1.0f) f.canBlock = 1;
  f.blockRecovery = 3.5f / (static_cast<float>(level + 3) * 0.25f);

  FighterStatus& player = FighterStatuses[0];
  if (MatchState.attackSignal && MatchState.distance < kBlockDistance && f.canBlock != 0 && !self.attacking) {
    self.blocking = true;
    f.blockTime = 0.0f;
    MatchState.attackSignal = false;
    f.action = Block;
    player.comboTime = kComboClosingTime;
  }
  if (self.blocking && f.blockTime <= kBlockDuration) {
    f.blockTime += 0.01f * FightFrame.step;
  } else if (self.blocking) {
    self.blocking = false;
    f.canBlock = 0;
    f.blockTime = 0.0f;
    f.action = Stand;
    f.blockCooldown = f.blockRecovery;
  }
  // One decision per player attack: a signal not taken up in its first frame is dropped.
  if (player.attacking && !self.blocking) MatchState.attackSignal = false;
}

}  // namespace

int ChosenComputerTemperament = 0;

void RunComputerController(int gameMode) {
  Fighter& f = Fighters[1];
  FighterStatus& self = FighterStatuses[1];

  // The keep-alive clocks run in every frame, live or not.
  RunClock(f.retreatTime, f.retreatMode);
  RunClock(f.waitTime, f.waitMode);
  RunClock(f.pressTime, f.pressMode);
  RunCooldown(f.attackCooldown);
  RunCooldown(f.blockCooldown);

  int level = kQuickFightLevel;
  if (gameMode == Career) {
    const int opponent = MatchState.character[1];
    if (opponent >= 1 && opponent <= 7) f.temperament = opponent;
    if (ChosenComputerTemperament >= 1 && ChosenComputerTemperament <= 7) f.temperament = ChosenComputerTemperament;
    level = MatchState.difficulty;
  } else if (gameMode == QuickFight) {
    f.temperament = kQuickFightTemperament;
  }
  level = std::clamp(level, 1, 5);

  BeginControllerFrame(1);

  if (RoundLive()) {
    ChooseMode(f, self);
    Move(f, self);
    if (f.attackCooldown < 1.0f) {
      f.attackReady = true;
      f.burstCount = 0;
      f.burstLength = RandomBelow(kLongestBurst[level - 1]) + 1;
    }
    TryAttack(f, self, level);
    RunPainClock(1);
    ResolvePendingHit(1);
    RunBlock(f, self, level);
  } else {
    f.walking = false;
    f.walkVelocity = FightVector{};
  }

  RunFighterClocks(1);
  RunComboClock(1);
  OrientFighter(1);
  DriveFighterBody(1);
}

void ResetOpponent() {
  Fighter& f = Fighters[1];
  f.waitMode = f.retreatMode = f.pressMode = false;
  f.nextAttackKind = RandomBelow(3) + 1;
}
