#include "fight/fight_hooks.h"

#include "fight/headless_hooks.h"

namespace {
HeadlessFightHooks headless;
FightHooks* installed = nullptr;
}  // namespace

FightHooks& Hooks() { return installed ? *installed : headless; }

void SetFightHooks(FightHooks* hooks) { installed = hooks; }
