#pragma once

#include <cstdint>
#include <ctime>
#include <string>

#include "platform/pad_codes.h"

// The services of the desktop that the game uses, in the shape the game expects of them.
// Everything behind this header is SDL; nothing of SDL is visible in front of it.

enum class MessageIcon { Exclamation, Stop, Information };

// A modal message box. Where none can be shown (no display, no window manager to answer it, or an
// automated run) the caption and text go to standard error instead.
void ShowMessageBox(const char* caption, const char* text, MessageIcon icon);

// A Yes/No question; true for Yes. Where no box can be shown it is answered No.
bool AskYesNo(const char* caption, const char* text, MessageIcon icon);

// Entry point of the current GL context by name (for the ARB shader-object functions); null if missing.
void* GlProcAddress(const char* name);

// The high-resolution counter behind the frame timer; a frequency of 0 means there is none.
std::uint64_t PerformanceCounter();
std::uint64_t PerformanceFrequency();
// The millisecond clock the frame timer falls back on without the counter.
std::uint32_t MillisecondTicks();
// The calendar time in seconds, which seeds the draws (the script's own clock in an automated run).
std::int64_t WallClockSeconds();

// The mouse cursor.
void ShowPointer(bool visible);
void WarpPointer(int windowX, int windowY);
// The cursor in the window's client coordinates (points, origin top left).
void ReadPointerPosition(int& windowX, int& windowY);

// ---- Window messages -------------------------------------------------------------------------

enum class MessageKind {
  Quit,            // posted by PostQuitMessage; ends the main loop with exitCode
  Close,           // the window's close button
  Size,            // the client area changed: width × height drawable pixels
  Activate,        // gained (active) or lost the focus; minimised counts as lost
  KeyDown,         // virtualKey; auto-repeat sends it again
  KeyUp,
  SystemKeyDown,   // Alt, keys pressed while Alt is held, F10: never reach the key tables; a held
                   // key's auto-repeat is not sent again
  SystemKeyUp,
  LeftButtonDown,
  LeftButtonUp,
  RightButtonDown,
  RightButtonUp,
  PointerMove,
  PadAdded,        // pad: a game controller was plugged in (or was there at start)
  PadRemoved,      // pad: it was pulled out
  PadButtonDown,   // pad, button
  PadButtonUp,
  PadAxisMotion,   // pad, axis, axisValue
  DevicesChanged,  // automated runs only, between the script and this layer (see Automation)
};

struct WindowMessage {
  MessageKind kind = MessageKind::PointerMove;
  int virtualKey = 0;  // Windows virtual-key code, 0 for a key the game has no code for
  bool repeat = false; // KeyDown: sent again by auto-repeat
  int width = 0;
  int height = 0;
  bool active = false;
  bool minimised = false;
  int exitCode = 0;
  int x = 0;  // button messages: where the press happened, in the window's client coordinates
  int y = 0;
  int pad = -1;  // pad messages: the controller's id, unique for the run (a re-plugged pad gets a new one)
  PadButton button = PadButton::A;
  PadAxis axis = PadAxis::LeftX;
  int axisValue = 0;  // -32768 .. 32767 for the sticks (y grows downward), 0 .. 32767 for the triggers
};

// Removes the next waiting message; false when none is waiting (the main loop draws a frame then).
bool PeekWindowMessage(WindowMessage& message);
// The same, but waits up to timeoutMs for one first (an automated run never waits).
bool WaitWindowMessage(WindowMessage& message, int timeoutMs);
// The quit message is returned by the next PeekWindowMessage.
void PostQuitMessage(int exitCode);

// ---- Game controllers ----------------------------------------------------------------------

// Opens the controllers with SDL's mapping database, then adds the mappings of userMappingFile (when
// it exists), of the file named by SDL_GAMECONTROLLERCONFIG_FILE and of SDL_GAMECONTROLLERCONFIG, in
// that order, so the environment of one run wins over the user's file. Pads already plugged in
// arrive as PadAdded messages. False when the subsystem cannot start (the game runs without pads).
bool StartGamepads(const std::string& userMappingFile);
void StopGamepads();
// Rumbles the pad (strength 0..1) for the given time; false when it has none or is gone.
bool RumblePad(int pad, float strength, int milliseconds);

// Virtual pads (SDL's virtual joysticks) for automated runs: the slot 0..3 of the script's pad.
// In an automated run only virtual pads are seen, so a real pad on the machine cannot disturb it.
bool AttachVirtualPad(int slot);
bool DetachVirtualPad(int slot);
void SetVirtualPadButton(int slot, PadButton button, bool down);
void SetVirtualPadAxis(int slot, PadAxis axis, int value);
// The strength of the strongest rumble the game asked of the virtual pad since it was attached (0: none).
float VirtualPadRumble(int slot);

// ---- The game window and its GL context ------------------------------------------------------

// Start and stop the window system (the class registration of the desktop this stands in for).
bool StartWindowSystem();
void StopWindowSystem();

// Whether the game may go full screen at width × height: always, since full screen covers the
// desktop at its own mode; an automated run may refuse it.
bool DisplayModeAvailable(int width, int height, int colourBits);

enum class WindowFailure { Created, PixelFormat, Window, RenderingContext, ActivateContext };

// Creates a resizable window whose client area is width × height, full screen over the desktop
// when asked (the display's mode is never switched), with a double-buffered GL compatibility context of
// colourBits and depthBits, and makes the context current. The window is not yet shown.
WindowFailure OpenGameWindow(const char* title, int width, int height, int colourBits, int depthBits,
                             bool fullscreen);
// Shows the window, raises it and gives it the keyboard focus.
void ShowGameWindow();
// The client area in drawable pixels (the viewport size).
void DrawableSize(int& width, int& height);
// The client area in the units of ReadPointerPosition.
void WindowClientSize(int& width, int& height);
// The size of the desktop the window is on (of the first display before there is a window).
bool DesktopSize(int& width, int& height);
// Sizes the client area of a window (not full screen): width × height.
void SizeWindow(int width, int height);
// Full screen over the desktop, or back to a window of the size it had before.
void SetFullscreen(bool fullscreen);
bool IsFullscreen();
bool GameWindowExists();
bool GlContextExists();
// Each false is a failure the caller reports; the run goes on.
bool ReleaseGlContext();
bool DeleteGlContext();
bool DestroyGameWindowHandle();
// Vsync for the context, adaptive where the driver has it; true when the driver took it. On, the
// frames are also capped a little above the refresh rate, in case the driver takes the interval
// and does not wait. Off, frames follow each other as fast as they are drawn.
bool SetVsync(bool on);
// Shows the back buffer, then waits as long as the frame cap asks.
void SwapWindowBuffers();

// ---- Automated runs ----------------------------------------------------------------------------

// An automated run (the scripted driver) replaces the desktop's messages, counter, pointer, display
// modes and message boxes; the window and its GL context stay real, so frames are drawn as in play.
class Automation {
 public:
  virtual ~Automation() = default;
  // The next scripted message; false when none is waiting (a frame runs). A message of kind
  // DevicesChanged never reaches the game: a virtual pad changed, and its own messages come first.
  virtual bool NextMessage(WindowMessage& message) = 0;
  virtual std::uint64_t Counter() = 0;
  virtual std::uint64_t CounterFrequency() = 0;
  virtual std::int64_t WallClockSeconds() { return std::time(nullptr); }
  virtual void Pointer(int& windowX, int& windowY) = 0;
  virtual void PointerWarped(int windowX, int windowY) = 0;
  // A message box; the caption and text have already gone to standard error.
  virtual void MessageShown(const char* caption, const char* text) = 0;
  virtual bool AnswerYesNo(const char* caption, const char* text) = 0;
  // A display mode the script declares unsupported, on top of what the real display refuses.
  virtual bool RefusesDisplayMode(int width, int height, int colourBits) = 0;
  // The frame is complete in the back buffer and about to be shown.
  virtual void BeforeSwap() = 0;
};

// Installs the automation for the rest of the run (null gives the desktop back).
void UseAutomation(Automation* automation);
