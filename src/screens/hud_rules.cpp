#include "screens/hud_rules.h"

#include "render/texture_slots.h"

const char* ComboTitle(int comboLevel) {
  switch (comboLevel) {
    case 2: return "COMBO";
    case 3: return "SUPER COMBO";
    case 4: return "ULTRA COMBO";
    default: return nullptr;
  }
}

const char* ComboPointsText(int comboLevel, int fighterIndex, bool careerMode) {
  // Only the player earns career points; the opponent's combos are announced without them.
  if (!careerMode || fighterIndex != 0) return nullptr;
  switch (comboLevel) {
    case 2: return "+20 pts";
    case 3: return "+40 pts";
    case 4: return "+80 pts";
    default: return nullptr;
  }
}

BarFill BarFillFor(float x, float value, float length) {
  return {x + value * length / 100.0f, value * 0.01f};
}

IntroPicture IntroPictureAt(float t, int roundNumber) {
  if (t > 0 && t < 2) {
    static const int kRoundBanners[3] = {TextureSlot::RoundBanner(1), TextureSlot::RoundBanner(2),
                                         TextureSlot::RoundBanner(3)};
    if (roundNumber < 1 || roundNumber > 3) return {-1, 0};
    return {kRoundBanners[roundNumber - 1], 2 - t};
  }
  // The count-in pictures, in the order they show.
  if (t > 2 && t < 3) return {TextureSlot::kCountInReady, 3 - t};
  if (t > 3 && t < 4) return {TextureSlot::kCountInSet, 4 - t};
  if (t > 4 && t < 5) return {TextureSlot::kCountInFight, 5 - t};
  return {-1, 0};
}
