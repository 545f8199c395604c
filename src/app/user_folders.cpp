#include "app/user_folders.h"

#include <sys/stat.h>

#include <cstdlib>

namespace {

std::string XdgFolder(const char* variable, const char* homeFallback) {
  const char* value = std::getenv(variable);
  // The XDG rules ignore a relative path as if it were unset.
  if (value && value[0] == '/') return std::string(value) + "/brelloch";
  const char* home = std::getenv("HOME");
  return std::string(home && home[0] ? home : ".") + "/" + homeFallback + "/brelloch";
}

}  // namespace

std::string ConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", ".config"); }
std::string DataFolder() { return XdgFolder("XDG_DATA_HOME", ".local/share"); }
std::string ConfigFilePath(const std::string& name) { return ConfigFolder() + "/" + name; }
std::string DataFilePath(const std::string& name) { return DataFolder() + "/" + name; }

void MakeConfigFolder() {
  const std::string folder = ConfigFolder();
  const auto slash = folder.rfind('/');
  if (slash != std::string::npos && slash > 0) ::mkdir(folder.substr(0, slash).c_str(), 0755);
  ::mkdir(folder.c_str(), 0755);
}
