// The game window and its GL context.
#include <chrono>
#include <thread>

#include "platform/platform_state.h"

PlatformState Platform;

namespace {

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
  // A full-screen window stays on the desktop when it loses the focus; the screen saver stays off.
  SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "0");
  if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
  SDL_DisableScreenSaver();
  return true;
}

void StopWindowSystem() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

bool DisplayModeAvailable(int width, int height, int colourBits) {
  return Platform.automation == nullptr || !Platform.automation->RefusesDisplayMode(width, height, colourBits);
}

WindowFailure OpenGameWindow(const char* title, int width, int height, int colourBits, int depthBits,
                             bool fullscreen) {
  if (!RequestPixelFormat(colourBits, depthBits)) return WindowFailure::PixelFormat;
  // Some surfaces (the offscreen driver's) keep the size they were made at: a full-screen window is
  // made at the desktop's size, and keeps the chosen one for when it becomes a window.
  int madeWidth = width;
  int madeHeight = height;
  if (fullscreen) DesktopSize(madeWidth, madeHeight);
  Platform.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, madeWidth, madeHeight,
                                     SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  if (Platform.window == nullptr) return WindowFailure::Window;
  if (fullscreen) SDL_SetWindowFullscreen(Platform.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
  Platform.windowedWidth = width;
  Platform.windowedHeight = height;
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

bool DesktopSize(int& width, int& height) {
  SDL_DisplayMode desktop;
  const int display = Platform.window != nullptr ? SDL_GetWindowDisplayIndex(Platform.window) : 0;
  if (SDL_GetDesktopDisplayMode(display < 0 ? 0 : display, &desktop) != 0) return false;
  width = desktop.w;
  height = desktop.h;
  return true;
}

void SizeWindow(int width, int height) {
  Platform.windowedWidth = width;
  Platform.windowedHeight = height;
  if (Platform.window != nullptr) SDL_SetWindowSize(Platform.window, width, height);
}

void SetFullscreen(bool fullscreen) {
  if (Platform.window == nullptr) return;
  if (!fullscreen) {
    SDL_SetWindowFullscreen(Platform.window, 0);
    SDL_SetWindowSize(Platform.window, Platform.windowedWidth, Platform.windowedHeight);
    return;
  }
  // Without a window manager nobody resizes a full-screen window (a bare X server): the window
  // takes the desktop's size itself first, so what SDL reports is what GL draws into.
  int width = 0;
  int height = 0;
  if (!(SDL_GetWindowFlags(Platform.window) & SDL_WINDOW_FULLSCREEN) && DesktopSize(width, height)) {
    SDL_GetWindowSize(Platform.window, &Platform.windowedWidth, &Platform.windowedHeight);
    SDL_SetWindowSize(Platform.window, width, height);
  }
  SDL_SetWindowFullscreen(Platform.window, SDL_WINDOW_FULLSCREEN_DESKTOP);
}

bool IsFullscreen() {
  return Platform.window != nullptr && (SDL_GetWindowFlags(Platform.window) & SDL_WINDOW_FULLSCREEN) != 0;
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

bool SetVsync(bool on) {
  Platform.pacer.reset();
  if (!on) {
    SDL_GL_SetSwapInterval(0);
    return false;
  }
  // Adaptive first: a late frame is shown at once instead of waiting a whole refresh.
  const bool synced = SDL_GL_SetSwapInterval(-1) == 0 || SDL_GL_SetSwapInterval(1) == 0;
  // Some drivers accept the interval and still do not wait (a virtual X server): the cap stays
  // as a floor a little above the refresh rate, which a working vsync never reaches.
  SDL_DisplayMode mode;
  const int refresh = SDL_GetCurrentDisplayMode(0, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate : 60;
  Platform.pacer = std::make_unique<FramePacer>(refresh * kCapAboveRefresh);
  return synced;
}

void SwapWindowBuffers() {
  if (Platform.automation != nullptr) Platform.automation->BeforeSwap();
  if (Platform.window != nullptr) SDL_GL_SwapWindow(Platform.window);
  if (Platform.flushFrame != nullptr) Platform.flushFrame();
  // Scripted runs keep their own clock; only a player's frames are paced.
  if (Platform.pacer && Platform.automation == nullptr) {
    const double seconds = Platform.pacer->DelayBefore(static_cast<double>(SDL_GetPerformanceCounter()) /
                                                       static_cast<double>(SDL_GetPerformanceFrequency()));
    if (seconds > 0) std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
  }
}
