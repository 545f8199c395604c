#include "app/input_state.h"
#include "fight/fight_internal.h"

namespace {

constexpr float kWalkSpeed = 10.5f;
constexpr float kStepBackLimit = 8.0f;  // stepping back no longer moves a fighter this far away
constexpr float kBlockClosesCombo = 1.6f;

struct KeyMap {
  int forward[2];  // a second key of 0 means none
  int back[2];
  int attack[3];   // HandToHead, HandToBody, LegToBody
  int block;
};

// The arrows belong to fighter one only while fighter two is the computer.
KeyMap KeysOf(int fighter) {
  if (fighter == 1) return KeyMap{{VirtualKey::Left, 0}, {VirtualKey::Right, 0}, {'I', 'O', 'P'}, 'L'};
  if (MatchState.gameMode == TwoPlayers) return KeyMap{{'B', 0}, {'V', 0}, {'Z', 'X', 'C'}, VirtualKey::Space};
  return KeyMap{{'B', VirtualKey::Right}, {'V', VirtualKey::Left}, {'Z', 'X', 'C'}, VirtualKey::Space};
}

bool Down(int key) { return key != 0 && KeyState[key] != 0; }
bool AnyDown(const int (&keys)[2]) { return Down(keys[0]) || Down(keys[1]); }

FightVector Along(const FightVector& direction, float scale) {
  return FightVector{direction.x * scale, direction.y * scale, direction.z * scale, direction.w * scale};
}

void Walk(int fighter, const KeyMap& keys) {
  Fighter& f = Fighters[fighter];
  const FighterStatus& x = FighterStatuses[fighter];
  const bool free = !x.attacking && !x.blocking;
  // Forward is toward the opponent: +forwardDir for fighter one, -forwardDir for fighter two.
  const float forwardSign = fighter == 0 ? 1.0f : -1.0f;
  const bool forward = AnyDown(keys.forward) && free;
  const bool back = AnyDown(keys.back) && free;

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

  // With both keys down fighter one steps forward and fighter two steps back.
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
    if (!AnyDown(keys.forward) && !AnyDown(keys.back) && (f.action == StepForward || f.action == StepBack)) {
      f.action = Stand;
      f.walking = false;
    }
  }
}

void BlockOrRelease(int fighter, const KeyMap& keys) {
  Fighter& f = Fighters[fighter];
  FighterStatus& x = FighterStatuses[fighter];
  if (Down(keys.block) && !x.attacking && !x.hitPending) {
    x.blocking = true;
    f.action = Block;
    FighterStatuses[OpponentOf(fighter)].comboTime = kBlockClosesCombo;
  } else if (!Down(keys.block) && (f.action == Block || f.action == Stand) && x.blocking) {
    f.action = Stand;
    x.blocking = false;
  }
}

void TryAttacks(int fighter, const KeyMap& keys) {
  const FighterStatus& x = FighterStatuses[fighter];
  for (int kind = HandToHead; kind <= LegToBody; ++kind) {
    const int key = keys.attack[kind - 1];
    const bool free = !x.attacking && !x.inPain && !x.hitPending && !x.tired && !x.blocking;
    if (Down(key) && KeyLatch[key] == 0 && FighterStatuses[OpponentOf(fighter)].life >= 0.0f && free) {
      KeyLatch[key] = 1;
      StartAttack(fighter, kind);
    }
  }
}

}  // namespace

void RunKeyboardController(int fighter) {
  const KeyMap keys = KeysOf(fighter);
  BeginControllerFrame(fighter);
  if (RoundLive()) {
    Walk(fighter, keys);
    BlockOrRelease(fighter, keys);
    TryAttacks(fighter, keys);
    RunPainClock(fighter);
    ResolvePendingHit(fighter);
  }
  Fighter& f = Fighters[fighter];
  const bool moving = AnyDown(keys.forward) || AnyDown(keys.back);
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
