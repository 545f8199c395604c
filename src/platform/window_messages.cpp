// The message queue: SDL events turned into the window messages the game's window procedure knows.
#include "platform/gamepad_events.h"
#include "platform/key_mapping.h"
#include "platform/platform_state.h"

namespace {

// Focus and minimise arrive as separate events; the game hears one activation per change.
bool Activation(bool active, bool minimised, WindowMessage& message) {
  if (active == Platform.reportedActive) return false;
  Platform.reportedActive = active;
  message.kind = MessageKind::Activate;
  message.active = active;
  message.minimised = minimised;
  return true;
}

bool TranslateWindowEvent(const SDL_WindowEvent& event, WindowMessage& message) {
  switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      message.kind = MessageKind::Size;
      DrawableSize(message.width, message.height);
      return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      return Activation(true, false, message);
    case SDL_WINDOWEVENT_RESTORED:
      if (!(SDL_GetWindowFlags(Platform.window) & SDL_WINDOW_INPUT_FOCUS)) return false;
      return Activation(true, false, message);
    case SDL_WINDOWEVENT_FOCUS_LOST:
      return Activation(false, false, message);
    case SDL_WINDOWEVENT_MINIMIZED:
      return Activation(false, true, message);
    case SDL_WINDOWEVENT_CLOSE:
      message.kind = MessageKind::Close;
      return true;
    default:
      return false;
  }
}

bool TranslateKey(const SDL_KeyboardEvent& event, WindowMessage& message) {
  const bool pressed = event.type == SDL_KEYDOWN;
  message.virtualKey = VirtualKeyFor(event.keysym.sym, event.keysym.scancode);
  message.repeat = event.repeat != 0;
  if (IsSystemKey(message.virtualKey, event.keysym.mod, pressed)) {
    message.kind = pressed ? MessageKind::SystemKeyDown : MessageKind::SystemKeyUp;
  } else {
    message.kind = pressed ? MessageKind::KeyDown : MessageKind::KeyUp;
  }
  return true;
}

bool TranslateButton(const SDL_MouseButtonEvent& event, WindowMessage& message) {
  const bool pressed = event.type == SDL_MOUSEBUTTONDOWN;
  // A tap or a pen moves the pointer and presses in one go: the press carries its own place.
  message.x = event.x;
  message.y = event.y;
  if (event.button == SDL_BUTTON_LEFT) {
    message.kind = pressed ? MessageKind::LeftButtonDown : MessageKind::LeftButtonUp;
    return true;
  }
  if (event.button == SDL_BUTTON_RIGHT) {
    message.kind = pressed ? MessageKind::RightButtonDown : MessageKind::RightButtonUp;
    return true;
  }
  return false;
}

// One SDL event as a window message; false for events the game has no message for.
bool Translate(const SDL_Event& event, WindowMessage& message) {
  switch (event.type) {
    case SDL_QUIT:
      message.kind = MessageKind::Close;
      return true;
    case SDL_WINDOWEVENT:
      return TranslateWindowEvent(event.window, message);
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return TranslateKey(event.key, message);
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      return TranslateButton(event.button, message);
    case SDL_MOUSEMOTION:
      message.kind = MessageKind::PointerMove;
      return true;
    default:
      return TranslateControllerEvent(event, message);
  }
}

bool IsControllerEvent(Uint32 type) { return type >= SDL_CONTROLLERAXISMOTION && type <= SDL_CONTROLLERDEVICEREMAPPED; }

// In an automated run the real window still reports its size and a termination signal still
// closes it (so a timeout can stop a run gently), and the script's virtual pads speak through SDL;
// all other input is the script's.
bool NextAutomatedMessage(WindowMessage& message) {
  for (;;) {
    SDL_Event event;
    while (SDL_PollEvent(&event)) {
      const bool resized =
          event.type == SDL_WINDOWEVENT && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED;
      if ((resized || event.type == SDL_QUIT || IsControllerEvent(event.type)) && Translate(event, message)) {
        return true;
      }
    }
    if (!Platform.automation->NextMessage(message)) return false;
    if (message.kind != MessageKind::DevicesChanged) return true;
    message = WindowMessage{};
  }
}

}  // namespace

bool PeekWindowMessage(WindowMessage& message) {
  message = WindowMessage{};
  if (Platform.quitPosted) {
    Platform.quitPosted = false;
    message.kind = MessageKind::Quit;
    message.exitCode = Platform.quitCode;
    return true;
  }
  if (Platform.automation != nullptr) return NextAutomatedMessage(message);
  SDL_Event event;
  while (SDL_PollEvent(&event)) {
    if (Translate(event, message)) return true;
  }
  return false;
}

void PostQuitMessage(int exitCode) {
  Platform.quitPosted = true;
  Platform.quitCode = exitCode;
}

void UseAutomation(Automation* automation) { Platform.automation = automation; }
