// The window procedure on its own: no window, no GL context and no audio device are needed, since
// everything it calls does nothing without them.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>

#include "app/app.h"
#include "app/fight_bindings.h"
#include "app/pad_state.h"
#include "app/window_procedure.h"
#include "audio/audio.h"
#include "fight/match_state.h"
#include "screens/controls_rules.h"
#include "screens/screens.h"

namespace {

WindowMessage Message(MessageKind kind, int virtualKey = 0) {
  WindowMessage message;
  message.kind = kind;
  message.virtualKey = virtualKey;
  return message;
}

WindowMessage Activation(bool active, bool minimised) {
  WindowMessage message = Message(MessageKind::Activate);
  message.active = active;
  message.minimised = minimised;
  return message;
}

class WindowProcedureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::fill(std::begin(KeyState), std::end(KeyState), 0);
    WindowActive = true;
    ScreenFlow = ScreenFlowState{};
    ScreenFlow.gameState = GameState::MainMenu;
    Settings = GameSettings{};
    Settings.musicOn = true;
    LoadState = LoadStateRecord{};
    LoadState.loadPending = false;
    MusicFade = 0.5f;
    MenuMusicPending = false;
  }
  void TearDown() override {
    WindowMessage drained;
    while (PeekWindowMessage(drained)) {
    }
  }
};

TEST_F(WindowProcedureTest, KeysAreRecordedButSystemKeysNever) {
  WindowProcedure(Message(MessageKind::KeyDown, 'Z'));
  EXPECT_EQ(KeyState['Z'], 1);
  WindowProcedure(Message(MessageKind::KeyDown, 'Z'));  // auto-repeat
  EXPECT_EQ(KeyState['Z'], 1);
  WindowProcedure(Message(MessageKind::KeyUp, 'Z'));
  EXPECT_EQ(KeyState['Z'], 0);

  WindowProcedure(Message(MessageKind::SystemKeyDown, VirtualKey::F10));
  WindowProcedure(Message(MessageKind::SystemKeyDown, VirtualKey::Menu));
  WindowProcedure(Message(MessageKind::SystemKeyDown, 'X'));
  EXPECT_EQ(KeyState[VirtualKey::F10], 0);
  EXPECT_EQ(KeyState[VirtualKey::Menu], 0);
  EXPECT_EQ(KeyState['X'], 0);

  // A key without a code of its own changes nothing.
  WindowProcedure(Message(MessageKind::KeyDown, 0));
  EXPECT_EQ(std::count(std::begin(KeyState), std::end(KeyState), 1), 0);
}

TEST_F(WindowProcedureTest, CloseAsksToQuitWithZero) {
  WindowProcedure(Message(MessageKind::Close));
  WindowMessage message;
  ASSERT_TRUE(PeekWindowMessage(message));
  EXPECT_EQ(message.kind, MessageKind::Quit);
  EXPECT_EQ(message.exitCode, 0);
}

TEST_F(WindowProcedureTest, DeactivationAndActivationRestartTheMenuMusicFade) {
  WindowProcedure(Activation(false, false));
  EXPECT_FALSE(WindowActive);
  EXPECT_TRUE(MenuMusicPending);
  EXPECT_FLOAT_EQ(MusicFade, kMusicFadeStart);

  MusicFade = 0.5f;
  MenuMusicPending = false;
  WindowProcedure(Activation(true, false));
  EXPECT_TRUE(WindowActive);
  EXPECT_TRUE(MenuMusicPending);
  EXPECT_FLOAT_EQ(MusicFade, kMusicFadeStart);

  // Minimising counts as deactivation even when it arrives as an activation.
  WindowProcedure(Activation(true, true));
  EXPECT_FALSE(WindowActive);
}

TEST_F(WindowProcedureTest, MusicIsLeftAloneWhileLoadingOrSwitchedOff) {
  LoadState.loadPending = true;
  WindowProcedure(Activation(true, false));
  EXPECT_TRUE(WindowActive);
  EXPECT_FLOAT_EQ(MusicFade, 0.5f);
  EXPECT_FALSE(MenuMusicPending);

  Settings.musicOn = false;
  WindowProcedure(Activation(false, false));
  EXPECT_FALSE(WindowActive);
  EXPECT_FLOAT_EQ(MusicFade, 0.5f);
  EXPECT_FALSE(MenuMusicPending);
}

TEST_F(WindowProcedureTest, FightMusicIsTheOneRestartedDuringAFight) {
  ScreenFlow.gameState = GameState::Fight;
  WindowProcedure(Activation(false, false));
  EXPECT_FALSE(MenuMusicPending);
  EXPECT_FLOAT_EQ(MusicFade, kMusicFadeStart);
  MusicFade = 0.5f;
  WindowProcedure(Activation(true, false));
  EXPECT_FALSE(MenuMusicPending);
  EXPECT_FLOAT_EQ(MusicFade, kMusicFadeStart);
}

// Without a window the client area is empty and a click's place reads as menu units.
WindowMessage ClickAt(MessageKind kind, int x, int y) {
  WindowMessage message = Message(kind);
  message.x = x;
  message.y = y;
  return message;
}

TEST_F(WindowProcedureTest, LeftClicksActWhereTheyHappenedInTheMenusButNotInTheFight) {
  // The last menu frame saw the pointer far from the main menu's EXIT button; the press is on it
  // (a tap, a pen, a fast click after a jump of the pointer).
  ScreenFlow.PointerX = 10;
  ScreenFlow.PointerY = 10;
  WindowProcedure(ClickAt(MessageKind::RightButtonDown, 589, 441));
  WindowProcedure(ClickAt(MessageKind::LeftButtonUp, 589, 441));
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);
  WindowProcedure(ClickAt(MessageKind::LeftButtonDown, 589, 441));
  EXPECT_EQ(ScreenFlow.gameState, GameState::QuitConfirm);
  EXPECT_EQ(ScreenFlow.PointerX, 589);

  ScreenFlow.gameState = GameState::Fight;
  WindowProcedure(ClickAt(MessageKind::LeftButtonDown, 589, 441));
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
}

TEST_F(WindowProcedureTest, MenuKeysAndPadPressesMoveTheFocusAndTheMouseTakesTheHoverBack) {
  Pads = PadSet{};
  WindowProcedure(Message(MessageKind::KeyDown, VirtualKey::Right));  // shows CAREER
  WindowProcedure(Message(MessageKind::KeyDown, VirtualKey::Right));
  EXPECT_TRUE(ScreenFlow.hover[1]);
  WindowMessage pad = Message(MessageKind::PadAdded);
  pad.pad = 42;
  WindowProcedure(pad);
  pad.kind = MessageKind::PadAxisMotion;
  pad.axis = PadAxis::LeftX;
  pad.axisValue = 30000;  // the stick pushed right is a press
  WindowProcedure(pad);
  EXPECT_TRUE(ScreenFlow.hover[2]);
  WindowProcedure(pad);  // still pushed: no second press
  EXPECT_TRUE(ScreenFlow.hover[2]);
  pad.kind = MessageKind::PadButtonDown;
  pad.button = PadButton::A;
  WindowProcedure(pad);
  EXPECT_EQ(ScreenFlow.gameState, GameState::TwoPlayerSetup);
  pad.button = PadButton::B;
  WindowProcedure(pad);
  EXPECT_EQ(ScreenFlow.gameState, GameState::MainMenu);

  ScreenFlow.PointerX = 589;
  ScreenFlow.PointerY = 441;
  WindowProcedure(Message(MessageKind::PointerMove));
  EXPECT_TRUE(ScreenFlow.hover[4]);
  EXPECT_FALSE(ScreenFlow.hover[2]);

  ScreenFlow.gameState = GameState::Fight;  // in the fight the keys are the fighters'
  WindowProcedure(Message(MessageKind::KeyDown, VirtualKey::Escape));
  EXPECT_EQ(ScreenFlow.gameState, GameState::Fight);
}

TEST_F(WindowProcedureTest, OnTheControlsScreenAnAutoRepeatedKeyIsNeverTakenAsABinding) {
  ActiveFightBindings = DefaultFightBindings();
  ScreenFlow.gameState = GameState::Controls;
  ScreenFlow.focusByKeys = true;
  ScreenFlow.focusTarget = kFirstBindingRow;  // fighter one's forward
  WindowProcedure(Message(MessageKind::KeyDown, VirtualKey::Return));
  ASSERT_TRUE(ControlsWaiting());
  WindowMessage repeat = Message(MessageKind::KeyDown, VirtualKey::Return);
  repeat.repeat = true;  // Enter still held
  WindowProcedure(repeat);
  EXPECT_TRUE(ControlsWaiting());
  WindowProcedure(Message(MessageKind::KeyUp, VirtualKey::Return));
  WindowProcedure(Message(MessageKind::KeyDown, 'Q'));
  EXPECT_FALSE(ControlsWaiting());
  EXPECT_EQ(ActiveFightBindings.key[0][0], 'Q');
  ActiveFightBindings = DefaultFightBindings();
}

TEST_F(WindowProcedureTest, APadPulledOutOfAFightIsNotedOnlyWhenItPlaysAFighter) {
  Pads = PadSet{};
  PadPulledOutOfFight = false;
  MatchState.gameMode = QuickFight;
  ScreenFlow.gameState = GameState::Fight;
  WindowMessage pad = Message(MessageKind::PadAdded);
  for (int id : {5, 6}) {
    pad.pad = id;
    WindowProcedure(pad);
  }
  pad.kind = MessageKind::PadRemoved;
  pad.pad = 6;  // the second pad plays nobody against the computer
  WindowProcedure(pad);
  EXPECT_FALSE(PadPulledOutOfFight);
  pad.pad = 5;
  WindowProcedure(pad);
  EXPECT_TRUE(PadPulledOutOfFight);
  EXPECT_EQ(PadSlotOf(5), -1);
  PadPulledOutOfFight = false;
}

TEST_F(WindowProcedureTest, PointerMovesUpdateTheHoverFlags) {
  ScreenFlow.PointerX = 589;
  ScreenFlow.PointerY = 441;
  WindowProcedure(Message(MessageKind::PointerMove));
  EXPECT_TRUE(ScreenFlow.hover[4]);
  ScreenFlow.PointerX = 10;
  WindowProcedure(Message(MessageKind::SystemKeyDown, VirtualKey::Menu));  // any other message too
  EXPECT_FALSE(ScreenFlow.hover[4]);

  ScreenFlow.PointerX = 589;
  ScreenFlow.gameState = GameState::Fight;
  WindowProcedure(Message(MessageKind::PointerMove));
  EXPECT_FALSE(ScreenFlow.hover[4]);
}

}  // namespace
