#pragma once

// The game window, its display mode and its GL context. Created once by the start-up sequence,
// destroyed by the exit sequence.

// True at program start; cleared when the player accepts a window instead of full screen.
extern bool Fullscreen;

// Creates the window with the display mode, the GL context and the renderer start-up. Every
// failure has been reported in a message box when it returns false.
bool CreateGameWindow(const char* title, int width, int height, int colourBits, bool fullscreen, int depthBits);
// Gives the display back, releases the renderer's GL objects, the context and the window. Failures
// are reported ("SHUTDOWN ERROR") and the run goes on.
void DestroyGameWindow();
// Viewport and a 60° perspective for a client area; a height of 0 counts as 1.
void ResizeViewport(int width, int height);
// On activation: the display mode of the Settings (which the options may have changed).
void EnterGameDisplayMode();
// On deactivation: the desktop's display mode.
void RestoreDesktopDisplayMode();
