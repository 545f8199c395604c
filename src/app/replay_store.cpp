#include "app/replay_store.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/user_folders.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kExtension = ".replay";
constexpr const char* kUnfinishedExtension = ".tmp";  // WriteFileAtomically's, left by a write that was killed

// Oldest first: the names are the times the matches ended, so they sort by age.
std::vector<fs::path> ReplayFiles() {
  std::vector<fs::path> files;
  std::error_code e;
  for (fs::directory_iterator it(ReplayFolder(), e), end; !e && it != end; it.increment(e)) {
    if (it->path().extension() == kExtension && it->is_regular_file(e)) files.push_back(it->path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// Each name is new, so a write killed halfway leaves its temporary file for good unless it is
// cleared here.
void RemoveUnfinishedReplays() {
  std::error_code e;
  for (fs::directory_iterator it(ReplayFolder(), e), end; !e && it != end; it.increment(e)) {
    const fs::path& file = it->path();
    if (file.extension() == kUnfinishedExtension && file.stem().extension() == kExtension) fs::remove(file, e);
  }
}

// The local time to the microsecond: names never repeat, and they sort by age.
std::string TimeName() {
  const auto now = std::chrono::system_clock::now();
  const std::time_t seconds = std::chrono::system_clock::to_time_t(now);
  const auto micros = std::chrono::duration_cast<std::chrono::microseconds>(now.time_since_epoch()).count() % 1000000;
  std::tm local{};
  localtime_r(&seconds, &local);
  char name[48];
  const std::size_t length = std::strftime(name, sizeof name, "%Y-%m-%d_%H-%M-%S", &local);
  std::snprintf(name + length, sizeof name - length, ".%06lld", static_cast<long long>(micros));
  return name;
}

}  // namespace

std::string ReplayFolder() { return DataFilePath("replays"); }

std::string StoreReplay(const Replay& replay, std::string& error) {
  std::error_code e;
  fs::create_directories(ReplayFolder(), e);
  fs::path path = fs::path(ReplayFolder()) / (TimeName() + kExtension);
  while (fs::exists(path, e)) path = fs::path(ReplayFolder()) / (TimeName() + kExtension);
  if (!WriteReplayFile(path.string(), replay)) {
    error = "could not write " + path.string();
    return "";
  }
  std::vector<fs::path> files = ReplayFiles();
  for (std::size_t i = 0; i + kKeptReplays < files.size(); ++i) fs::remove(files[i], e);
  RemoveUnfinishedReplays();
  return path.string();
}

std::string NewestReplayPath() {
  const std::vector<fs::path> files = ReplayFiles();
  return files.empty() ? "" : files.back().string();
}
