// The files the game writes at exit survive a kill at any moment and a full disk.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <vector>

#include "app/bindings_file.h"
#include "app/game_options.h"
#include "app/replay_recorder.h"
#include "app/replay_store.h"
#include "app/settings.h"
#include "fight/career_file.h"
#include "fight/match_state.h"
#include "save_loop_contents.h"
#include "screens/screen_flow.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

Bytes FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

Bytes SettingsBytes(const GameSettings& settings) {
  const auto bytes = SettingsFileBytes(settings);
  return {bytes.begin(), bytes.end()};
}

Bytes OptionsBytes(const GameOptions& options) {
  const std::string text = GameOptionsText(options);
  return {text.begin(), text.end()};
}

Bytes BindingsBytes(const FightBindings& bindings) {
  const std::string text = BindingsText(bindings);
  return {text.begin(), text.end()};
}

Bytes CareerBytes(const int (&values)[3]) {
  Bytes bytes;
  for (int value : values) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> (8 * i)));
  }
  return bytes;
}

fs::path ScratchFolder(const char* name) {
  const fs::path dir = fs::temp_directory_path() / ("brelloch-" + std::string(name) + "-" + std::to_string(::getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  return dir;
}

// Starts the helper on `folder` and returns once its write loop runs; -1 on failure.
pid_t StartSaveLoop(const fs::path& folder, int first, int start, int& readyPipe) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::string program = BRELLOCH_SAVE_LOOP_HELPER;
  std::string folderArg = folder.string(), firstArg = std::to_string(first), startArg = std::to_string(start);
  char* argv[] = {program.data(), folderArg.data(), firstArg.data(), startArg.data(), nullptr};
  pid_t child = -1;
  const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  ::close(pipeEnds[1]);
  char ready = 0;
  if (spawned != 0 || ::read(pipeEnds[0], &ready, 1) != 1) {
    ::close(pipeEnds[0]);
    return -1;
  }
  readyPipe = pipeEnds[0];
  return child;
}

// The game's data folder (replays, career) inside `home` while it lives.
class DataHomeAt {
 public:
  explicit DataHomeAt(const fs::path& home) {
    if (const char* value = std::getenv("XDG_DATA_HOME")) saved_ = value;
    ::setenv("XDG_DATA_HOME", home.c_str(), 1);
  }
  ~DataHomeAt() {
    if (saved_) {
      ::setenv("XDG_DATA_HOME", saved_->c_str(), 1);
    } else {
      ::unsetenv("XDG_DATA_HOME");
    }
  }
  DataHomeAt(const DataHomeAt&) = delete;
  DataHomeAt& operator=(const DataHomeAt&) = delete;

 private:
  std::optional<std::string> saved_;
};

std::vector<fs::path> FilesIn(const fs::path& folder, const std::string& extension) {
  std::vector<fs::path> files;
  std::error_code e;
  for (fs::directory_iterator it(folder, e), end; !e && it != end; it.increment(e)) {
    if (it->path().extension() == extension) files.push_back(it->path());
  }
  return files;
}

TEST(FileSafetyTest, AKillDuringTheExitWritesLeavesTheOldOrTheNewCompleteFile) {
  const fs::path dir = ScratchFolder("kill-saves");
  // In the helper's order: settings, career, options, bindings; then a replay among the others.
  constexpr int kFiles = 4;
  const fs::path paths[kFiles] = {dir / "menu.inf", dir / "fight.inf", dir / "options.cfg", dir / "controls.cfg"};
  const Bytes choices[kFiles][2] = {
      {SettingsBytes(save_loop::kSettings[0]), SettingsBytes(save_loop::kSettings[1])},
      {CareerBytes(save_loop::kCareer[0]), CareerBytes(save_loop::kCareer[1])},
      {OptionsBytes(save_loop::kOptions[0]), OptionsBytes(save_loop::kOptions[1])},
      {BindingsBytes(save_loop::Bindings(0)), BindingsBytes(save_loop::Bindings(1))},
  };
  const Bytes replayChoices[2] = {ReplayBytes(save_loop::RecordedReplay(0)),
                                  ReplayBytes(save_loop::RecordedReplay(1))};
  const fs::path replays = dir / "data" / "brelloch" / "replays";
  Settings = save_loop::kSettings[0];
  ScreenFlow = ScreenFlowState{};
  WriteSettingsTo(paths[0].string());
  ASSERT_TRUE(WriteCareerFile(paths[1].string(), save_loop::kCareer[0]));
  UserOptions = save_loop::kOptions[0];
  ASSERT_TRUE(WriteGameOptionsTo(paths[2].string()));
  ActiveFightBindings = save_loop::Bindings(0);
  ASSERT_TRUE(WriteBindingsTo(paths[3].string()));

  std::mt19937 random(20261209);
  // One pass of the helper takes a few milliseconds on a disk (the flushes): kills land anywhere in
  // its first few passes.
  std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
  int seen[kFiles + 1][2] = {};  // [file or replays][content]
  int cutShort = 0;              // kills that left a temporary file: they landed inside a write
  constexpr int kKills = 250;
  for (int kill = 0; kill < kKills; ++kill) {
    // Each file in turn is written first, with the content it does not hold, so that a kill after
    // that write shows.
    const int start = kill % (kFiles + 1);
    const int first = start < kFiles && FileBytes(paths[start]) == choices[start][0] ? 1 : kill / 5 % 2;
    int readyPipe = -1;
    const pid_t child = StartSaveLoop(dir, first, start, readyPipe);
    ASSERT_GT(child, 0) << "could not start " << BRELLOCH_SAVE_LOOP_HELPER;
    ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(readyPipe);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself on kill " << kill;

    for (int file = 0; file < kFiles; ++file) {
      const Bytes bytes = FileBytes(paths[file]);
      ASSERT_TRUE(bytes == choices[file][0] || bytes == choices[file][1])
          << paths[file].filename() << " cut to " << bytes.size() << " bytes on kill " << kill;
      ++seen[file][bytes == choices[file][1]];
    }
    // A replay is a new file: every one found is complete, whatever was being stored at the kill.
    for (const fs::path& replay : FilesIn(replays, ".replay")) {
      const Bytes bytes = FileBytes(replay);
      ASSERT_TRUE(bytes == replayChoices[0] || bytes == replayChoices[1])
          << replay.filename() << " cut to " << bytes.size() << " bytes on kill " << kill;
      ++seen[kFiles][bytes == replayChoices[1]];
    }
    if (!FilesIn(dir, ".tmp").empty() || !FilesIn(replays, ".tmp").empty()) ++cutShort;
  }
  // Both contents turned up in every file: the kills did land in the middle of the writing.
  for (int file = 0; file <= kFiles; ++file) {
    EXPECT_GT(seen[file][0], 0) << (file < kFiles ? paths[file].filename() : "replays");
    EXPECT_GT(seen[file][1], 0) << (file < kFiles ? paths[file].filename() : "replays");
  }
  EXPECT_GT(cutShort, 0);
  // The next store keeps the newest and clears what killed ones left behind.
  {
    const DataHomeAt dataHome(dir / "data");
    std::string error;
    EXPECT_FALSE(StoreReplay(save_loop::RecordedReplay(0), error).empty()) << error;
  }
  EXPECT_EQ(FilesIn(replays, ".replay").size(), static_cast<std::size_t>(kKeptReplays));
  EXPECT_TRUE(FilesIn(replays, ".tmp").empty());
  fs::remove_all(dir);
}

// A tmpfs of a few pages, filled to the last byte.
class FullDiskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = ScratchFolder("full-disk");
    if (::mount("tmpfs", dir_.c_str(), "tmpfs", 0, "size=64k") != 0) {
      const int error = errno;
      fs::remove_all(dir_);
      GTEST_SKIP() << "cannot mount a small tmpfs here (" << std::strerror(error) << ")";
    }
    mounted_ = true;
    Settings = save_loop::kSettings[0];
    ScreenFlow = ScreenFlowState{};
  }
  void TearDown() override {
    if (mounted_) ::umount2(dir_.c_str(), MNT_DETACH);
    fs::remove_all(dir_);
  }

  void FillTheDisk() {
    const int filler = ::open((dir_ / "filler").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(filler, 0);
    const std::array<char, 4096> page{};
    while (::write(filler, page.data(), page.size()) > 0) {
    }
    ASSERT_EQ(errno, ENOSPC);
    ::close(filler);
  }

  fs::path dir_;
  bool mounted_ = false;
};

// How often `text` holds `part`.
int Occurrences(const std::string& text, const std::string& part) {
  int count = 0;
  for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size())) ++count;
  return count;
}

TEST_F(FullDiskTest, WritingOntoAFullDiskKeepsTheOldFilesAndSaysSoOnce) {
  const fs::path paths[4] = {dir_ / "menu.inf", dir_ / "fight.inf", dir_ / "options.cfg", dir_ / "controls.cfg"};
  WriteSettingsTo(paths[0].string());
  ASSERT_TRUE(WriteCareerFile(paths[1].string(), save_loop::kCareer[0]));
  UserOptions = save_loop::kOptions[0];
  ASSERT_TRUE(WriteGameOptionsTo(paths[2].string()));
  ActiveFightBindings = save_loop::Bindings(0);
  ASSERT_TRUE(WriteBindingsTo(paths[3].string()));
  FillTheDisk();

  Settings = save_loop::kSettings[1];
  ::testing::internal::CaptureStderr();
  WriteSettingsTo(paths[0].string());
  const bool careerWritten = WriteCareerFile(paths[1].string(), save_loop::kCareer[1]);
  UserOptions = save_loop::kOptions[1];
  const bool optionsWritten = WriteGameOptionsTo(paths[2].string());
  ActiveFightBindings = save_loop::Bindings(1);
  const bool bindingsWritten = WriteBindingsTo(paths[3].string());
  const std::string said = ::testing::internal::GetCapturedStderr();

  EXPECT_FALSE(careerWritten);
  EXPECT_FALSE(optionsWritten);
  EXPECT_FALSE(bindingsWritten);
  EXPECT_EQ(FileBytes(paths[0]), SettingsBytes(save_loop::kSettings[0]));
  EXPECT_EQ(FileBytes(paths[1]), CareerBytes(save_loop::kCareer[0]));
  EXPECT_EQ(FileBytes(paths[2]), OptionsBytes(save_loop::kOptions[0]));
  EXPECT_EQ(FileBytes(paths[3]), BindingsBytes(save_loop::Bindings(0)));
  const std::string noSpace = std::strerror(ENOSPC);
  for (const fs::path& path : paths) {
    EXPECT_FALSE(fs::exists(path.string() + ".tmp")) << path;
    EXPECT_EQ(Occurrences(said, "Could not save " + path.string() + " (" + noSpace + "); the previous file is kept.\n"), 1)
        << said;
  }
}

// Finished matches stored onto a full disk: the replays already kept stay whole, nothing half
// written is left, and the player is told once that replays are not kept.
TEST_F(FullDiskTest, ReplaysOfMatchesFinishedOnAFullDiskAreDroppedAndSaidOnce) {
  std::optional<DataHomeAt> dataHome(dir_);
  const fs::path folder = ReplayFolder();
  const auto recordMatch = [] {
    MatchState.seed = 99;
    MatchState.gameMode = 0;
    MatchState.difficulty = 3;
    MatchState.arena = 2;
    BeginReplayRecording();
    const FighterCommand commands[2] = {};
    for (int frame = 0; frame < 600; ++frame) RecordReplayFrame(1.67f, true, commands);
    StoreFinishedReplay();
  };
  recordMatch();
  const std::vector<fs::path> kept = FilesIn(folder, ".replay");
  ASSERT_EQ(kept.size(), 1u);
  const Bytes keptBytes = FileBytes(kept[0]);
  FillTheDisk();

  ::testing::internal::CaptureStderr();
  recordMatch();
  recordMatch();
  const std::string said = ::testing::internal::GetCapturedStderr();
  dataHome.reset();

  EXPECT_EQ(FilesIn(folder, ".replay"), kept);
  EXPECT_EQ(FileBytes(kept[0]), keptBytes);
  EXPECT_TRUE(FilesIn(folder, ".tmp").empty());
  EXPECT_EQ(Occurrences(said, "replays are not kept"), 1) << said;
  // Each replay has a new name: there is no previous file to speak of.
  EXPECT_EQ(Occurrences(said, "the previous file is kept"), 0) << said;
}

}  // namespace
