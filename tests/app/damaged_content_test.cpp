// Content files damaged or taken away under a copy of the content tree: a two-player fight in the
// first arena is played through brelloch-driver; the game must end normally, having named each file
// that it tried to use exactly once on standard error.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

// One file of every kind the fight reads: fighter model, animation table, picture (TGA at start-up,
// a map's BMP material), arena mesh, sound, menu music.
const char* const kUsedFiles[] = {
    "fighters/1_lower.bhm", "fighters/2_animation.cfg", "textures/tex05.tga", "maps/1/wood.bmp",
    "maps/1/light.ms3d",    "sound/menu1.wav",          "music/menu.ogg",
};
// The fight's track is drawn at random: all of them are damaged and one of them is named.
const char* const kFightTracks[] = {"music/1.ogg", "music/2.ogg", "music/3.ogg", "music/4.ogg"};

// Loads, clicks through to a two-player fight (Boxer against Kingpin in the prison), lets it run,
// leaves it through the pause menu and closes the game from the main menu.
const char* const kFightScript =
    "step 45\n"
    "until loaded within 1000\n"
    "expect state MainMenu\n"
    "click 337 440\n"  // 2 PLAYERS
    "expect state TwoPlayerSetup\n"
    "click 740 566\n"  // FIGHT
    "expect state PreFight\n"
    "click 740 566\n"  // NEXT
    "expect state Fight\n"
    "wait 6\n"
    "key down B\nkey press Z\nframes 20\nkey up B\n"
    "screenshot fight.png\n"
    "close\n";

class DamagedContentTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("brelloch-damaged-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder_);
    driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
    artifacts_ = fs::path(BRELLOCH_TEST_ARTIFACTS) / ("damaged-" + name);
    fs::create_directories(artifacts_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Bytes that no reader takes for its format.
  void Damage(const std::string& file) {
    const fs::path path = folder_ / "base" / file;
    ASSERT_TRUE(fs::is_symlink(path)) << file << " is not in the content tree";
    fs::remove(path);
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < 300; ++i) out.put(static_cast<char>(i * 37 % 11 + 'a'));
  }
  void Remove(const std::string& file) {
    const fs::path path = folder_ / "base" / file;
    ASSERT_TRUE(fs::is_symlink(path)) << file << " is not in the content tree";
    fs::remove(path);
  }

  int Run() {
    std::ofstream(folder_ / "test.script") << kFightScript;
    // The config and data folders are the test's own too, so no player's options are read or written;
    // the content is the damaged copy in the working folder, not the one beside the driver.
    const std::string command = "cd '" + folder_.string() + "' && env ALSOFT_DRIVERS=null BRELLOCH_DATA_DIR=. XDG_CONFIG_HOME='" +
                                (folder_ / "config").string() + "' XDG_DATA_HOME='" + (folder_ / "data").string() +
                                "' timeout 300 '" + BRELLOCH_DRIVER + "' test.script 2> errors.txt";
    const int status = std::system(command.c_str());
    std::ifstream errors(folder_ / "errors.txt");
    errors_.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    if (fs::exists(folder_ / "fight.png")) {
      fs::copy_file(folder_ / "fight.png", artifacts_ / "fight.png", fs::copy_options::overwrite_existing);
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  int Lines(const std::string& text) const {
    int count = 0;
    for (std::size_t at = errors_.find(text); at != std::string::npos; at = errors_.find(text, at + 1)) ++count;
    return count;
  }

  // Every used file named once with the problem, one fight track once, nothing else.
  void ExpectNamedOnce(const std::string& problem) {
    for (const char* file : kUsedFiles) {
      EXPECT_EQ(Lines(problem + " content file: ./base/" + file + "\n"), 1) << file << "\n" << errors_;
    }
    int tracks = 0;
    for (const char* file : kFightTracks) tracks += Lines(problem + " content file: ./base/" + file + "\n");
    EXPECT_EQ(tracks, 1) << errors_;
    EXPECT_EQ(Lines(" content file: "), static_cast<int>(std::size(kUsedFiles)) + 1) << errors_;
  }

  fs::path folder_;
  fs::path artifacts_;
  std::string errors_;
};

TEST_F(DamagedContentTest, DamagedFilesAreNamedOnceAndTheFightStillRunsToTheEnd) {
  for (const char* file : kUsedFiles) Damage(file);
  for (const char* file : kFightTracks) Damage(file);
  ASSERT_EQ(Run(), 0) << errors_;
  ExpectNamedOnce("Damaged");
  EXPECT_TRUE(fs::exists(folder_ / "config" / "brelloch" / "menu.inf")) << "the exit writes did not run";
}

TEST_F(DamagedContentTest, MissingFilesAreNamedOnceAndTheFightStillRunsToTheEnd) {
  for (const char* file : kUsedFiles) Remove(file);
  for (const char* file : kFightTracks) Remove(file);
  ASSERT_EQ(Run(), 0) << errors_;
  ExpectNamedOnce("Missing");
  // A fighter model is the one file the game names in a message box as well.
  EXPECT_EQ(Lines("Unable to find the file: .\\base\\fighters\\\\1_lower.bhm!"), 1) << errors_;
  EXPECT_TRUE(fs::exists(folder_ / "config" / "brelloch" / "menu.inf")) << "the exit writes did not run";
}

}  // namespace
