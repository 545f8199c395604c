#include "app/settings.h"
#include "fight/fight_internal.h"

namespace {

constexpr float kComboWindow = 0.6f;      // a combo closes this long after its last landed hit
constexpr float kComboClockLimit = 1.0f;  // the clock stops growing here
constexpr float kComboShowTime = 2.0f;    // the HUD shows the title until it has run down to 0.5

}  // namespace

void RunComboClock(int fighter) {
  FighterStatus& x = FighterStatuses[fighter];
  if (x.comboActive && x.comboTime < kComboClockLimit) x.comboTime += 0.01f * FightFrame.step;
  // Runs with or without an open combo: a forced close (comboTime 1.6) then only resets the fields.
  if (!(x.comboTime > kComboWindow)) return;

  x.comboActive = false;
  x.comboTime = 0.0f;
  FightSound sound = FightSound::ComboSound;
  if (x.comboHits == 2) {
    x.comboLevel = 2;
  } else if (x.comboHits == 3) {
    x.comboLevel = 3;
    sound = FightSound::SuperComboSound;
  } else if (x.comboHits >= 4) {
    x.comboLevel = 4;
    sound = FightSound::UltraComboSound;
  }
  if (x.comboHits > 1) {
    if (Settings.soundOn) Hooks().PlaySound(sound);
    x.comboShown = true;
    x.comboShowTime = kComboShowTime;
  }
  x.comboHits = 0;
  x.lastComboKind = kNoAttackKind;
}

void RunComboShowClock(bool& comboShown, float& comboShowTime, float step) {
  comboShowTime -= 0.01f * step;
  if (comboShowTime < kComboTitleEnd) comboShown = false;
}
