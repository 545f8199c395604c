#include <gtest/gtest.h>

#include "app/driver/driver_script.h"
#include "app/input_state.h"

namespace {

TEST(DriverScriptTest, ReadsEveryCommandWithItsArguments) {
  const ParsedScript script = ParseDriverScript(
      "# start-up\n"
      "step 16.5\n"
      "timer 60 60.5\n"
      "refuse-display\n"
      "answer Yes\n"
      "\n"
      "frames 3   # trailing comment\n"
      "wait 7.5\n"
      "until state MainMenu within 50\n"
      "until loaded\n"
      "expect key z down\n"
      "expect message \"Program Will Now Close.\"\n"
      "expect pointer 400 300\n"
      "expect step 0.1\n"
      "key press Escape\n"
      "key down F10\n"
      "key up Left\n"
      "click 100 440\n"
      "right-click 0 599\n"
      "move 799 0\n"
      "deactivate\n"
      "minimise\n"
      "activate\n"
      "screenshot out/menu.png\n"
      "resources out/soak.txt\n"
      "close\n"
      "clock 1800000200\n");
  ASSERT_EQ(script.error, "");
  const auto& c = script.commands;
  ASSERT_EQ(c.size(), 25u);
  EXPECT_EQ(c[0].op, ScriptOp::Step);
  EXPECT_DOUBLE_EQ(c[0].number[0], 16.5);
  EXPECT_EQ(c[0].line, 2);
  EXPECT_EQ(c[1].op, ScriptOp::TimerReadings);
  EXPECT_DOUBLE_EQ(c[1].number[1], 60.5);
  EXPECT_EQ(c[2].op, ScriptOp::RefuseDisplay);
  EXPECT_TRUE(c[3].yes);
  EXPECT_EQ(c[4].op, ScriptOp::Frames);
  EXPECT_EQ(c[4].count, 3);
  EXPECT_EQ(c[4].line, 7);
  EXPECT_DOUBLE_EQ(c[5].number[0], 7.5);
  EXPECT_EQ(c[6].op, ScriptOp::Until);
  EXPECT_EQ(c[6].condition.kind, ScriptCondition::Kind::State);
  EXPECT_EQ(c[6].condition.state, GameState::MainMenu);
  EXPECT_EQ(c[6].count, 50);
  EXPECT_EQ(c[7].condition.kind, ScriptCondition::Kind::Loaded);
  EXPECT_GT(c[7].count, 1000);
  EXPECT_EQ(c[8].condition.kind, ScriptCondition::Kind::KeyDown);
  EXPECT_EQ(c[8].condition.virtualKey, 'Z');
  EXPECT_EQ(c[9].condition.text, "Program Will Now Close.");
  EXPECT_EQ(c[10].condition.x, 400);
  EXPECT_EQ(c[10].condition.y, 300);
  EXPECT_EQ(c[11].condition.kind, ScriptCondition::Kind::Step);
  EXPECT_DOUBLE_EQ(c[11].condition.step, 0.1);
  EXPECT_EQ(c[12].op, ScriptOp::KeyPress);
  EXPECT_EQ(c[12].virtualKey, VirtualKey::Escape);
  EXPECT_EQ(c[13].virtualKey, VirtualKey::F10);
  EXPECT_EQ(c[14].op, ScriptOp::KeyUp);
  EXPECT_EQ(c[14].virtualKey, VirtualKey::Left);
  EXPECT_EQ(c[15].op, ScriptOp::Click);
  EXPECT_EQ(c[15].x, 100);
  EXPECT_EQ(c[15].y, 440);
  EXPECT_EQ(c[16].op, ScriptOp::RightClick);
  EXPECT_EQ(c[17].op, ScriptOp::Move);
  EXPECT_EQ(c[18].op, ScriptOp::Deactivate);
  EXPECT_EQ(c[19].op, ScriptOp::Minimise);
  EXPECT_EQ(c[20].op, ScriptOp::Activate);
  EXPECT_EQ(c[21].text, "out/menu.png");
  EXPECT_EQ(c[22].op, ScriptOp::Resources);
  EXPECT_EQ(c[22].text, "out/soak.txt");
  EXPECT_EQ(c[23].op, ScriptOp::Close);
  EXPECT_EQ(c[24].op, ScriptOp::Clock);
  EXPECT_DOUBLE_EQ(c[24].number[0], 1800000200.0);
}

TEST(DriverScriptTest, ReadsTheTapAndThePadCommands) {
  const ParsedScript script = ParseDriverScript(
      "tap 589 440\n"
      "pad attach 2\n"
      "pad press 1 dpadleft\n"
      "pad down 4 RightTrigger\n"
      "pad up 4 StickUp\n"
      "pad axis 3 LeftY -32768\n"
      "until rumble 2 within 40\n"
      "pad detach 2\n"
      "expect winner two\n"
      "until distance 3.5\n");
  ASSERT_EQ(script.error, "");
  const auto& c = script.commands;
  ASSERT_EQ(c.size(), 10u);
  EXPECT_EQ(c[0].op, ScriptOp::Tap);
  EXPECT_EQ(c[0].x, 589);
  EXPECT_EQ(c[1].op, ScriptOp::PadAttach);
  EXPECT_EQ(c[1].pad, 1);
  EXPECT_EQ(c[2].op, ScriptOp::PadPress);
  EXPECT_EQ(c[2].button, PadButton::DpadLeft);
  EXPECT_EQ(c[3].op, ScriptOp::PadDown);
  EXPECT_EQ(c[3].pad, 3);
  EXPECT_EQ(c[3].button, PadButton::RightTrigger);
  EXPECT_EQ(c[4].op, ScriptOp::PadUp);
  EXPECT_EQ(c[4].button, PadButton::StickUp);
  EXPECT_EQ(c[5].op, ScriptOp::PadAxisValue);
  EXPECT_EQ(c[5].axis, PadAxis::LeftY);
  EXPECT_EQ(c[5].x, -32768);
  EXPECT_EQ(c[6].condition.kind, ScriptCondition::Kind::Rumble);
  EXPECT_EQ(c[6].condition.pad, 1);
  EXPECT_EQ(c[6].count, 40);
  EXPECT_EQ(c[7].op, ScriptOp::PadDetach);
  EXPECT_EQ(c[8].condition.kind, ScriptCondition::Kind::Winner);
  EXPECT_EQ(c[8].condition.pad, 1);
  EXPECT_EQ(c[9].condition.kind, ScriptCondition::Kind::Distance);
  EXPECT_DOUBLE_EQ(c[9].condition.distance, 3.5);
}

// Each repeat knows the command after its end, and each end its repeat, nested ones included.
TEST(DriverScriptTest, RepeatsPairWithTheirEnds) {
  const ParsedScript script = ParseDriverScript(
      "repeat 200 until state PreFight\n"
      "  key press Z\n"
      "  repeat 2\n"
      "    frames 8\n"
      "  end\n"
      "end\n"
      "close\n");
  ASSERT_EQ(script.error, "");
  const auto& c = script.commands;
  ASSERT_EQ(c.size(), 7u);
  EXPECT_EQ(c[0].op, ScriptOp::Repeat);
  EXPECT_EQ(c[0].count, 200);
  EXPECT_TRUE(c[0].conditional);
  EXPECT_EQ(c[0].condition.state, GameState::PreFight);
  EXPECT_EQ(c[0].jump, 6u);
  EXPECT_FALSE(c[2].conditional);
  EXPECT_EQ(c[2].count, 2);
  EXPECT_EQ(c[2].jump, 5u);
  EXPECT_EQ(c[4].op, ScriptOp::End);
  EXPECT_EQ(c[4].jump, 2u);
  EXPECT_EQ(c[5].jump, 0u);
}

TEST(DriverScriptTest, ReportsTheFirstBadLineAndKeepsNothing) {
  const struct {
    const char* source;
    const char* error;
  } cases[] = {
      {"frames 2\njump 3\n", "2: unknown command 'jump'"},
      {"resources\n", "1: usage: resources FILE"},
      {"frames -1\n", "1: usage: frames N"},
      {"step 0\n", "1: '0' is not a usable number"},
      {"timer 5\n", "1: 'timer' takes 2 number(s)"},
      {"key down Hyper\n", "1: unknown key 'Hyper'"},
      {"expect state Lobby\n", "1: unknown state 'Lobby'"},
      {"click 800 10\n", "1: the point lies outside the 800 x 600 menu"},
      {"expect message \"unclosed\n", "1: unclosed quote"},
      {"until\n", "1: a condition is missing"},
      {"expect distance far\n", "1: usage: distance D"},
      {"answer maybe\n", "1: usage: answer yes|no"},
      {"close now\n", "1: usage: close"},
      {"pad attach 5\n", "1: usage: pad attach|detach N, pad down|up|press N BUTTON, pad axis N AXIS VALUE (N 1 to 4)"},
      {"pad press 1 Turbo\n", "1: unknown pad button 'Turbo'"},
      {"pad axis 1 Wheel 0\n", "1: unknown pad axis 'Wheel'"},
      {"pad axis 1 LeftX 40000\n", "1: an axis value runs from -32768 to 32767"},
      {"tap 10 600\n", "1: the point lies outside the 800 x 600 menu"},
      {"expect rumble 0\n", "1: usage: rumble N (N 1 to 4)"},
      {"repeat\nend\n", "1: usage: repeat N [until CONDITION]"},
      {"repeat 3 while loaded\nend\n", "1: usage: repeat N [until CONDITION]"},
      {"repeat 3 until\nend\n", "1: a condition is missing"},
      {"frames 1\nend\n", "2: 'end' without its 'repeat'"},
      {"repeat 2\nrepeat 3\nframes 1\nend\n", "1: 'repeat' without its 'end'"},
  };
  for (const auto& c : cases) {
    const ParsedScript script = ParseDriverScript(c.source);
    EXPECT_EQ(script.error, c.error) << c.source;
    EXPECT_TRUE(script.commands.empty()) << c.source;
  }
}

TEST(DriverScriptTest, KeyAndStateNames) {
  EXPECT_EQ(VirtualKeyNamed("a"), 'A');
  EXPECT_EQ(VirtualKeyNamed("7"), '7');
  EXPECT_EQ(VirtualKeyNamed("f1"), VirtualKey::F1);
  EXPECT_EQ(VirtualKeyNamed("F12"), VirtualKey::F12);
  EXPECT_EQ(VirtualKeyNamed("F13"), std::nullopt);
  EXPECT_EQ(VirtualKeyNamed("SPACE"), VirtualKey::Space);
  EXPECT_EQ(VirtualKeyNamed("Enter"), VirtualKey::Return);
  EXPECT_EQ(VirtualKeyNamed("alt"), VirtualKey::Menu);
  EXPECT_EQ(VirtualKeyNamed("ab"), std::nullopt);
  for (GameState state : {GameState::Fight, GameState::MainMenu, GameState::TwoPlayerSetup, GameState::Pause,
                          GameState::Options, GameState::MoreOptions, GameState::Controls, GameState::CareerMenu, GameState::DifficultySelect,
                          GameState::PreFight, GameState::CareerStory, GameState::QuitConfirm}) {
    EXPECT_EQ(GameStateNamed(GameStateName(state)), state);
  }
  EXPECT_EQ(GameStateNamed("prefight"), GameState::PreFight);
}

}  // namespace
