#pragma once

// The game window and its GL context. Created once by the start-up sequence, destroyed by the
// exit sequence.

// Whether the window covers the desktop; Alt+Enter and a declined full screen change it.
extern bool Fullscreen;

// Creates the window, the GL context with vsync as the options say (SetVsync) and the renderer
// start-up. A size of 0 × 0 is the desktop's size. Every failure has been reported in a message
// box when it returns false.
bool CreateGameWindow(const char* title, int width, int height, int colourBits, bool fullscreen, int depthBits);
// Releases the renderer's GL objects, the context and the window. Failures are reported
// ("SHUTDOWN ERROR") and the run goes on.
void DestroyGameWindow();
// The window's drawable area changed: frames are drawn at FrameSize with a 60° perspective of
// their own shape; a height of 0 counts as 1.
void ResizeViewport(int width, int height);
// Alt+Enter: full screen over the desktop, or back to a window; the options remember it.
void ToggleFullscreen();
// Once per round of the main loop: vsync and full screen follow the options when the options
// page changed them.
void FollowDisplayOptions();
// Around each drawn frame: draws into the smaller frame when there is one, then scales it onto
// the window.
void BeginFrameDrawing();
void FinishFrameDrawing();
