// Message boxes, or standard error where nobody could answer one.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform_state.h"

// After our own headers: Xlib defines macros such as None.
#include <X11/Xatom.h>
#include <X11/Xlib.h>

namespace {

// Without a window manager (a bare X server such as Xvfb) a box is never answered, so the game
// would hang: a window manager announces itself on the root window.
bool X11WindowManagerRunning() {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return false;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  bool running = false;
  if (check != None) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                           &format, &count, &remaining, &data) == Success) {
      running = type == XA_WINDOW && count == 1;
    }
    if (data != nullptr) XFree(data);
  }
  XCloseDisplay(display);
  return running;
}

bool BoxesCanBeShown() {
  if (Platform.automation != nullptr) return false;
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver != nullptr && std::strcmp(driver, "x11") != 0) {
    return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
  }
  if (driver == nullptr && std::getenv("WAYLAND_DISPLAY") != nullptr) return true;
  return std::getenv("DISPLAY") != nullptr && X11WindowManagerRunning();
}

void PrintBox(const char* caption, const char* text) { std::fprintf(stderr, "%s: %s\n", caption, text); }

Uint32 BoxFlags(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Exclamation:
      return SDL_MESSAGEBOX_WARNING;
    case MessageIcon::Stop:
      return SDL_MESSAGEBOX_ERROR;
    case MessageIcon::Information:
      return SDL_MESSAGEBOX_INFORMATION;
  }
  return SDL_MESSAGEBOX_INFORMATION;
}

}  // namespace

void ShowMessageBox(const char* caption, const char* text, MessageIcon icon) {
  PrintBox(caption, text);
  if (Platform.automation != nullptr) {
    Platform.automation->MessageShown(caption, text);
    return;
  }
  if (BoxesCanBeShown()) SDL_ShowSimpleMessageBox(BoxFlags(icon), caption, text, Platform.window);
}

bool AskYesNo(const char* caption, const char* text, MessageIcon icon) {
  PrintBox(caption, text);
  if (Platform.automation != nullptr) {
    Platform.automation->MessageShown(caption, text);
    const bool yes = Platform.automation->AnswerYesNo(caption, text);
    std::fprintf(stderr, "%s: answered %s\n", caption, yes ? "Yes" : "No");
    return yes;
  }
  if (!BoxesCanBeShown()) {
    std::fprintf(stderr, "%s: answered No (no message box can be shown)\n", caption);
    return false;
  }
  enum { kNo = 0, kYes = 1 };
  const SDL_MessageBoxButtonData buttons[] = {
      {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, "No"},
      {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "Yes"},
  };
  const SDL_MessageBoxData box = {BoxFlags(icon), Platform.window, caption, text, 2, buttons, nullptr};
  int pressed = kNo;
  if (SDL_ShowMessageBox(&box, &pressed) != 0) return false;
  return pressed == kYes;
}
