#pragma once

// The clocks of the menu frame. All 0 at program start; they advance only while a menu frame is
// drawn, by the frame step.
struct MenuClockSet {
  float MenuPhase = 0;      // + 0.1 × step: blinking option values, turning fighter previews
  float MenuPulse = 0;      // + 0.2 × step: size pulse of the hovered button
  float ArrowWobble = 0;    // + 0.4 × step, back to 0 above 1000: shaking of hovered arrows
  float MenuFadeClock = 0;  // + 0.01 × step: fade-in from black, 0 at every screen change
};

extern MenuClockSet MenuClocks;

// A main-menu button that starts being hovered pulses from full size.
constexpr float kPulseFullSize = 1.57f;

// Start of a menu frame: phase and pulse.
void AdvanceMenuClocksAtFrameStart(float step);
// After the screen and the fade are drawn: fade clock and arrow wobble.
void AdvanceMenuClocksAfterFade(float step);

// Scale of a hovered button (1 when not hovered).
float ButtonPulseScale(bool hovered);
// Sideways or upward shake of a hovered arrow, in menu units (0 when not hovered).
float ArrowShake(bool hovered);
// Alpha of the blinking option values; the settings notice blinks in the opposite phase.
float OptionValueAlpha();
float SettingsNoticeAlpha();
