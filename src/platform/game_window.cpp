// The game window and its GL context.
#include "platform/platform_state.h"

PlatformState Platform;

namespace {

// The display mode for width × height at colourBits, or the closest larger one the display offers.
bool ClosestDisplayMode(int width, int height, int colourBits, SDL_DisplayMode& closest) {
  SDL_DisplayMode wanted{};
  wanted.w = width;
  wanted.h = height;
  wanted.format = colourBits == 16 ? SDL_PIXELFORMAT_RGB565 : SDL_PIXELFORMAT_RGB888;
  return SDL_GetClosestDisplayMode(0, &wanted, &closest) != nullptr;
}

bool RequestPixelFormat(int colourBits, int depthBits) {
  const bool highColour = colourBits == 16;
  // Destination alpha only comes with explicit alpha bits; the 16-bit format has none.
  return SDL_GL_SetAttribute(SDL_GL_RED_SIZE, highColour ? 5 : 8) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, highColour ? 6 : 8) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, highColour ? 5 : 8) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_ALPHA_SIZE, highColour ? 0 : 8) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depthBits) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1) == 0 &&
         SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY) == 0;
}

// GL_DOUBLEBUFFER of the current context, asked through SDL's loader (this layer links no GL).
bool SingleBuffered() {
  constexpr unsigned int kDoubleBuffer = 0x0C32;
  auto getBoolean = reinterpret_cast<void (*)(unsigned int, unsigned char*)>(SDL_GL_GetProcAddress("glGetBooleanv"));
  if (getBoolean == nullptr) return false;
  unsigned char doubleBuffered = 1;
  getBoolean(kDoubleBuffer, &doubleBuffered);
  return doubleBuffered == 0;
}

}  // namespace

bool StartWindowSystem() {
  // The game leaves full screen itself when it loses the focus, and keeps the screen saver off.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
  SDL_DisableScreenSaver();
  return true;
}

void StopWindowSystem() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

bool DisplayModeAvailable(int width, int height, int colourBits) {
  if (Platform.automation != nullptr && Platform.automation->RefusesDisplayMode(width, height, colourBits)) {
    return false;
  }
  SDL_DisplayMode closest;
  return ClosestDisplayMode(width, height, colourBits, closest);
}

WindowFailure OpenGameWindow(const char* title, int width, int height, int colourBits, int depthBits,
                             bool fullscreen) {
  if (!RequestPixelFormat(colourBits, depthBits)) return WindowFailure::PixelFormat;
  Platform.window = SDL_CreateWindow(title, 0, 0, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (Platform.window == nullptr) return WindowFailure::Window;
  if (fullscreen) ApplyDisplayMode(width, height, colourBits, true);
  Platform.context = SDL_GL_CreateContext(Platform.window);
  if (Platform.context == nullptr) return WindowFailure::RenderingContext;
  if (SDL_GL_MakeCurrent(Platform.window, Platform.context) != 0) return WindowFailure::ActivateContext;
  Platform.flushFrame = SingleBuffered() ? reinterpret_cast<void (*)()>(SDL_GL_GetProcAddress("glFlush")) : nullptr;
  return WindowFailure::Created;
}

void ShowGameWindow() {
  SDL_ShowWindow(Platform.window);
  SDL_RaiseWindow(Platform.window);
  SDL_SetWindowInputFocus(Platform.window);
}

void DrawableSize(int& width, int& height) {
  width = height = 0;
  if (Platform.window != nullptr) SDL_GL_GetDrawableSize(Platform.window, &width, &height);
}

void WindowClientSize(int& width, int& height) {
  width = height = 0;
  if (Platform.window != nullptr) SDL_GetWindowSize(Platform.window, &width, &height);
}

void ApplyDisplayMode(int width, int height, int colourBits, bool fullscreen) {
  if (Platform.window == nullptr) return;
  if (!fullscreen) {
    SDL_SetWindowSize(Platform.window, width, height);
    return;
  }
  SDL_DisplayMode mode;
  if (ClosestDisplayMode(width, height, colourBits, mode)) {
    SDL_SetWindowDisplayMode(Platform.window, &mode);
    // Without a window manager nobody resizes a full-screen window to the mode (a bare X server):
    // the window takes the mode's size itself first, so what SDL reports is what GL draws into.
    if (!(SDL_GetWindowFlags(Platform.window) & SDL_WINDOW_FULLSCREEN)) {
      SDL_SetWindowSize(Platform.window, mode.w, mode.h);
    }
  }
  SDL_SetWindowFullscreen(Platform.window, SDL_WINDOW_FULLSCREEN);
}

void RestoreDesktopMode() {
  if (Platform.window == nullptr) return;
  if (SDL_GetWindowFlags(Platform.window) & SDL_WINDOW_FULLSCREEN) SDL_SetWindowFullscreen(Platform.window, 0);
}

bool GameWindowExists() { return Platform.window != nullptr; }

bool GlContextExists() { return Platform.context != nullptr; }

bool ReleaseGlContext() { return SDL_GL_MakeCurrent(Platform.window, nullptr) == 0; }

bool DeleteGlContext() {
  if (Platform.context == nullptr) return false;
  SDL_GL_DeleteContext(Platform.context);
  Platform.context = nullptr;
  Platform.flushFrame = nullptr;
  return true;
}

bool DestroyGameWindowHandle() {
  if (Platform.window == nullptr) return false;
  SDL_DestroyWindow(Platform.window);
  Platform.window = nullptr;
  return true;
}

void SwapWindowBuffers() {
  if (Platform.automation != nullptr) Platform.automation->BeforeSwap();
  if (Platform.window != nullptr) SDL_GL_SwapWindow(Platform.window);
  if (Platform.flushFrame != nullptr) Platform.flushFrame();
}
