// Game controllers: SDL's GameController interface, its mapping files, rumble and virtual pads.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/gamepad_events.h"
#include "platform/platform_state.h"

static_assert(SDL_CONTROLLER_BUTTON_DPAD_RIGHT + 1 == kPadHardwareButtons, "PadButton follows SDL's buttons");
static_assert(SDL_CONTROLLER_AXIS_MAX == kPadAxisCount, "PadAxis follows SDL's axes");

namespace {

// Adds the mappings of a file in SDL's gamecontrollerdb.txt format; a missing file is no error.
void AddMappingFile(const std::string& path, const char* what) {
  if (path.empty()) return;
  std::ifstream probe(path);
  if (!probe) return;
  if (SDL_GameControllerAddMappingsFromFile(path.c_str()) < 0) {
    std::fprintf(stderr, "Brelloch: the %s %s has no usable mappings: %s\n", what, path.c_str(), SDL_GetError());
  }
}

// SDL_GAMECONTROLLERCONFIG holds mappings one a line.
void AddMappingLines(const char* text) {
  if (text == nullptr) return;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    if (SDL_GameControllerAddMapping(line.c_str()) < 0) {
      std::fprintf(stderr, "Brelloch: SDL_GAMECONTROLLERCONFIG: unusable mapping \"%s\": %s\n", line.c_str(),
                   SDL_GetError());
    }
  }
}

// SDL stops a rumble when its time is up by asking for strength 0: the strongest one is kept.
int SDLCALL RecordVirtualRumble(void* userdata, Uint16 low, Uint16 high) {
  const int slot = static_cast<int>(reinterpret_cast<std::intptr_t>(userdata));
  const float strength = static_cast<float>(low > high ? low : high) / 65535.0f;
  if (strength > Platform.virtualRumble[slot]) Platform.virtualRumble[slot] = strength;
  return 0;
}

bool ValidSlot(int slot) { return slot >= 0 && slot < kVirtualPadSlots; }

SDL_Joystick* VirtualJoystick(int slot) {
  if (!ValidSlot(slot) || Platform.virtualPad[slot] < 0) return nullptr;
  return SDL_JoystickFromInstanceID(Platform.virtualPad[slot]);
}

// The device index of a joystick instance, or -1.
int DeviceIndexOf(SDL_JoystickID id) {
  for (int i = 0; i < SDL_NumJoysticks(); ++i) {
    if (SDL_JoystickGetDeviceInstanceID(i) == id) return i;
  }
  return -1;
}

}  // namespace

bool StartGamepads(const std::string& userMappingFile) {
  if (Platform.automation != nullptr) {
    // Scripted pads must be heard whether or not the window has the keyboard focus.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  }
  if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
    std::fprintf(stderr, "Brelloch: no game controllers: %s\n", SDL_GetError());
    return false;
  }
  Platform.gamepadsStarted = true;
  AddMappingFile(userMappingFile, "mapping file");
  if (const char* file = std::getenv("SDL_GAMECONTROLLERCONFIG_FILE")) {
    AddMappingFile(file, "SDL_GAMECONTROLLERCONFIG_FILE");
  }
  AddMappingLines(std::getenv("SDL_GAMECONTROLLERCONFIG"));
  return true;
}

void StopGamepads() {
  if (!Platform.gamepadsStarted) return;
  for (int slot = 0; slot < kVirtualPadSlots; ++slot) DetachVirtualPad(slot);
  SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
  Platform.gamepadsStarted = false;
}

bool RumblePad(int pad, float strength, int milliseconds) {
  SDL_GameController* controller = SDL_GameControllerFromInstanceID(pad);
  if (controller == nullptr || !SDL_GameControllerHasRumble(controller)) return false;
  const Uint16 level = static_cast<Uint16>(strength <= 0 ? 0 : strength >= 1 ? 65535 : strength * 65535.0f);
  return SDL_GameControllerRumble(controller, level, level, static_cast<Uint32>(milliseconds)) == 0;
}

bool TranslateControllerEvent(const SDL_Event& event, WindowMessage& message) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED: {
      const int index = event.cdevice.which;  // a device index here, an instance id everywhere else
      if (Platform.automation != nullptr && !SDL_JoystickIsVirtual(index)) return false;
      SDL_GameController* controller = SDL_GameControllerOpen(index);
      if (controller == nullptr) return false;
      message.kind = MessageKind::PadAdded;
      message.pad = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
      return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
      SDL_GameController* controller = SDL_GameControllerFromInstanceID(event.cdevice.which);
      if (controller == nullptr) return false;  // one the game never opened
      SDL_GameControllerClose(controller);
      message.kind = MessageKind::PadRemoved;
      message.pad = event.cdevice.which;
      return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      if (event.cbutton.button >= kPadHardwareButtons) return false;  // paddles, touchpad, misc
      message.kind = event.type == SDL_CONTROLLERBUTTONDOWN ? MessageKind::PadButtonDown : MessageKind::PadButtonUp;
      message.pad = event.cbutton.which;
      message.button = static_cast<PadButton>(event.cbutton.button);
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis >= kPadAxisCount) return false;
      message.kind = MessageKind::PadAxisMotion;
      message.pad = event.caxis.which;
      message.axis = static_cast<PadAxis>(event.caxis.axis);
      message.axisValue = event.caxis.value;
      return true;
    default:
      return false;
  }
}

bool AttachVirtualPad(int slot) {
  if (!Platform.gamepadsStarted || !ValidSlot(slot) || Platform.virtualPad[slot] >= 0) return false;
  SDL_VirtualJoystickDesc desc{};
  desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
  desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
  desc.naxes = SDL_CONTROLLER_AXIS_MAX;
  desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
  desc.name = "Brelloch virtual pad";
  desc.userdata = reinterpret_cast<void*>(static_cast<std::intptr_t>(slot));
  desc.Rumble = RecordVirtualRumble;
  const int index = SDL_JoystickAttachVirtualEx(&desc);
  if (index < 0) return false;
  // The joystick stays open here so its buttons can be set; the game opens the controller itself.
  SDL_Joystick* joystick = SDL_JoystickOpen(index);
  if (joystick == nullptr) return false;
  Platform.virtualPad[slot] = SDL_JoystickInstanceID(joystick);
  Platform.virtualRumble[slot] = 0;
  return true;
}

bool DetachVirtualPad(int slot) {
  SDL_Joystick* joystick = VirtualJoystick(slot);
  if (joystick == nullptr) return false;
  const int index = DeviceIndexOf(Platform.virtualPad[slot]);
  SDL_JoystickClose(joystick);
  Platform.virtualPad[slot] = -1;
  return index >= 0 && SDL_JoystickDetachVirtual(index) == 0;
}

void SetVirtualPadButton(int slot, PadButton button, bool down) {
  SDL_Joystick* joystick = VirtualJoystick(slot);
  const int code = static_cast<int>(button);
  if (joystick == nullptr) return;
  if (code < kPadHardwareButtons) {
    SDL_JoystickSetVirtualButton(joystick, code, down ? SDL_PRESSED : SDL_RELEASED);
  } else if (button == PadButton::LeftTrigger || button == PadButton::RightTrigger) {
    const int axis = button == PadButton::LeftTrigger ? SDL_CONTROLLER_AXIS_TRIGGERLEFT : SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
    SDL_JoystickSetVirtualAxis(joystick, axis, down ? SDL_JOYSTICK_AXIS_MAX : SDL_JOYSTICK_AXIS_MIN);
  } else {
    const bool vertical = button == PadButton::StickUp || button == PadButton::StickDown;
    const bool negative = button == PadButton::StickUp || button == PadButton::StickLeft;
    const Sint16 value = !down ? 0 : negative ? SDL_JOYSTICK_AXIS_MIN : SDL_JOYSTICK_AXIS_MAX;
    SDL_JoystickSetVirtualAxis(joystick, vertical ? SDL_CONTROLLER_AXIS_LEFTY : SDL_CONTROLLER_AXIS_LEFTX, value);
  }
  SDL_GameControllerUpdate();
}

void SetVirtualPadAxis(int slot, PadAxis axis, int value) {
  SDL_Joystick* joystick = VirtualJoystick(slot);
  if (joystick == nullptr) return;
  SDL_JoystickSetVirtualAxis(joystick, static_cast<int>(axis), static_cast<Sint16>(value));
  SDL_GameControllerUpdate();
}

float VirtualPadRumble(int slot) { return ValidSlot(slot) ? Platform.virtualRumble[slot] : 0.0f; }
