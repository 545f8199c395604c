#pragma once

// Helpers for tests that run brelloch-driver in a folder of their own.

#include <png.h>

#include <filesystem>
#include <string>
#include <vector>

namespace driver_run {

// Environment assignments (for `env`) that make a run read its content from folder/base and keep
// what it writes in folder/config/brelloch and folder/data/brelloch, away from the user's files.
inline std::string OwnFolders(const std::filesystem::path& folder) {
  const std::string f = folder.string();
  return "BRELLOCH_DATA_DIR='" + f + "' HOME='" + f + "/home' XDG_CONFIG_HOME='" + f + "/config' XDG_DATA_HOME='" +
         f + "/data'";
}
inline std::filesystem::path SettingsFile(const std::filesystem::path& folder) {
  return folder / "config" / "brelloch" / "menu.inf";
}
inline std::filesystem::path CareerFile(const std::filesystem::path& folder) {
  return folder / "data" / "brelloch" / "fight.inf";
}

// Mirrors the content tree into a test's folder: folders are copied, files linked, except the
// ones the game writes (menu.inf, fight.inf), so each run starts from no saved settings or career.
inline void MirrorContent(const std::filesystem::path& from, const std::filesystem::path& to) {
  std::filesystem::create_directories(to);
  if (!std::filesystem::exists(from)) return;
  for (const auto& entry : std::filesystem::directory_iterator(from)) {
    const std::filesystem::path target = to / entry.path().filename();
    if (entry.is_directory()) {
      MirrorContent(entry.path(), target);
    } else if (entry.path().extension() != ".inf") {
      std::filesystem::create_symlink(entry.path(), target);
    }
  }
}

// A screenshot as top-down RGB rows.
inline bool ReadPngRgb(const std::filesystem::path& path, int& width, int& height,
                       std::vector<unsigned char>& rgb) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return false;
  png.format = PNG_FORMAT_RGB;
  width = static_cast<int>(png.width);
  height = static_cast<int>(png.height);
  rgb.resize(PNG_IMAGE_SIZE(png));
  return png_image_finish_read(&png, nullptr, rgb.data(), 0, nullptr) != 0;
}

}  // namespace driver_run
