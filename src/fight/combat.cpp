#include "app/settings.h"
#include "fight/fight_internal.h"

namespace {

struct AttackRule {
  float reach;           // connects when 1 < distance < reach
  float durationFactor;  // of the character's strikeTime
  float damageFactor;
  int leftAction;
  int rightAction;
};

constexpr AttackRule kAttackRules[3] = {
    {4.0f, 1.0f, 2.5f, HeadLeft, HeadRight},    // HandToHead
    {5.0f, 1.3f, 2.0f, TorsoLeft, TorsoRight},  // HandToBody
    {6.0f, 1.9f, 1.5f, KickLeft, KickRight},    // LegToBody
};
constexpr float kMinimumReach = 1.0f;
// Every kind lands at this fraction of the attacker's base strike time.
constexpr float kHitMoment = 0.5f;

const AttackRule* RuleOf(int kind) {
  return (kind >= HandToHead && kind <= LegToBody) ? &kAttackRules[kind - 1] : nullptr;
}

constexpr float kPainDuration = 0.5f;
constexpr float kBlockedDamage = 0.4f;
constexpr float kUnblockedDamage = 2.0f;
constexpr float kAttackPush = 3.0f;
constexpr float kHitPush = 0.5f;
constexpr float kKnockoutPush = 19.0f;
constexpr float kWinDelay = 0.35f;

// Toward the opponent is +x for fighter one and -x for fighter two.
float TowardOpponent(int fighter) { return fighter == 0 ? 1.0f : -1.0f; }

// Where a blow meets the victim: a little in front of its body, toward the attacker.
FightVector ImpactPoint(int victim) {
  FightVector at = FighterStatuses[victim].bodyPosition;
  if (victim == 0) {
    at.x += 0.3f;
    at.y += 0.6f;
  } else {
    at.x -= 0.3f;
    at.y += 0.6f;
    at.z -= 0.2f;
  }
  return at;
}

void LaunchHitEffect(int victim) {
  const FightVector at = ImpactPoint(victim);
  // The burst sprays toward the attacker's side.
  const float sideways = victim == 0 ? 60.0f : -60.0f;
  float velocities[kHitParticleCount][3];
  for (auto& v : velocities) {
    const int r1 = RandomBelow(100);
    const int r2 = RandomBelow(100);
    const int r3 = RandomBelow(100);
    v[0] = static_cast<float>(r1 - 50) + sideways;
    v[1] = static_cast<float>(r2 - 50) * 0.01f;
    v[2] = static_cast<float>(r3 - 50);
  }
  Hooks().LaunchHitParticles(victim, at, velocities);
}

void EndAttackIfOver(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  if (!x.attacking) return;
  const AttackRule* rule = RuleOf(x.attackKind);
  const float duration = StatsOf(fighter).strikeTime * (rule ? rule->durationFactor : 1.0f);
  if (x.attackTime <= duration) {
    x.attackTime += 0.01f * FightFrame.step;
    return;
  }
  x.attacking = false;
  x.attackTime = 0.0f;
  Fighter& f = Fighters[fighter];
  if (f.action != Death && f.action != Win) f.action = Stand;
  if (x.tiredness < 100.0f) x.tiredness += 1.5f * StatsOf(fighter).fatigue;
}

void RunTiredness(FighterStatus& x) {
  if (x.tiredness > 0.0f) x.tiredness -= 0.2f * FightFrame.step;
  if (x.tiredness >= 99.0f && !x.tired) {
    x.tired = true;
    x.tiredness = 100.0f;
  }
  if (x.tired && x.tiredness < 50.0f) x.tired = false;
}

void CheckKnockout(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  if (!(x.life < 0.0f) || MatchState.roundOver || KnockoutsSuspended) return;
  const int a = OpponentOf(fighter);
  MatchState.knockoutActive = true;
  ++x.roundsLost;
  MatchState.roundOver = true;
  MatchState.winnerCharacter = MatchState.character[a];

  Fighters[fighter].action = Death;
  FighterStatuses[a].winPending = true;
  // The two-player mode announces fighter one's win by character instead.
  if (!(fighter == 1 && MatchState.gameMode == TwoPlayers)) FighterStatuses[a].wonRound = true;
  Fighters[fighter].walkVelocity = FightVector{};

  if (Settings.soundOn) {
    Hooks().PlaySound(MatchState.character[fighter] == kFemaleCharacter ? FightSound::KnockoutVoiceFemale
                                                                         : FightSound::KnockoutVoiceMale);
  }
  // The loser is thrown back toward the opponent's side.
  PushFighter(fighter, kKnockoutPush * TowardOpponent(fighter));
}

void CheckWin(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  if (x.winPending && MatchState.RoundClock > kWinDelay) {
    x.winPending = false;
    Fighters[fighter].action = Win;
    Fighters[fighter].walkVelocity = FightVector{};
  }
}

}  // namespace

bool KnockoutsSuspended = false;

StrikeTiming StrikeTimingOf(int character, int kind) {
  const AttackRule* rule = RuleOf(kind);
  if (!rule || character < 0 || character >= kCharacterCount) return StrikeTiming{};
  const float strikeTime = Roster[character].strikeTime;
  return StrikeTiming{strikeTime * rule->durationFactor, kHitMoment * strikeTime, kMinimumReach, rule->reach};
}

bool AttackReaches(int kind) {
  const AttackRule* rule = RuleOf(kind);
  return rule && MatchState.distance > kMinimumReach && MatchState.distance < rule->reach;
}

int NextSwingAction(Fighter& fighter, int kind) {
  bool* nextLeft = kind == HandToHead ? &fighter.nextLeftHead
                   : kind == HandToBody ? &fighter.nextLeftTorso
                                        : &fighter.nextLeftKick;
  const AttackRule* rule = RuleOf(kind);
  if (!rule) return fighter.action;
  const int action = *nextLeft ? rule->leftAction : rule->rightAction;
  *nextLeft = !*nextLeft;
  return action;
}

void StartAttack(int fighter, int kind) {
  if (!RuleOf(kind)) return;
  FighterStatus& x = FighterStatuses[fighter];
  x.attackKind = kind;
  if (AttackReaches(kind)) {
    FighterStatuses[OpponentOf(fighter)].hitPending = true;
    PushFighter(fighter, kAttackPush * TowardOpponent(fighter));
    if (fighter == 0) MatchState.attackSignal = true;
  }
  Fighter& f = Fighters[fighter];
  f.action = NextSwingAction(f, kind);
  x.attacking = true;
}

void RunPainClock(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  if (x.inPain && x.painTime <= kPainDuration) {
    x.painTime += 0.01f * FightFrame.step;
  } else if (x.inPain) {
    x.inPain = false;
    x.painTime = 0.0f;
    if (!x.blocking) Fighters[fighter].action = Stand;
  }
}

void ResolvePendingHit(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  const int a = OpponentOf(fighter);
  FighterStatus& attacker = FighterStatuses[a];
  // Every kind lands at half the attacker's base strike time, whatever its own duration.
  if (!x.hitPending || !(attacker.attackTime > kHitMoment * StatsOf(a).strikeTime)) return;

  x.hitPending = false;
  if (!x.blocking) {
    x.inPain = true;
    Fighters[fighter].action = Pain;
  }

  if (attacker.lastComboKind != attacker.attackKind && !x.blocking) {
    ++attacker.comboHits;
    attacker.lastComboKind = attacker.attackKind;
    attacker.comboActive = true;
  }
  attacker.comboTime = 0.0f;
  x.comboTime = kComboClosingTime;  // the victim's own combo closes at its next combo clock

  PushFighter(fighter, -kHitPush * TowardOpponent(fighter));

  if (Settings.soundOn) {
    if (x.blocking) {
      Hooks().PlaySound(FightSound::BlockSound);
    } else {
      Hooks().PlaySound(FightSound::HitSound);
      Hooks().PlaySound(MatchState.character[fighter] == kFemaleCharacter ? FightSound::PainVoiceFemale
                                                                           : FightSound::PainVoiceMale);
    }
  }

  if (x.life >= 0.0f) {
    const AttackRule* rule = RuleOf(attacker.attackKind);
    const float factor = rule ? rule->damageFactor : 0.0f;
    const float k = x.blocking ? kBlockedDamage : kUnblockedDamage;
    const float endurance = StatsOf(fighter).endurance;
    // The computer's fighter takes its endurance as a multiplier, not a divisor: a long-standing
    // rule of the game that makes tough computer opponents lose more life.
    if (ComputerSteers(fighter)) {
      x.life -= k * StatsOf(a).power * factor * endurance;
    } else {
      x.life -= k * StatsOf(a).power * factor / endurance;
    }
  }

  if (x.blocking) {
    Hooks().LaunchBlockFlash(fighter, ImpactPoint(fighter));
  } else {
    LaunchHitEffect(fighter);
  }
}

void RunFighterClocks(int fighter) {
  EndAttackIfOver(fighter);
  RunTiredness(FighterStatuses[fighter]);
  CheckKnockout(fighter);
  CheckWin(fighter);
}
