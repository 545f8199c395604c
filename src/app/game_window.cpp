#include "app/game_window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/renderer_startup.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "render/render.h"

bool Fullscreen = true;

namespace {

const char* WindowFailureText(WindowFailure failure) {
  switch (failure) {
    case WindowFailure::PixelFormat:
      return "Can't Find A Suitable PixelFormat.";
    case WindowFailure::Window:
      return "Window Creation Error.";
    case WindowFailure::RenderingContext:
      return "Can't Create A GL Rendering Context.";
    case WindowFailure::ActivateContext:
      return "Can't Activate The GL Rendering Context.";
    case WindowFailure::Created:
      break;
  }
  return "";
}

bool FailCreation(const char* text) {
  DestroyGameWindow();
  ShowMessageBox("ERROR", text, MessageIcon::Exclamation);
  return false;
}

void ShutdownError(const char* text) { ShowMessageBox("SHUTDOWN ERROR", text, MessageIcon::Information); }

}  // namespace

bool CreateGameWindow(const char* title, int width, int height, int colourBits, bool fullscreen, int depthBits) {
  Fullscreen = fullscreen;
  if (!StartWindowSystem()) {
    ShowMessageBox("ERROR", "Failed To Register The Window Class.", MessageIcon::Exclamation);
    return false;
  }
  if (Fullscreen && !DisplayModeAvailable(width, height, colourBits)) {
    if (AskYesNo("Tamsk GL",
                 "The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use Windowed Mode Instead?",
                 MessageIcon::Exclamation)) {
      Fullscreen = false;
    } else {
      ShowMessageBox("ERROR", "Program Will Now Close.", MessageIcon::Stop);
      return false;
    }
  }
  if (Fullscreen) ShowPointer(false);

  const WindowFailure failure = OpenGameWindow(title, width, height, colourBits, depthBits, Fullscreen);
  if (failure != WindowFailure::Created) return FailCreation(WindowFailureText(failure));

  ShowGameWindow();
  // A full-screen window gets the size the display really has, which need not be the one asked for.
  int drawableWidth = 0;
  int drawableHeight = 0;
  DrawableSize(drawableWidth, drawableHeight);
  ResizeViewport(drawableWidth, drawableHeight);

  if (!InitializeRenderer()) return FailCreation("Initialization Failed.");
  return true;
}

void DestroyGameWindow() {
  if (Fullscreen) {
    RestoreDesktopMode();
    ShowPointer(true);
  }
  if (GlContextExists()) {
    // GL objects can only be deleted while their context is current.
    ShutdownRenderer();
    ReleaseTgaTextures();
    if (!ReleaseGlContext()) ShutdownError("Release Of DC And RC Failed.");
    if (!DeleteGlContext()) ShutdownError("Release Rendering Context Failed.");
  }
  if (GameWindowExists() && !DestroyGameWindowHandle()) ShutdownError("Could Not Release hWnd.");
  StopWindowSystem();
}

void ResizeViewport(int width, int height) {
  if (height == 0) height = 1;
  glViewport(0, 0, width, height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, static_cast<double>(width) / static_cast<double>(height), 0.1, 400.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void EnterGameDisplayMode() {
  ApplyDisplayMode(Settings.width, Settings.height, Settings.colourBits, Fullscreen);
  // The desktop would send the size message from inside the move; the viewport follows at once.
  int width = 0;
  int height = 0;
  DrawableSize(width, height);
  if (width > 0) ResizeViewport(width, height);
}

void RestoreDesktopDisplayMode() {
  if (Fullscreen) RestoreDesktopMode();
}
