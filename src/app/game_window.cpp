#include "app/game_window.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "app/display_geometry.h"
#include "app/game_options.h"
#include "app/renderer_startup.h"
#include "app/settings.h"
#include "platform/platform.h"
#include "render/render.h"

bool Fullscreen = true;

namespace {

// The window's drawable size and the size frames are drawn at (FrameSize).
struct FrameShape {
  int chosenHeight = 0;  // the resolution's height the run started with
  int windowWidth = 0;
  int windowHeight = 0;
  int width = 0;
  int height = 0;
};
FrameShape Shape;

// The display options as the window last took them, so a change on the options page is seen.
GameOptions Applied;

void SwitchFullscreen(bool fullscreen) {
  Fullscreen = fullscreen;
  SetFullscreen(Fullscreen);
  ShowPointer(!Fullscreen);
  // The size message follows from the desktop; the frame's shape follows at once.
  int width = 0;
  int height = 0;
  DrawableSize(width, height);
  if (width > 0) ResizeViewport(width, height);
}

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
  // The fourth resolution: the desktop's own size.
  if (width <= 0 || height <= 0) {
    width = 1024;
    height = 768;
    DesktopSize(width, height);
  }
  Shape.chosenHeight = height;
  if (Fullscreen) ShowPointer(false);

  const WindowFailure failure = OpenGameWindow(title, width, height, colourBits, depthBits, Fullscreen);
  if (failure != WindowFailure::Created) return FailCreation(WindowFailureText(failure));
  SetVsync(UserOptions.vsync != 0);
  Applied = UserOptions;

  ShowGameWindow();
  // A full-screen window gets the desktop's size, which need not be the one asked for.
  int drawableWidth = 0;
  int drawableHeight = 0;
  DrawableSize(drawableWidth, drawableHeight);
  ResizeViewport(drawableWidth, drawableHeight);

  if (!InitializeRenderer()) return FailCreation("Initialization Failed.");
  return true;
}

void DestroyGameWindow() {
  if (Fullscreen) ShowPointer(true);
  if (GlContextExists()) {
    // GL objects can only be deleted while their context is current.
    ReleaseSceneTarget();
    ReleaseKeptPicture();
    ShutdownRenderer();
    ReleaseTgaTextures();
    if (!ReleaseGlContext()) ShutdownError("Release Of DC And RC Failed.");
    if (!DeleteGlContext()) ShutdownError("Release Rendering Context Failed.");
  }
  if (GameWindowExists() && !DestroyGameWindowHandle()) ShutdownError("Could Not Release hWnd.");
  StopWindowSystem();
}

void ResizeViewport(int width, int height) {
  Shape.windowWidth = width;
  Shape.windowHeight = height;
  FrameSize(width, height, Fullscreen, Shape.chosenHeight, Shape.width, Shape.height);
  if (Shape.height == 0) Shape.height = 1;
  glViewport(0, 0, Shape.width, Shape.height);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  gluPerspective(60.0, static_cast<double>(Shape.width) / static_cast<double>(Shape.height), 0.1, 400.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void ToggleFullscreen() {
  SwitchFullscreen(!Fullscreen);
  UserOptions.windowed = Applied.windowed = Fullscreen ? 0 : 1;
}

void FollowDisplayOptions() {
  if (UserOptions.vsync != Applied.vsync) {
    Applied.vsync = UserOptions.vsync;
    SetVsync(Applied.vsync != 0);
  }
  if (UserOptions.windowed != Applied.windowed) {
    Applied.windowed = UserOptions.windowed;
    if (Fullscreen == (Applied.windowed != 0)) SwitchFullscreen(Applied.windowed == 0);
  }
}

void BeginFrameDrawing() {
  if (!BeginSceneFrame(Shape.width, Shape.height, Shape.windowWidth, Shape.windowHeight, Settings.depthBits)) {
    // No offscreen target: the frame is drawn at the window's size instead.
    Shape.width = Shape.windowWidth;
    Shape.height = Shape.windowHeight;
    ResizeViewport(Shape.windowWidth, Shape.windowHeight);
  }
}

void FinishFrameDrawing() { PresentSceneFrame(Shape.windowWidth, Shape.windowHeight); }
