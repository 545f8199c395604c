#include "app/game_path.h"

#include "app/user_folders.h"

std::string NativePath(std::string_view gamePath) {
  std::string path(gamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  if (path.rfind("./", 0) == 0) return ContentFolder() + path.substr(1);
  return path;
}
