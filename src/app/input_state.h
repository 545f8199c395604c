#pragma once

#include <cstdint>

// The keyboard, indexed by Windows virtual-key code; the platform layer maps its key codes to these.
// Lives for the whole run and is never cleared as a whole. The fight never reads it: the fight
// frame turns it into commands (fight_bindings.h).
extern std::uint8_t KeyState[256];  // 1 while the key is down

// False while the window is deactivated or minimised: no frame runs then.
extern bool WindowActive;


// The virtual-key codes the game and its help screen name. Letters and digits are their ASCII
// upper-case codes ('Z' = 0x5A, '0' = 0x30).
namespace VirtualKey {
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Shift = 0x10;
constexpr int Control = 0x11;
constexpr int Menu = 0x12;  // Alt: arrives as a system key and never reaches KeyState
constexpr int Pause = 0x13;
constexpr int Escape = 0x1B;
constexpr int Space = 0x20;
constexpr int PageUp = 0x21;
constexpr int PageDown = 0x22;
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
constexpr int F1 = 0x70;  // F1 to F12 are consecutive; F10 arrives as a system key
constexpr int F10 = 0x79;
constexpr int F12 = 0x7B;
}  // namespace VirtualKey
