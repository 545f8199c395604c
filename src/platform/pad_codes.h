#pragma once

// The buttons and axes of a game controller as the game names them (the layout of an Xbox-style
// pad: A at the bottom, B on the right, X on the left, Y on top). No SDL here: the key tables,
// the bindings and the pad records use these codes.
enum class PadButton : int {
  A = 0,
  B,
  X,
  Y,
  Back,
  Guide,
  Start,
  LeftStick,
  RightStick,
  LeftShoulder,
  RightShoulder,
  DpadUp,
  DpadDown,
  DpadLeft,
  DpadRight,
  // Not buttons of the pad itself: the game reads the triggers and the left stick as buttons
  // once they are pushed far enough (see pad_state.h).
  LeftTrigger,
  RightTrigger,
  StickUp,
  StickDown,
  StickLeft,
  StickRight,
};
constexpr int kPadButtonCount = 21;
constexpr int kPadHardwareButtons = 15;  // A .. DpadRight, as the controller reports them

enum class PadAxis : int { LeftX = 0, LeftY, RightX, RightY, LeftTrigger, RightTrigger };
constexpr int kPadAxisCount = 6;
