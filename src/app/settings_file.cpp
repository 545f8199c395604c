#include <fstream>
#include <vector>

#include "app/atomic_file.h"
#include "app/game_path.h"
#include "app/settings.h"
#include "app/user_folders.h"
#include "screens/screen_flow.h"

GameSettings Settings;

namespace {

constexpr int kDefaultResolutionIndex = 1;
constexpr int kDefaultColourBits = 32;
constexpr int kDefaultDepthBits = 24;

GameSettings DefaultSettings() {
  GameSettings defaults;
  defaults.resolutionIndex = kDefaultResolutionIndex;
  ResolutionSize(defaults.resolutionIndex, defaults.width, defaults.height);
  defaults.colourBits = kDefaultColourBits;
  defaults.depthBits = kDefaultDepthBits;
  defaults.soundOn = true;
  defaults.musicOn = true;
  return defaults;
}

// A field whose four bytes run past the end of the file reads as −1.
std::int32_t FieldAt(const std::uint8_t* bytes, std::size_t size, std::size_t field) {
  const std::size_t offset = field * 4;
  if (offset + 4 > size) return -1;
  const std::uint32_t value = std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
                              std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
  return static_cast<std::int32_t>(value);
}

void PutField(std::uint8_t* bytes, std::size_t field, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (std::size_t i = 0; i < 4; ++i) bytes[field * 4 + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

// The index the resolution is written as after APPLY; other widths keep the index.
void TakeResolutionFromWidth(GameSettings& settings) {
  if (settings.width == 640) settings.resolutionIndex = 0;
  if (settings.width == 800) settings.resolutionIndex = 1;
  if (settings.width == 1024) settings.resolutionIndex = 2;
  if (settings.width == 0) settings.resolutionIndex = kDesktopResolutionIndex;
}

}  // namespace

bool ResolutionSize(int resolutionIndex, int& width, int& height) {
  static constexpr int kSizes[4][2] = {{640, 480}, {800, 600}, {1024, 768}, {0, 0}};
  if (resolutionIndex < 0 || resolutionIndex > kDesktopResolutionIndex) return false;
  width = kSizes[resolutionIndex][0];
  height = kSizes[resolutionIndex][1];
  return true;
}

GameSettings SettingsFromFileBytes(const std::uint8_t* bytes, std::size_t size) {
  const GameSettings defaults = DefaultSettings();
  GameSettings settings;
  settings.resolutionIndex = FieldAt(bytes, size, 0);
  settings.colourBits = FieldAt(bytes, size, 1);
  settings.depthBits = FieldAt(bytes, size, 2);
  settings.soundOn = FieldAt(bytes, size, 3) != 0;
  settings.musicOn = FieldAt(bytes, size, 4) != 0;
  settings.reserved = FieldAt(bytes, size, 5);

  // A window of 0 × 0 or an unknown pixel format would not start: such values take the defaults.
  if (!ResolutionSize(settings.resolutionIndex, settings.width, settings.height)) {
    settings.resolutionIndex = defaults.resolutionIndex;
    settings.width = defaults.width;
    settings.height = defaults.height;
  }
  if (settings.colourBits != 16 && settings.colourBits != 32) settings.colourBits = defaults.colourBits;
  if (settings.depthBits != 16 && settings.depthBits != 24) settings.depthBits = defaults.depthBits;
  return settings;
}

std::array<std::uint8_t, kSettingsFileSize> SettingsFileBytes(const GameSettings& settings) {
  std::array<std::uint8_t, kSettingsFileSize> bytes{};
  PutField(bytes.data(), 0, settings.resolutionIndex);
  PutField(bytes.data(), 1, settings.colourBits);
  PutField(bytes.data(), 2, settings.depthBits);
  PutField(bytes.data(), 3, settings.soundOn ? 1 : 0);
  PutField(bytes.data(), 4, settings.musicOn ? 1 : 0);
  PutField(bytes.data(), 5, settings.reserved);
  return bytes;
}

void ReadSettingsFrom(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    Settings = DefaultSettings();
    return;
  }
  std::vector<std::uint8_t> bytes(kSettingsFileSize);
  file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  Settings = SettingsFromFileBytes(bytes.data(), static_cast<std::size_t>(file.gcount()));
}

void WriteSettingsTo(const std::string& path) {
  if (ScreenFlow.settingsChanged) TakeResolutionFromWidth(Settings);
  const auto bytes = SettingsFileBytes(Settings);
  WriteFileAtomically(path, bytes.data(), bytes.size());
}

void ReadSettings() { ReadSettingsFrom(SettingsFilePath()); }

void WriteSettings() { WriteSettingsTo(SettingsFilePath()); }
