#include "app/user_folders.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <system_error>


namespace fs = std::filesystem;

namespace {

// Where the game wrote its files when it ran from the folder that holds base/.
constexpr const char* kOldSettingsPath = ".\\base\\menu.inf";
constexpr const char* kOldCareerPath = ".\\base\\fighters\\fdata\\fight.inf";

std::string XdgFolder(const char* variable, const char* homeFallback) {
  const char* value = std::getenv(variable);
  // The XDG rules ignore a relative path as if it were unset.
  if (value && value[0] == '/') return std::string(value) + "/brelloch";
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : ".") + "/" + homeFallback + "/brelloch";
}

bool HoldsContent(const fs::path& folder) {
  std::error_code ignored;
  return !folder.empty() && fs::is_directory(folder / "base", ignored);
}

// The old file's path relative to the folder it was written under (".\base\x" -> "base/x").
// "base/..." from the game's ".\base\...": looked for in each folder an old copy may be in (not
// through NativePath, which would already have chosen the content folder).
std::string RelativeOldPath(const char* oldGamePath) {
  std::string path(oldGamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.rfind("./", 0) == 0) path.erase(0, 2);
  return path;
}

// Copied through a temporary file, so a failure leaves no cut file where the game will read.
bool CopyInto(const fs::path& from, const fs::path& to) {
  std::error_code error;
  fs::create_directories(to.parent_path(), error);
  const fs::path temporary = to.string() + ".tmp";
  if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error)) return false;
  fs::rename(temporary, to, error);
  if (error) fs::remove(temporary, error);
  return !error;
}

}  // namespace

std::string FindContentFolder(const std::string& executable, const char* dataDirVariable,
                              const std::string& installedDataFolder) {
  if (dataDirVariable && dataDirVariable[0]) return dataDirVariable;
  const fs::path beside = fs::path(executable).parent_path();
  for (const fs::path& candidate : {beside, (beside / ".." / "share" / "brelloch").lexically_normal(),
                                    fs::path(installedDataFolder)}) {
    if (HoldsContent(candidate)) return candidate.string();
  }
  return ".";
}

std::string ContentFolder() {
  static const std::string folder = [] {
    std::error_code ignored;
    const fs::path executable = fs::read_symlink("/proc/self/exe", ignored);
    return FindContentFolder(executable.string(), std::getenv("BRELLOCH_DATA_DIR"), BRELLOCH_INSTALLED_DATA_DIR);
  }();
  return folder;
}

std::string ConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }
std::string DataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }
std::string ConfigFilePath(const std::string& name) { return ConfigFolder() + "/" + name; }
std::string DataFilePath(const std::string& name) { return DataFolder() + "/" + name; }

bool PrepareWritableFolder(const std::string& folder) {
  std::error_code error;
  fs::create_directories(folder, error);
  if (!error && ::access(folder.c_str(), W_OK) == 0) return true;
  static std::set<std::string> reported;
  if (reported.insert(folder).second) {
    const std::string reason = error ? error.message() : std::strerror(errno);
    std::fprintf(stderr, "brelloch: cannot write into %s (%s); what the game saves there will be lost\n",
                 folder.c_str(), reason.c_str());
  }
  return false;
}

std::string TakeOverOldFile(const char* oldGamePath, const std::string& newPath) {
  std::error_code ignored;
  if (fs::exists(newPath, ignored)) return newPath;
  const std::string relative = RelativeOldPath(oldGamePath);
  for (const fs::path& folder : {fs::path("."), fs::path(ContentFolder())}) {
    const fs::path old = folder / relative;
    if (fs::is_regular_file(old, ignored) && CopyInto(old, newPath)) break;
  }
  return newPath;
}

std::string SettingsFilePath() {
  PrepareWritableFolder(ConfigFolder());
  return TakeOverOldFile(kOldSettingsPath, ConfigFilePath("menu.inf"));
}

std::string CareerFilePath() {
  PrepareWritableFolder(DataFolder());
  return TakeOverOldFile(kOldCareerPath, DataFilePath("fight.inf"));
}

void MakeConfigFolder() { PrepareWritableFolder(ConfigFolder()); }
