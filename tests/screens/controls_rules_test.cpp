// The controls screen: reached from Options, a binding waits for a key or button, conflicts swap.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/fight_bindings.h"
#include "app/input_state.h"
#include "screen_test_support.h"
#include "screens/controls_rules.h"
#include "screens/menu_buttons.h"
#include "screens/menu_focus.h"
#include "screens/screens.h"

namespace {

constexpr int kHead = static_cast<int>(FightInput::HandToHead);
constexpr int kBody = static_cast<int>(FightInput::HandToBody);
constexpr int kForward = static_cast<int>(FightInput::Forward);

int Row(int fighter, FightInput input) { return kFirstBindingRow + fighter * kFightInputCount + static_cast<int>(input); }

// The middle of a row's click rectangle.
void ClickRow(int row) {
  for (const MenuButtonRow& b : MenuButtons) {
    if (b.row == row) return ClickAt((b.rect.left + b.rect.right) / 2, (b.rect.top + b.rect.bottom) / 2);
  }
  FAIL() << "no row " << row;
}

class ControlsScreenRules : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetScreenRecords();
    RecordScreenEffects(log);
    ActiveFightBindings = DefaultFightBindings();
    ScreenFlow.gameState = GameState::Options;
    ClickAt(663, 566);  // CONTROLS
  }
  std::vector<std::string> log;
};

TEST_F(ControlsScreenRules, ReachedFromOptionsWithEveryRowInsideTheScreenAndLeftByBack) {
  ASSERT_EQ(ScreenFlow.gameState, GameState::Controls);
  int rows = 0;
  for (const MenuButtonRow& b : MenuButtons) {
    if (b.state != GameState::Controls) continue;
    ++rows;
    EXPECT_TRUE(b.rect.left >= 0 && b.rect.right <= 800 && b.rect.top >= 0 && b.rect.bottom <= 600) << b.row;
    EXPECT_EQ(ButtonUnderPointer(GameState::Controls, (b.rect.left + b.rect.right) / 2,
                                 (b.rect.top + b.rect.bottom) / 2)->row, b.row);  // no row hides another
  }
  EXPECT_EQ(rows, 3 + 2 * kFightInputCount);
  ClickAt(57, 566);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
}

TEST_F(ControlsScreenRules, AChosenEntryTakesTheNextKeyAndEscapeCancels) {
  ClickRow(Row(0, FightInput::HandToHead));
  EXPECT_TRUE(ControlsWaiting());
  CaptureKey('Q');
  EXPECT_FALSE(ControlsWaiting());
  EXPECT_EQ(ActiveFightBindings.key[0][kHead], 'Q');
  EXPECT_EQ(ControlsScreen.notice, "");

  ClickRow(Row(0, FightInput::HandToBody));
  CaptureKey(VirtualKey::Escape);
  EXPECT_FALSE(ControlsWaiting());
  EXPECT_EQ(ActiveFightBindings.key[0][kBody], 'X');
}

TEST_F(ControlsScreenRules, AKeyAnotherEntryHoldsIsSwappedAndTheScreenSaysSo) {
  ClickRow(Row(0, FightInput::HandToHead));
  CaptureKey(VirtualKey::Left);  // fighter two's forward
  EXPECT_EQ(ActiveFightBindings.key[0][kHead], VirtualKey::Left);
  EXPECT_EQ(ActiveFightBindings.key[1][kForward], 'Z');
  EXPECT_EQ(ControlsScreen.notice, "LEFT ARROW was second fighter forward, which now has Z");

  ClickRow(Row(1, FightInput::Forward));
  CaptureKey(VirtualKey::F10);  // the desktop's: refused, still waiting
  EXPECT_TRUE(ControlsWaiting());
  EXPECT_NE(ControlsScreen.notice.find("cannot be chosen"), std::string::npos);
  CaptureKey(VirtualKey::Left);  // back where it was: swapped again
  EXPECT_EQ(ActiveFightBindings.key[1][kForward], VirtualKey::Left);
  EXPECT_EQ(ActiveFightBindings.key[0][kHead], 'Z');
}

TEST_F(ControlsScreenRules, PadButtonsSwapWithinOneFightersPadAndTheStickBindsAsTheDpad) {
  ClickRow(Row(0, FightInput::HandToHead));
  CapturePadButton(PadButton::A);  // fighter one's body strike
  EXPECT_EQ(ActiveFightBindings.pad[0][kHead], PadButton::A);
  EXPECT_EQ(ActiveFightBindings.pad[0][kBody], PadButton::X);
  EXPECT_EQ(ActiveFightBindings.pad[1][kBody], PadButton::A);  // the other pad is left alone
  EXPECT_NE(ControlsScreen.notice.find("was first fighter hand to body"), std::string::npos) << ControlsScreen.notice;

  ClickRow(Row(1, FightInput::HandToHead));
  CapturePadButton(PadButton::Start);  // pauses: refused
  EXPECT_TRUE(ControlsWaiting());
  CapturePadButton(PadButton::StickUp);
  EXPECT_EQ(ActiveFightBindings.pad[1][kHead], PadButton::DpadUp);

  ClickRow(Row(1, FightInput::Block));
  CapturePadButton(PadButton::Back);  // cancels
  EXPECT_FALSE(ControlsWaiting());
  EXPECT_EQ(ActiveFightBindings.pad[1][static_cast<int>(FightInput::Block)], PadButton::RightShoulder);
}

TEST_F(ControlsScreenRules, DefaultsRestoreTodaysKeysAndTheLonePadsFighterToggles) {
  ClickRow(Row(0, FightInput::Block));
  CaptureKey('K');
  ClickRow(kSinglePadRow);
  EXPECT_EQ(ActiveFightBindings.singlePad, SinglePad::PlaysFighterOne);
  ClickAt(259, 566);  // DEFAULTS
  EXPECT_EQ(ActiveFightBindings.key[0][static_cast<int>(FightInput::Block)], VirtualKey::Space);
  EXPECT_EQ(ActiveFightBindings.singlePad, SinglePad::PlaysFighterTwo);
}

TEST_F(ControlsScreenRules, TheEntriesAreReachedByKeysAndEscapeGoesBack) {
  HandleMenuKey(MenuKey::Down);  // BACK shows first
  EXPECT_TRUE(ScreenFlow.hover[0]);
  HandleMenuKey(MenuKey::Up);  // fighter one's lowest entry is the nearest above
  EXPECT_TRUE(ShowsFocus(Row(0, FightInput::LegToBody)));
  HandleMenuKey(MenuKey::Right);
  EXPECT_TRUE(ShowsFocus(Row(1, FightInput::LegToBody)));
  HandleMenuKey(MenuKey::Left);
  HandleMenuKey(MenuKey::Activate);
  EXPECT_EQ(ControlsScreen.waitingRow, Row(0, FightInput::LegToBody));
  CaptureKey(VirtualKey::Escape);
  HandleMenuKey(MenuKey::Back);
  EXPECT_EQ(ScreenFlow.gameState, GameState::Options);
}

}  // namespace
