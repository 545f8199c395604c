#include "platform/key_mapping.h"

namespace {

constexpr int kVkMenu = 0x12;
constexpr int kVkF10 = 0x79;

struct KeyPair {
  SDL_Keycode keycode;
  int virtualKey;
};

// Keys outside the letter, digit, keypad-digit and function-key runs.
constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09},      {SDLK_RETURN, 0x0D},   {SDLK_KP_ENTER, 0x0D},
    {SDLK_LSHIFT, 0x10},    {SDLK_RSHIFT, 0x10},   {SDLK_LCTRL, 0x11},    {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12},      {SDLK_RALT, 0x12},     {SDLK_PAUSE, 0x13},    {SDLK_CAPSLOCK, 0x14},
    {SDLK_ESCAPE, 0x1B},    {SDLK_SPACE, 0x20},    {SDLK_PAGEUP, 0x21},   {SDLK_PAGEDOWN, 0x22},
    {SDLK_END, 0x23},       {SDLK_HOME, 0x24},     {SDLK_LEFT, 0x25},     {SDLK_UP, 0x26},
    {SDLK_RIGHT, 0x27},     {SDLK_DOWN, 0x28},     {SDLK_PRINTSCREEN, 0x2C}, {SDLK_INSERT, 0x2D},
    {SDLK_DELETE, 0x2E},    {SDLK_LGUI, 0x5B},     {SDLK_RGUI, 0x5C},     {SDLK_APPLICATION, 0x5D},
    {SDLK_KP_MULTIPLY, 0x6A}, {SDLK_KP_PLUS, 0x6B}, {SDLK_KP_MINUS, 0x6D}, {SDLK_KP_PERIOD, 0x6E},
    {SDLK_KP_DIVIDE, 0x6F}, {SDLK_NUMLOCKCLEAR, 0x90}, {SDLK_SCROLLLOCK, 0x91},
    {SDLK_SEMICOLON, 0xBA}, {SDLK_EQUALS, 0xBB},   {SDLK_COMMA, 0xBC},    {SDLK_MINUS, 0xBD},
    {SDLK_PERIOD, 0xBE},    {SDLK_SLASH, 0xBF},    {SDLK_BACKQUOTE, 0xC0}, {SDLK_LEFTBRACKET, 0xDB},
    {SDLK_BACKSLASH, 0xDC}, {SDLK_RIGHTBRACKET, 0xDD}, {SDLK_QUOTE, 0xDE},
};

// SDL's keypad keycodes are not in one run: 1 to 9 are, 0 follows them.
int KeypadDigit(SDL_Keycode keycode) {
  if (keycode >= SDLK_KP_1 && keycode <= SDLK_KP_9) return 1 + static_cast<int>(keycode - SDLK_KP_1);
  if (keycode == SDLK_KP_0) return 0;
  return -1;
}

int FunctionKeyNumber(SDL_Keycode keycode) {
  if (keycode >= SDLK_F1 && keycode <= SDLK_F12) return 1 + static_cast<int>(keycode - SDLK_F1);
  return 0;
}

}  // namespace

int VirtualKeyFor(SDL_Keycode keycode, SDL_Scancode scancode) {
  if (keycode >= SDLK_a && keycode <= SDLK_z) return 'A' + static_cast<int>(keycode - SDLK_a);
  if (keycode >= SDLK_0 && keycode <= SDLK_9) return '0' + static_cast<int>(keycode - SDLK_0);
  if (const int digit = KeypadDigit(keycode); digit >= 0) return 0x60 + digit;
  if (const int number = FunctionKeyNumber(keycode); number > 0) return 0x70 + number - 1;
  for (const KeyPair& pair : kNamedKeys) {
    if (pair.keycode == keycode) return pair.virtualKey;
  }
  if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
    return 'A' + static_cast<int>(scancode - SDL_SCANCODE_A);
  }
  return 0;
}

bool IsSystemKey(int virtualKey, Uint16 modifiers, bool pressed) {
  if (virtualKey == kVkMenu || virtualKey == kVkF10) return true;
  return pressed && (modifiers & KMOD_ALT) != 0;
}
