#include "fight/fight_snapshot.h"

#include <xxhash.h>

#include <cmath>
#include <cstring>
#include <type_traits>
#include <vector>

#include "fight/fight_internal.h"

namespace {

// The records' fields one by one, so the bytes hold values and never padding. A field added to a
// record must be added to ForEachField too; the sizes below fail the build until it is.
static_assert(sizeof(FightVector) == 16 && sizeof(PhysicsBodyState) == 52);
static_assert(sizeof(Fighter) == 224 && sizeof(FighterStatus) == 80 && sizeof(MatchRecord) == 56,
              "a fight record changed: list its new fields in the hash below");

// Every field of the snapshot in a fixed order, for `field(x)` on each arithmetic value; `Snap` is
// FightSnapshot or const FightSnapshot.
template <typename Snap, typename Field>
void ForEachField(Snap& s, Field&& field) {
  auto vector = [&](auto& v) { field(v.x), field(v.y), field(v.z), field(v.w); };
  auto physics = [&](auto& v) { field(v.x), field(v.y), field(v.z); };
  for (auto& f : s.fighters) {
    vector(f.position), vector(f.viewDir), vector(f.forwardDir), vector(f.walkVelocity);
    vector(f.velocity), vector(f.drive);
    // shownAction belongs to the drawing (which animation it last started), not to the fight.
    field(f.body);
    physics(f.bodyState.position);
    for (auto& q : f.bodyState.orientation) field(q);
    physics(f.bodyState.linearVelocity), physics(f.bodyState.angularVelocity);
    field(f.action), field(f.nextLeftHead), field(f.nextLeftTorso), field(f.nextLeftKick), field(f.walking);
    field(f.speed), field(f.strikeLatch), field(f.waitMode), field(f.retreatMode), field(f.pressMode);
    field(f.retreatTime), field(f.waitTime), field(f.pressTime), field(f.attackCooldown), field(f.blockCooldown);
    field(f.burstCount), field(f.attackReady), field(f.canBlock), field(f.blockRecovery), field(f.nextAttackKind);
    field(f.temperament), field(f.burstLength), field(f.blockTime);
  }
  for (auto& x : s.statuses) {
    field(x.hitPending), field(x.attacking), field(x.inPain), field(x.attackTime), field(x.blocking);
    field(x.life), field(x.painTime), vector(x.bodyPosition), field(x.roundsLost), field(x.winPending);
    field(x.wonRound), field(x.tired), field(x.tiredness), field(x.attackKind), field(x.comboTime);
    field(x.comboActive), field(x.comboHits), field(x.comboLevel), field(x.comboShown), field(x.comboShowTime);
    field(x.lastComboKind);
  }
  auto& m = s.match;
  field(m.gameMode), field(m.difficulty), field(m.arena), field(m.character[0]), field(m.character[1]);
  field(m.seed), field(m.distance), field(m.RoundClock), field(m.introActive), field(m.knockoutActive);
  field(m.roundOver), field(m.fightLive), field(m.matchOver), field(m.roundNumber), field(m.winnerCharacter);
  field(m.attackSignal), field(m.randomState);
  field(s.worldBuilt);
}

bool Within(int v, int lowest, int highest) { return v >= lowest && v <= highest; }
bool AttackKindOrNone(int kind) { return Within(kind, HandToHead, LegToBody) || kind == kNoAttackKind; }

// What the rules index tables with, or divide by, must hold values the game itself produces.
bool Plausible(const FightSnapshot& s) {
  for (const Fighter& f : s.fighters) {
    if (!Within(f.action, Stand, Win) || !Within(f.nextAttackKind, HandToHead, LegToBody) ||
        !Within(f.body, kNoPhysicsBody, 1) || !Within(f.burstLength, 0, 100) || !Within(f.temperament, 0, 7)) {
      return false;
    }
  }
  for (const FighterStatus& x : s.statuses) {
    if (!AttackKindOrNone(x.attackKind) || !AttackKindOrNone(x.lastComboKind) || !Within(x.comboLevel, 1, 4) ||
        !Within(x.roundsLost, 0, 2) || !Within(x.comboHits, 0, 1000000)) {
      return false;
    }
  }
  const MatchRecord& m = s.match;
  return Within(m.gameMode, QuickFight, TwoPlayers) && Within(m.difficulty, 1, 5) && Within(m.arena, 1, 8) &&
         Within(m.character[0], 0, kCharacterCount - 1) && Within(m.character[1], 0, kCharacterCount - 1) &&
         Within(m.roundNumber, 0, 3) && Within(m.winnerCharacter, 0, kCharacterCount - 1);
}

}  // namespace

void SaveFightState(FightSnapshot& snapshot) {
  snapshot.fighters[0] = Fighters[0];
  snapshot.fighters[1] = Fighters[1];
  snapshot.statuses[0] = FighterStatuses[0];
  snapshot.statuses[1] = FighterStatuses[1];
  snapshot.match = MatchState;
  snapshot.worldBuilt = FightWorld() != nullptr;
}

void RestoreFightState(const FightSnapshot& snapshot) {
  const int shown[2] = {Fighters[0].shownAction, Fighters[1].shownAction};
  Fighters[0] = snapshot.fighters[0];
  Fighters[1] = snapshot.fighters[1];
  // The drawing keeps what it has on screen; it restarts an animation when the action differs.
  Fighters[0].shownAction = shown[0];
  Fighters[1].shownAction = shown[1];
  FighterStatuses[0] = snapshot.statuses[0];
  FighterStatuses[1] = snapshot.statuses[1];
  MatchState = snapshot.match;
  if (!snapshot.worldBuilt) {
    DestroyFightWorld();
  } else if (FightWorld()) {
    RenewFightWorld();
  } else {
    BuildFightWorldFromBodies();
  }
}

std::vector<std::uint8_t> FightSnapshotBytes(const FightSnapshot& snapshot) {
  std::vector<std::uint8_t> bytes;
  ForEachField(snapshot, [&bytes](const auto& value) {
    const auto* p = reinterpret_cast<const std::uint8_t*>(&value);
    bytes.insert(bytes.end(), p, p + sizeof value);
  });
  return bytes;
}

bool FightSnapshotFromBytes(const std::uint8_t* bytes, std::size_t size, FightSnapshot& snapshot) {
  if (size != FightSnapshotBytes(FightSnapshot{}).size()) return false;
  FightSnapshot read;
  std::size_t at = 0;
  bool sound = true;
  ForEachField(read, [&](auto& value) {
    using T = std::remove_reference_t<decltype(value)>;
    if constexpr (std::is_same_v<T, bool>) {
      sound = sound && bytes[at] <= 1;
      value = bytes[at] == 1;
    } else {
      std::memcpy(&value, bytes + at, sizeof value);
      if constexpr (std::is_floating_point_v<T>) sound = sound && std::isfinite(value);
    }
    at += sizeof value;
  });
  if (!sound || !Plausible(read)) return false;
  snapshot = read;
  return true;
}

std::uint64_t FightSnapshotHash(const FightSnapshot& snapshot) {
  const std::vector<std::uint8_t> bytes = FightSnapshotBytes(snapshot);
  return XXH3_64bits(bytes.data(), bytes.size());
}

std::uint64_t FightStateHash() {
  FightSnapshot snapshot;
  SaveFightState(snapshot);
  return FightSnapshotHash(snapshot);
}
