#include "render/fighter_model.h"

#include "app/frame_clock.h"
#include "render/animation_playback.h"

FighterModel FighterModels[8];

void FighterModel::SetAnimation(const char* name) { StartAnimation(lower, name, AnimClock); }

void FighterModel::Advance() {
  AdvancePart(lower, AnimClock);
  AdvancePart(upper, AnimClock);
}

void FighterModel::Hold() { HoldPart(lower, AnimClock); }

void ClearDrawnMarks() {
  for (FighterModel& model : FighterModels) model.drawn = false;
}

void HoldUndrawnModels() {
  for (FighterModel& model : FighterModels) {
    if (!model.drawn) model.Hold();
  }
}

int SkinTextureEntry(int skinIndex) {
  static const int entries[5] = {52, 50, 53, 51, 54};
  if (skinIndex < 0) skinIndex = 0;
  if (skinIndex > 4) skinIndex = 4;
  return entries[skinIndex];
}
