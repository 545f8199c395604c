#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/key_names.h"  // VirtualKeyNamed, PadButtonNamed
#include "screens/screen_flow.h"

// The scripted driver's script: one command a line, read before the game starts (docs/driver.md).

// Something about the running game that a script can wait for or insist on.
struct ScriptCondition {
  enum class Kind { State, Loading, Loaded, KeyDown, KeyUp, Active, Inactive, Fullscreen, Windowed, Message, Pointer, Step, Rumble, Winner, OnlineText, Distance };
  Kind kind = Kind::State;
  GameState state = GameState::MainMenu;
  int virtualKey = 0;
  std::string text;  // Message: part of a message box's caption or text; OnlineText: of the online screen's lines
  int x = 0;         // Pointer: menu units
  int y = 0;
  double step = 0.0;  // Step: the FrameClock step of the last frame
  double distance = 0.0;  // Distance: between the fighters, in the fight's units
  int pad = 0;        // Rumble: the script's pad, 0..3; Winner: the fighter, 0 or 1
};

enum class ScriptOp {
  Step,            // number[0]: milliseconds per frame
  TimerReadings,           // number[0], number[1]: the next frame's two timer readings, ms since TimerStart
  RefuseDisplay,   // the display refuses every full-screen mode
  Clock,           // number[0]: the calendar second (since 1970) the run starts at
  Answer,          // yes: the answer to every later Yes/No question
  Frames,          // count frames
  Wait,            // number[0] seconds of frames
  Until,           // condition, within count frames
  Expect,          // condition
  KeyDown,         // virtualKey
  KeyUp,
  KeyPress,        // down, one frame, up
  Move,            // x, y in menu units
  Click,           // move, one frame, left button down and up
  Tap,             // move and left button down and up at once, the press carrying its place
  RightClick,
  Activate,
  Deactivate,
  Minimise,
  Close,
  Screenshot,      // text: the PNG file
  PadAttach,       // pad: a virtual pad plugged in
  PadDetach,       // pad: pulled out
  PadDown,         // pad, button
  PadUp,
  PadPress,        // down, one frame, up
  PadAxisValue,    // pad, axis, x: the value
  Resources,       // text: the file a line of resource counts is added to
  Repeat,          // count passes at most, while the condition (if conditional) does not hold; jump: after its End
  End,             // jump: its Repeat
};

struct ScriptCommand {
  int line = 0;
  ScriptOp op = ScriptOp::Frames;
  double number[2] = {0.0, 0.0};
  int count = 0;
  int virtualKey = 0;
  int x = 0;
  int y = 0;
  bool yes = false;
  int pad = 0;  // the script's pad 1..4 as slot 0..3
  PadButton button = PadButton::A;
  PadAxis axis = PadAxis::LeftX;
  std::string text;
  ScriptCondition condition;
  bool conditional = false;  // Repeat: "until CONDITION" was given
  std::size_t jump = 0;      // Repeat, End: the index of the command control passes to
};

struct ParsedScript {
  std::vector<ScriptCommand> commands;
  std::string error;  // "LINE: what is wrong" for the first bad line; empty when the script is good
};

ParsedScript ParseDriverScript(const std::string& source);

// GameState names ("MainMenu", "Fight", ...), case-insensitive.
std::optional<GameState> GameStateNamed(const std::string& name);
const char* GameStateName(GameState state);
