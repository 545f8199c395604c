#pragma once

#include <string>

// Display and sound options, persisted in base/menu.inf (24 bytes: six little-endian int32).
// All zero at program start until ReadSettings runs.
struct GameSettings {
  int resolutionIndex = 0;  // the mode the run started with: 0 = 640×480, 1 = 800×600, 2 = 1024×768
  int width = 0;
  int height = 0;
  int colourBits = 0;  // 16 or 32
  int depthBits = 0;   // 16 or 24
  bool soundOn = false;
  bool musicOn = false;
  int reserved = 0;  // read and written back unchanged
};

extern GameSettings Settings;

// The settings file as the game addresses it.
constexpr const char* kSettingsPath = ".\\base\\menu.inf";

void ReadSettings();
void WriteSettings();
