// Counter, cursor and GL entry points.
#include "platform/platform_state.h"

void* GlProcAddress(const char* name) { return SDL_GL_GetProcAddress(name); }

std::uint64_t PerformanceCounter() {
  if (Platform.automation != nullptr) return Platform.automation->Counter();
  return SDL_GetPerformanceCounter();
}

std::uint64_t PerformanceFrequency() {
  if (Platform.automation != nullptr) return Platform.automation->CounterFrequency();
  return SDL_GetPerformanceFrequency();
}

std::uint32_t MillisecondTicks() { return SDL_GetTicks(); }

std::int64_t WallClockSeconds() {
  if (Platform.automation != nullptr) return Platform.automation->WallClockSeconds();
  return std::time(nullptr);
}

void ShowPointer(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void WarpPointer(int windowX, int windowY) {
  if (Platform.automation != nullptr) {
    Platform.automation->PointerWarped(windowX, windowY);
    return;
  }
  if (Platform.window == nullptr) return;
  SDL_WarpMouseInWindow(Platform.window, windowX, windowY);
}

void ReadPointerPosition(int& windowX, int& windowY) {
  if (Platform.automation != nullptr) {
    Platform.automation->Pointer(windowX, windowY);
    return;
  }
  SDL_GetMouseState(&windowX, &windowY);
}
