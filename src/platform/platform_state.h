#pragma once

#include <SDL.h>

#include <memory>

#include "platform/frame_pacer.h"
#include "platform/platform.h"

constexpr int kVirtualPadSlots = 4;

// What the platform layer keeps between calls. Lives for the whole run.
struct PlatformState {
  SDL_Window* window = nullptr;     // null before OpenGameWindow and after DestroyGameWindowHandle
  SDL_GLContext context = nullptr;  // current on the main thread while the window exists
  Automation* automation = nullptr;
  bool quitPosted = false;
  int quitCode = 0;
  bool reportedActive = true;  // the last activation reported, so focus and minimise do not repeat it
  int windowedWidth = 0;       // the window's size to come back to when it leaves full screen
  int windowedHeight = 0;
  std::unique_ptr<FramePacer> pacer;  // set by SetVsync(true)
  bool gamepadsStarted = false;
  SDL_JoystickID virtualPad[kVirtualPadSlots] = {-1, -1, -1, -1};  // instance ids of attached virtual pads
  float virtualRumble[kVirtualPadSlots] = {};  // the strongest rumble asked of each, 0..1
  // A single-buffered context (SDL's offscreen driver) has no swap to end the frame: the frame's
  // commands are flushed through this instead, or the driver queues them without end.
  void (*flushFrame)() = nullptr;
};

extern PlatformState Platform;
