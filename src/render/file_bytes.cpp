#include "render/file_bytes.h"

#include <cstdio>
#include <memory>

#include "app/content_report.h"
#include "app/game_path.h"

std::optional<std::vector<std::uint8_t>> ReadFileBytes(const char* gamePath) {
  if (gamePath == nullptr || *gamePath == '\0') return std::nullopt;
  std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(NativePath(gamePath).c_str(), "rb"), std::fclose);
  if (!file) {
    ReportContentProblem(gamePath, ContentProblem::Missing);
    return std::nullopt;
  }
  std::vector<std::uint8_t> bytes;
  std::uint8_t chunk[65536];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file.get())) > 0) bytes.insert(bytes.end(), chunk, chunk + got);
  if (std::ferror(file.get())) {
    ReportContentProblem(gamePath, ContentProblem::Damaged);
    return std::nullopt;
  }
  return bytes;
}
