#include "app/game_path.h"

std::string NativePath(std::string_view gamePath) {
  std::string path(gamePath);
  for (char& c : path) {
    if (c == '\\') c = '/';
  }
  return path;
}
