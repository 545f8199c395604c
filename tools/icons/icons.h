#pragma once

#include <filesystem>

// The desktop's names for the game's icon: the application id of the .desktop file.
constexpr const char* kIconName = "org.brelloch.Brelloch";
// The hicolor sizes the icon is painted at.
constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256, 512};

// Writes ICONS_DIR/hicolor/NxN/apps/<kIconName>.png for every size.
void WriteIcons(const std::filesystem::path& iconsDir);
