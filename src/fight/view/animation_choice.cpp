#include "fight/view/animation_choice.h"

namespace {

// Indexed by FighterAction.
constexpr const char* kAnimationByAction[] = {
    "LEGS_STAND",     "LEGS_RUN",      "LEGS_RUNB",     "LEGS_LEFTHEAD", "LEGS_RIGHTHEAD",
    "LEGS_LEFTTORS",  "LEGS_RIGHTTORS", "LEGS_LEFTBOK", "LEGS_RIGHTBOK", "LEGS_PAIN",
    "LEGS_DEATH",     "LEGS_BLOCK",    "LEGS_WIN",
};
constexpr int kActionCount = static_cast<int>(sizeof kAnimationByAction / sizeof kAnimationByAction[0]);

}  // namespace

const char* AnimationForAction(int action) {
  if (action < 0 || action >= kActionCount) return nullptr;
  return kAnimationByAction[action];
}

bool TakeActionChange(int& shownAction, int action) {
  if (shownAction == action) return false;
  shownAction = action;
  return true;
}
