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
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

#include "app/game_options.h"
#include "app/settings.h"
#include "fight/career_file.h"
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

// Starts the helper and returns once its write loop runs; -1 on failure.
pid_t StartSaveLoop(const fs::path& settings, const fs::path& career, const fs::path& options, int first,
                    int start, int& readyPipe) {
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return -1;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
  posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
  std::string program = BRELLOCH_SAVE_LOOP_HELPER;
  std::string settingsArg = settings.string(), careerArg = career.string(), optionsArg = options.string();
  std::string firstArg = std::to_string(first), startArg = std::to_string(start);
  char* argv[] = {program.data(), settingsArg.data(), careerArg.data(), optionsArg.data(),
                  firstArg.data(),  startArg.data(),    nullptr};
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

TEST(FileSafetyTest, AKillDuringTheExitWritesLeavesTheOldOrTheNewCompleteFile) {
  const fs::path dir = ScratchFolder("kill-saves");
  // In the helper's order: settings, career, options.
  const fs::path paths[3] = {dir / "menu.inf", dir / "fight.inf", dir / "options.cfg"};
  const Bytes choices[3][2] = {
      {SettingsBytes(save_loop::kSettings[0]), SettingsBytes(save_loop::kSettings[1])},
      {CareerBytes(save_loop::kCareer[0]), CareerBytes(save_loop::kCareer[1])},
      {OptionsBytes(save_loop::kOptions[0]), OptionsBytes(save_loop::kOptions[1])},
  };
  Settings = save_loop::kSettings[0];
  ScreenFlow = ScreenFlowState{};
  WriteSettingsTo(paths[0].string());
  ASSERT_TRUE(WriteCareerFile(paths[1].string(), save_loop::kCareer[0]));
  UserOptions = save_loop::kOptions[0];
  ASSERT_TRUE(WriteGameOptionsTo(paths[2].string()));

  std::mt19937 random(20261209);
  // One pass of the helper takes a few milliseconds on a disk (the flushes): kills land anywhere in
  // its first few passes.
  std::uniform_int_distribution<int> delayMicroseconds(0, 20000);
  int seen[3][2] = {};  // [file][content]
  constexpr int kKills = 250;
  for (int kill = 0; kill < kKills; ++kill) {
    // Each file in turn is written first, with the content it does not hold, so that a kill after
    // that write shows.
    const int start = kill % 3;
    const int first = FileBytes(paths[start]) == choices[start][0] ? 1 : 0;
    int readyPipe = -1;
    const pid_t child = StartSaveLoop(paths[0], paths[1], paths[2], first, start, readyPipe);
    ASSERT_GT(child, 0) << "could not start " << BRELLOCH_SAVE_LOOP_HELPER;
    ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(readyPipe);
    ASSERT_TRUE(WIFSIGNALED(status)) << "the helper stopped by itself on kill " << kill;

    for (int file = 0; file < 3; ++file) {
      const Bytes bytes = FileBytes(paths[file]);
      ASSERT_TRUE(bytes == choices[file][0] || bytes == choices[file][1])
          << paths[file].filename() << " cut to " << bytes.size() << " bytes on kill " << kill;
      ++seen[file][bytes == choices[file][1]];
    }
  }
  // Both contents turned up in every file: the kills did land in the middle of the writing.
  for (int file = 0; file < 3; ++file) {
    EXPECT_GT(seen[file][0], 0) << paths[file].filename();
    EXPECT_GT(seen[file][1], 0) << paths[file].filename();
  }
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

TEST_F(FullDiskTest, WritingOntoAFullDiskKeepsTheOldFilesAndSaysSo) {
  const fs::path settingsPath = dir_ / "menu.inf", careerPath = dir_ / "fight.inf", optionsPath = dir_ / "options.cfg";
  WriteSettingsTo(settingsPath.string());
  ASSERT_TRUE(WriteCareerFile(careerPath.string(), save_loop::kCareer[0]));
  UserOptions = save_loop::kOptions[0];
  ASSERT_TRUE(WriteGameOptionsTo(optionsPath.string()));
  FillTheDisk();

  Settings = save_loop::kSettings[1];
  ::testing::internal::CaptureStderr();
  WriteSettingsTo(settingsPath.string());
  const bool careerWritten = WriteCareerFile(careerPath.string(), save_loop::kCareer[1]);
  UserOptions = save_loop::kOptions[1];
  const bool optionsWritten = WriteGameOptionsTo(optionsPath.string());
  const std::string said = ::testing::internal::GetCapturedStderr();

  EXPECT_FALSE(careerWritten);
  EXPECT_FALSE(optionsWritten);
  EXPECT_EQ(FileBytes(optionsPath), OptionsBytes(save_loop::kOptions[0]));
  EXPECT_FALSE(fs::exists(optionsPath.string() + ".tmp"));
  EXPECT_EQ(FileBytes(settingsPath), SettingsBytes(save_loop::kSettings[0]));
  EXPECT_EQ(FileBytes(careerPath), CareerBytes(save_loop::kCareer[0]));
  EXPECT_FALSE(fs::exists(settingsPath.string() + ".tmp"));
  EXPECT_FALSE(fs::exists(careerPath.string() + ".tmp"));
  const std::string noSpace = std::strerror(ENOSPC);
  EXPECT_NE(said.find("Could not save " + settingsPath.string() + " (" + noSpace + "); the previous file is kept.\n"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("Could not save " + optionsPath.string() + " (" + noSpace + "); the previous file is kept.\n"),
            std::string::npos)
      << said;
  EXPECT_NE(said.find("Could not save " + careerPath.string() + " (" + noSpace + "); the previous file is kept.\n"),
            std::string::npos)
      << said;
}

}  // namespace
