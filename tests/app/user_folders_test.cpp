// Where the content is found and where written files go, with the environment and folders of a
// test's own.
#include "app/user_folders.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace {

namespace fs = std::filesystem;

class UserFoldersTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = fs::temp_directory_path() / ("brelloch-folders-" + std::to_string(::getpid()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root_);
    fs::create_directories(root_);
    ::setenv("HOME", (root_ / "home").c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (root_ / "config").c_str(), 1);
    ::setenv("XDG_DATA_HOME", (root_ / "data").c_str(), 1);
    previous_ = fs::current_path();
    fs::create_directories(root_ / "old");
    fs::current_path(root_ / "old");
  }
  void TearDown() override {
    fs::current_path(previous_);
    fs::remove_all(root_);
  }
  static void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
  static std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path root_;
  fs::path previous_;
};

TEST_F(UserFoldersTest, XdgFoldersFallBackToHomeWhenUnsetOrRelative) {
  EXPECT_EQ(ConfigFolder(), (root_ / "config" / "brelloch").string());
  EXPECT_EQ(DataFilePath("fight.inf"), (root_ / "data" / "brelloch" / "fight.inf").string());
  ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
  ::unsetenv("XDG_DATA_HOME");
  EXPECT_EQ(ConfigFolder(), (root_ / "home" / ".config" / "brelloch").string());
  EXPECT_EQ(DataFolder(), (root_ / "home" / ".local" / "share" / "brelloch").string());
}

TEST_F(UserFoldersTest, ContentIsFoundBesideTheExecutableThenInTheInstallThenHere) {
  const fs::path build = root_ / "build";
  const fs::path prefix = root_ / "prefix";
  const fs::path configured = root_ / "configured" / "brelloch";
  fs::create_directories(build / "base");
  fs::create_directories(prefix / "share" / "brelloch" / "base");
  fs::create_directories(configured / "base");

  EXPECT_EQ(FindContentFolder((build / "brelloch").string(), nullptr, configured.string()), build.string());
  EXPECT_EQ(FindContentFolder((build / "brelloch").string(), "/elsewhere", configured.string()), "/elsewhere");
  EXPECT_EQ(FindContentFolder((prefix / "bin" / "brelloch").string(), nullptr, configured.string()),
            (prefix / "share" / "brelloch").string());
  EXPECT_EQ(FindContentFolder((root_ / "bin" / "brelloch").string(), "", configured.string()),
            configured.string());
  EXPECT_EQ(FindContentFolder((root_ / "bin" / "brelloch").string(), nullptr, (root_ / "none").string()), ".");
}

TEST_F(UserFoldersTest, AnOldFileIsTakenOverOnlyWhileTheNewOneIsMissing) {
  Write(root_ / "old" / "base" / "menu.inf", "old settings");
  const std::string path = SettingsFilePath();
  EXPECT_EQ(path, (root_ / "config" / "brelloch" / "menu.inf").string());
  EXPECT_EQ(Read(path), "old settings");
  EXPECT_FALSE(fs::exists(path + ".tmp"));
  EXPECT_EQ(Read(root_ / "old" / "base" / "menu.inf"), "old settings") << "the old file is left as it was";

  Write(path, "new settings");
  Write(root_ / "old" / "base" / "menu.inf", "changed old settings");
  EXPECT_EQ(Read(SettingsFilePath()), "new settings");

  Write(root_ / "old" / "base" / "fighters" / "fdata" / "fight.inf", "career");
  EXPECT_EQ(Read(CareerFilePath()), "career");
  EXPECT_EQ(CareerFilePath(), (root_ / "data" / "brelloch" / "fight.inf").string());
}

TEST_F(UserFoldersTest, WithoutAnOldFileNothingIsCreatedButTheFolder) {
  const std::string path = CareerFilePath();
  EXPECT_FALSE(fs::exists(path));
  EXPECT_TRUE(fs::is_directory(root_ / "data" / "brelloch"));
}

TEST_F(UserFoldersTest, AFolderThatCannotBeMadeIsReportedOnce) {
  Write(root_ / "blocker", "a file where a folder should be");
  ::setenv("XDG_CONFIG_HOME", (root_ / "blocker").c_str(), 1);
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(PrepareWritableFolder(ConfigFolder()));
  EXPECT_FALSE(PrepareWritableFolder(ConfigFolder()));
  const std::string errors = ::testing::internal::GetCapturedStderr();
  const std::string folder = ConfigFolder();
  ASSERT_NE(errors.find("cannot write into " + folder), std::string::npos) << errors;
  EXPECT_EQ(errors.find(folder), errors.rfind(folder)) << "reported more than once:\n" << errors;
  // The game plays on: the path is still given, reading finds nothing.
  EXPECT_EQ(SettingsFilePath(), folder + "/menu.inf");
}

}  // namespace
