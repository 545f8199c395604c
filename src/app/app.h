#pragma once

// The program's spine: start-up, the main loop with its frame, and the exit sequence.

#include "app/frame_clock.h"  // FrameClock, AnimClock
#include "app/game_path.h"    // NativePath
#include "app/input_state.h"  // KeyState, WindowActive, VirtualKey
#include "app/pointer.h"      // ReadPointer
#include "app/settings.h"     // Settings, ReadSettings, WriteSettings
#include "app/timer.h"        // TimerStart, TimerNowMs

// The loading phase of the first eight seconds. Program start: pending, progress 0.
struct LoadStateRecord {
  bool loadPending = true;    // cleared in the frame that loads the content
  float loadProgress = 0.0f;  // seconds of loading screen shown, + 0.01 × step per frame
};
extern LoadStateRecord LoadState;

// The whole run: settings, audio, window, main loop, exit sequence. Returns the quit message's
// code; 0 when the window could not be created; −1 when no audio device could be opened.
int GameMain();

// Draws one frame into the back buffer; always true.
bool RunFrame();

// One loading screen: the first image, or the second with "Loading...".
void LoadingScreen(bool secondImage);
