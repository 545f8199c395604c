#include "screens/menu_focus.h"

#include <cstdlib>
#include <limits>

#include "screens/controls_rules.h"
#include "screens/more_option_rows.h"
#include "screens/screen_rules.h"
#include "screens/screens.h"

namespace {

struct BackButton {
  GameState state;
  int row;
};

// Where a screen has a BACK (or the like: the main menu's EXIT opens the quit dialog, the dialog's
// No closes it, the story's skip leaves it). The pause menu has none: Escape stays the fight's.
constexpr BackButton kBackRows[] = {
    {GameState::MainMenu, 5},       {GameState::TwoPlayerSetup, 6}, {GameState::QuitConfirm, 14},
    {GameState::CareerMenu, 18},    {GameState::DifficultySelect, 19}, {GameState::CareerStory, 26},
    {GameState::PreFight, 27},      {GameState::Options, 32},       {GameState::MoreOptions, 40},
    {GameState::Controls, kControlsBackRow},
};

// The target a screen's first key focuses, where it is not the first in the table: the way on.
constexpr BackButton kFirstFocus[] = {
    {GameState::TwoPlayerSetup, 7}, {GameState::QuitConfirm, 14}, {GameState::DifficultySelect, 20},
    {GameState::PreFight, 28},
};

int FirstFocus(const std::vector<FocusTarget>& targets, GameState state) {
  for (const BackButton& b : kFirstFocus) {
    if (b.state == state) return b.row;
  }
  return targets.front().id;
}

int CentreX(const PointerRect& r) { return (r.left + r.right) / 2; }
int CentreY(const PointerRect& r) { return (r.top + r.bottom) / 2; }

const FocusTarget* Find(const std::vector<FocusTarget>& targets, int id) {
  for (const FocusTarget& t : targets) {
    if (t.id == id) return &t;
  }
  return nullptr;
}

// The nearest target in the direction (dx, dy) of the focused one: distance along the direction
// plus twice the distance across it, so a button straight ahead wins over a nearer one to the side.
int Neighbour(const std::vector<FocusTarget>& targets, const FocusTarget& from, int dx, int dy) {
  int best = from.id;
  long bestScore = std::numeric_limits<long>::max();
  for (const FocusTarget& t : targets) {
    const int ox = CentreX(t.rect) - CentreX(from.rect);
    const int oy = CentreY(t.rect) - CentreY(from.rect);
    const int along = ox * dx + oy * dy;
    const int across = std::abs(dx != 0 ? oy : ox);
    if (t.id == from.id || along <= 0) continue;
    const long score = along + 2L * across;
    if (score < bestScore) {
      bestScore = score;
      best = t.id;
    }
  }
  return best;
}

// Tab order: the table's order, wrapping.
int Cycle(const std::vector<FocusTarget>& targets, const FocusTarget& from, int by) {
  const int count = static_cast<int>(targets.size());
  for (int i = 0; i < count; ++i) {
    if (targets[i].id == from.id) return targets[(i + by + count) % count].id;
  }
  return from.id;
}

void Activate(int id) {
  if (id >= kFirstMoreOptionTarget) {
    ChooseMoreOption(id - kFirstMoreOptionTarget);
  } else {
    ActOnButton(id);
  }
}

}  // namespace

std::vector<FocusTarget> FocusTargets(GameState state) {
  std::vector<FocusTarget> targets;
  for (const MenuButtonRow& b : MenuButtons) {
    if (b.state == state) targets.push_back({b.row, b.rect});
  }
  if (state == GameState::MoreOptions) {
    for (int i = 0; i < MoreOptionRowCount(); ++i) {
      targets.push_back({kFirstMoreOptionTarget + i, MoreOptionValueRect(i)});
    }
  }
  return targets;
}

int BackRow(GameState state) {
  for (const BackButton& b : kBackRows) {
    if (b.state == state) return b.row;
  }
  return 0;
}

void HandleMenuKey(MenuKey key) {
  const GameState state = ScreenFlow.gameState;
  const std::vector<FocusTarget> targets = FocusTargets(state);
  if (targets.empty()) return;
  const bool wasShowing = ScreenFlow.focusByKeys;
  ScreenFlow.focusByKeys = true;
  if (key == MenuKey::Back) {
    if (const int back = BackRow(state)) ActOnButton(back);
    UpdateHover();
    return;
  }
  const FocusTarget* focused = Find(targets, ScreenFlow.focusTarget);
  if (focused == nullptr) {
    // A screen's first key shows where the focus is: on the first target.
    ScreenFlow.focusTarget = FirstFocus(targets, state);
  } else if (!wasShowing && key != MenuKey::Activate) {
    // Coming back from the mouse: the focus shows again where it was.
  } else {
    switch (key) {
      case MenuKey::Up: ScreenFlow.focusTarget = Neighbour(targets, *focused, 0, -1); break;
      case MenuKey::Down: ScreenFlow.focusTarget = Neighbour(targets, *focused, 0, 1); break;
      case MenuKey::Left: ScreenFlow.focusTarget = Neighbour(targets, *focused, -1, 0); break;
      case MenuKey::Right: ScreenFlow.focusTarget = Neighbour(targets, *focused, 1, 0); break;
      case MenuKey::Next: ScreenFlow.focusTarget = Cycle(targets, *focused, 1); break;
      case MenuKey::Previous: ScreenFlow.focusTarget = Cycle(targets, *focused, -1); break;
      case MenuKey::Activate: Activate(focused->id); break;
      case MenuKey::Back: break;
    }
  }
  UpdateHover();
}

void PointerUsed() { ScreenFlow.focusByKeys = false; }

bool ShowsFocus(int target) { return ScreenFlow.focusByKeys && ScreenFlow.focusTarget == target; }
