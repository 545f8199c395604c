// brelloch-content BASE_DIR KIND...: writes the named kinds of content under BASE_DIR.
#include <cstdio>
#include <exception>
#include <filesystem>

#include "common/content_registry.h"

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: brelloch-content BASE_DIR KIND...\n");
    return 2;
  }
  const std::filesystem::path baseDir = argv[1];
  for (int i = 2; i < argc; ++i) {
    ContentWriter writer = FindContentKind(argv[i]);
    if (!writer) {
      std::fprintf(stderr, "brelloch-content: unknown kind '%s'\n", argv[i]);
      return 2;
    }
    try {
      std::filesystem::create_directories(baseDir);
      writer(baseDir);
    } catch (const std::exception& e) {
      std::fprintf(stderr, "brelloch-content: %s: %s\n", argv[i], e.what());
      return 1;
    }
  }
  return 0;
}
