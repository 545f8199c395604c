#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Display and sound options, persisted in menu.inf in the config folder (24 bytes: six
// little-endian int32).
// All zero at program start until ReadSettings runs.
struct GameSettings {
  int resolutionIndex = 0;  // the mode the run started with: 0 = 640×480, 1 = 800×600, 2 = 1024×768,
                            // 3 = the desktop's size
  int width = 0;            // 0 × 0 for the desktop's size
  int height = 0;
  int colourBits = 0;  // 16 or 32
  int depthBits = 0;   // 16 or 24
  bool soundOn = false;
  bool musicOn = false;
  int reserved = 0;  // read and written back unchanged
};

extern GameSettings Settings;

constexpr std::size_t kSettingsFileSize = 24;

// Reads menu.inf (SettingsFilePath) into Settings; a missing file gives the defaults (800 × 600, 32-bit colour,
// 24-bit depth, sound and music on), and a value the game cannot use is replaced by its default.
void ReadSettings();
// Writes Settings to menu.inf through a temporary file, so the old file stays whole if the
// write fails. Takes the resolution from `width` only when APPLY was pressed (ScreenFlow.settingsChanged).
void WriteSettings();

// The same for a given file (native path).
void ReadSettingsFrom(const std::string& path);
void WriteSettingsTo(const std::string& path);

// The file's bytes, as read (up to 24; bytes missing at the end read as −1 per field) and as written.
GameSettings SettingsFromFileBytes(const std::uint8_t* bytes, std::size_t size);
std::array<std::uint8_t, kSettingsFileSize> SettingsFileBytes(const GameSettings& settings);

// The resolution index of the desktop's own size (0 × 0 in GameSettings).
constexpr int kDesktopResolutionIndex = 3;

// The pixel size of a resolution index (0 × 0 for the desktop's); false for an index the game
// does not know.
bool ResolutionSize(int resolutionIndex, int& width, int& height);
