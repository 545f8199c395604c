// The game as a desktop program: installed into a prefix and run from elsewhere, full screen on a
// wide desktop, switched with Alt+Enter, and idle while another window has the focus. Each run has
// a folder of its own for its content mirror, its XDG folders and its screenshots.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  int Brightness(int x, int y) const {
    const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
    return (p[0] + p[1] + p[2]) / 3;
  }
  // Share of the rectangle's pixels that are not black.
  double LitShare(int x0, int y0, int x1, int y1) const {
    int lit = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) lit += Brightness(x, y) > 6;
    return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
  }
};

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct Result {
  int exitCode = -1000;
  std::string output;  // standard output and error
};

Result Shell(const std::string& command) {
  const std::string full = "(" + command + ") > shell-output.txt 2>&1";
  const int status = std::system(full.c_str());
  Result result;
  if (WIFEXITED(status)) result.exitCode = WEXITSTATUS(status);
  result.output = ReadText("shell-output.txt");
  return result;
}

// Every regular file under the folder with its size and modification time.
std::map<std::string, std::string> Listing(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (!entry.is_regular_file()) continue;
    files[entry.path().string()] =
        std::to_string(entry.file_size()) + "@" + std::to_string(entry.last_write_time().time_since_epoch().count());
  }
  return files;
}

class DesktopEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    name_ = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("brelloch-desktop-" + std::to_string(::getpid()) + "-" + name_);
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    previous_ = fs::current_path();
    fs::current_path(folder_);
    artifacts_ = fs::path(BRELLOCH_TEST_ARTIFACTS) / ("desktop-" + name_);
    fs::create_directories(artifacts_);
  }
  void TearDown() override {
    fs::current_path(previous_);
    Shell("chmod -R u+w '" + folder_.string() + "'");
    fs::remove_all(folder_);
  }

  // The driver under an X server of its own with a screen of the given size.
  Result RunOnScreen(const std::string& script, const std::string& screen) {
    std::ofstream(folder_ / "test.script") << script;
    return Shell("env " + driver_run::OwnFolders(folder_) + " ALSOFT_DRIVERS=null xvfb-run -a -s '-screen 0 " + screen +
                 "' timeout 120 '" + BRELLOCH_DRIVER + "' test.script");
  }

  Image Screenshot(const std::string& file) {
    Image image;
    if (!fs::exists(folder_ / file)) {
      ADD_FAILURE() << file << " was not taken";
      return image;
    }
    fs::copy_file(folder_ / file, artifacts_ / file, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(driver_run::ReadPngRgb(folder_ / file, image.width, image.height, image.rgb)) << file;
    return image;
  }

  std::string name_;
  fs::path folder_;
  fs::path previous_;
  fs::path artifacts_;
};

TEST_F(DesktopEndToEnd, TheInstalledGameRunsFromElsewhereAndWritesOnlyIntoItsXdgFolders) {
  const fs::path prefix = folder_ / "prefix";
  Result install = Shell(std::string("'") + CMAKE_COMMAND + "' --install '" + BRELLOCH_BUILD_DIR + "' --prefix '" +
                         prefix.string() + "'");
  ASSERT_EQ(install.exitCode, 0) << install.output;

  for (const char* file : {"bin/brelloch", "share/brelloch/base/shaders", "share/man/man6/brelloch.6",
                           "share/applications/org.brelloch.Brelloch.desktop",
                           "share/metainfo/org.brelloch.Brelloch.metainfo.xml"}) {
    EXPECT_TRUE(fs::exists(prefix / file)) << file;
  }
  for (int size : {16, 22, 24, 32, 48, 64, 128, 256, 512}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_TRUE(fs::exists(prefix / "share/icons/hicolor" / folder / "apps/org.brelloch.Brelloch.png")) << folder;
  }
  const Result desktop = Shell("desktop-file-validate '" + (prefix / "share/applications").string() +
                               "/org.brelloch.Brelloch.desktop'");
  EXPECT_EQ(desktop.exitCode, 0) << desktop.output;
  const Result metainfo = Shell("appstreamcli validate --no-net '" + (prefix / "share/metainfo").string() +
                                "/org.brelloch.Brelloch.metainfo.xml'");
  EXPECT_EQ(metainfo.exitCode, 0) << metainfo.output;

  // The scripted game beside the installed one, so it finds the content the same way.
  fs::copy_file(BRELLOCH_DRIVER, prefix / "bin" / "brelloch-driver");
  Shell("chmod -R a-w '" + prefix.string() + "'");
  const auto installed = Listing(prefix);
  const fs::path elsewhere = folder_ / "elsewhere";
  fs::create_directories(elsewhere);
  std::ofstream(folder_ / "menu.script") << "step 40\nuntil loaded within 400\nframes 5\nexpect state MainMenu\nclose\n";
  const std::string environment = "cd '" + elsewhere.string() + "' && env -u DISPLAY -u BRELLOCH_DATA_DIR HOME='" +
                                  folder_.string() + "/home' XDG_CONFIG_HOME='" + folder_.string() +
                                  "/config' XDG_DATA_HOME='" + folder_.string() + "/data' ALSOFT_DRIVERS=null ";

  const Result menu = Shell(environment + "timeout 120 '" + (prefix / "bin/brelloch-driver").string() + "' '" +
                            (folder_ / "menu.script").string() + "'");
  EXPECT_EQ(menu.exitCode, 0) << menu.output;
  // The game itself: it loads and a termination signal closes it the ordinary way.
  const Result game = Shell(environment + "timeout --preserve-status -s TERM 3 '" +
                            (prefix / "bin/brelloch").string() + "'");
  EXPECT_EQ(game.exitCode, 0) << game.output;
  const Result version = Shell("'" + (prefix / "bin/brelloch").string() + "' --version");
  EXPECT_EQ(version.output, std::string("brelloch ") + BRELLOCH_VERSION + "\n");

  EXPECT_EQ(Listing(prefix), installed) << "the install was written into";
  EXPECT_TRUE(fs::is_empty(elsewhere)) << "the working directory was written into";
  EXPECT_EQ(fs::file_size(driver_run::SettingsFile(folder_)), 24u);
  EXPECT_EQ(fs::file_size(driver_run::CareerFile(folder_)), 12u);
  EXPECT_FALSE(fs::exists(folder_ / "home")) << "nothing falls back to HOME when the XDG folders are set";
}

TEST_F(DesktopEndToEnd, OldSettingsInBaseAreTakenOverOnceAndLeftAsTheyWere) {
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
  // 640 × 480, 32-bit colour, 24-bit depth, sound off, music off, reserved 7.
  const std::string old = {0, 0, 0, 0, 32, 0, 0, 0, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7, 0, 0, 0};
  std::ofstream(folder_ / "base" / "menu.inf", std::ios::binary) << old;
  const std::string script = "refuse-display\nanswer yes\nframes 2\nscreenshot window.png\nclose\n";
  Result first = RunOnScreen(script, "1024x768x24");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  EXPECT_EQ(Screenshot("window.png").width, 640) << "the old file's resolution was used";
  EXPECT_EQ(ReadText(driver_run::SettingsFile(folder_)), old);
  EXPECT_EQ(ReadText(folder_ / "base" / "menu.inf"), old);

  // Once taken over, the new file is the one read.
  const std::string changed = {2, 0, 0, 0, 32, 0, 0, 0, 24, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 7, 0, 0, 0};
  std::ofstream(driver_run::SettingsFile(folder_), std::ios::binary) << changed;
  Result second = RunOnScreen(script, "1280x1024x24");
  ASSERT_EQ(second.exitCode, 0) << second.output;
  EXPECT_EQ(Screenshot("window.png").width, 1024);
}

// 1920 × 1080: the menus are a centred 4:3 picture between black bars, exactly the picture a
// 800 × 600 window shows, only larger; the pointer lands on their buttons; the fight covers the
// whole screen; Alt+Enter gives a window of the resolution's size and back.
TEST_F(DesktopEndToEnd, OnAWideDesktopMenusArePillarboxedTheFightFillsAndAltEnterSwitches) {
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
  const Result run = RunOnScreen(
      "step 40\n"
      "until loaded within 400\n"
      "move 20 20\n"
      "frames 60\n"
      "expect fullscreen\n"
      "screenshot wide.png\n"
      "click 589 441\n"  // EXIT: the quit dialog slides in from beyond the bars
      "frames 3\n"
      "screenshot sliding.png\n"
      "key press Escape\n"
      "expect state MainMenu\n"
      "frames 60\n"
      "key down Alt\nkey press Return\nkey up Alt\n"
      "frames 3\n"
      "expect windowed\n"
      "screenshot window.png\n"
      "key down Alt\nkey press Return\nkey up Alt\n"
      "frames 3\n"
      "expect fullscreen\n"
      "click 337 441\n"  // 2 PLAYERS
      "expect state TwoPlayerSetup\n"
      "click 740 566\n"  // FIGHT
      "expect state PreFight\n"
      "frames 2\n"
      "click 740 566\n"
      "expect state Fight\n"
      "wait 3\n"
      "screenshot fight.png\n"
      "close\n",
      "1920x1080x24");
  ASSERT_EQ(run.exitCode, 0) << run.output;

  const Image wide = Screenshot("wide.png");
  const Image window = Screenshot("window.png");
  const Image fight = Screenshot("fight.png");
  ASSERT_EQ(wide.width, 1920);
  ASSERT_EQ(wide.height, 1080);
  ASSERT_EQ(window.width, 800);
  ASSERT_EQ(window.height, 600);
  ASSERT_EQ(fight.width, 1920);

  EXPECT_LT(wide.LitShare(0, 0, 230, 1080), 0.01) << "left bar";
  EXPECT_LT(wide.LitShare(1690, 0, 1920, 1080), 0.01) << "right bar";
  EXPECT_GT(wide.LitShare(250, 0, 480, 1080), 0.5) << "the menu reaches its left edge";
  const Image sliding = Screenshot("sliding.png");
  EXPECT_EQ(sliding.LitShare(0, 0, 240, 1080), 0.0) << "nothing slides over the left bar";
  EXPECT_EQ(sliding.LitShare(1680, 0, 1920, 1080), 0.0) << "nothing slides over the right bar";

  // The wide picture read back at the window's pixels: in proportion (1.8 times, 240 in) it is
  // the window's picture; stretched over the whole width (2.4 times) it is not.
  auto difference = [&](double scaleX, double offsetX) {
    double sum = 0;
    int count = 0;
    for (int y = 0; y < 600; y += 3)
      for (int x = 40; x < 800; x += 3) {  // the pointer sits top left
        const int wx = static_cast<int>(offsetX + (x + 0.5) * scaleX);
        const int wy = static_cast<int>((y + 0.5) * 1.8);
        sum += std::abs(wide.Brightness(wx, wy) - window.Brightness(x, y));
        ++count;
      }
    return sum / count;
  };
  const double kept = difference(1.8, 240);
  const double stretched = difference(2.4, 0);
  EXPECT_LT(kept, 12.0);
  EXPECT_GT(stretched, 2 * kept);

  EXPECT_GT(fight.LitShare(0, 0, 230, 1080), 0.5) << "the arena is drawn under the left bar's place";
  EXPECT_GT(fight.LitShare(1690, 0, 1920, 1080), 0.5);
}

// Headless runs (no DISPLAY: SDL's offscreen driver) draw into a surface that keeps the size it was
// made at; a full-screen game there must still fill the whole desktop, not its lower left corner.
TEST_F(DesktopEndToEnd, FullScreenWithoutADisplayFillsTheWholeDesktop) {
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
  std::ofstream(folder_ / "test.script") << "step 40\nuntil loaded within 400\nframes 40\nexpect fullscreen\n"
                                            "screenshot full.png\nclose\n";
  const Result run = Shell("env -u DISPLAY " + driver_run::OwnFolders(folder_) + " ALSOFT_DRIVERS=null timeout 120 '" +
                           BRELLOCH_DRIVER + "' test.script");
  ASSERT_EQ(run.exitCode, 0) << run.output;
  const Image full = Screenshot("full.png");
  ASSERT_GT(full.width, 800);  // the offscreen desktop is larger than the chosen 800 x 600
  const int right = full.width * 800 / 1024;
  const int top = full.height * 168 / 768;
  EXPECT_GT(full.LitShare(right, 0, full.width, full.height), 0.5) << "the right edge is drawn";
  EXPECT_GT(full.LitShare(0, 0, full.width, top), 0.5) << "the top edge is drawn";
}

TEST_F(DesktopEndToEnd, AnUnfocusedGameUsesUnderFivePercentOfACore) {
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
  const Result probe = Shell("env " + driver_run::OwnFolders(folder_) +
                             " ALSOFT_DRIVERS=null xvfb-run -a -s '-screen 0 1024x768x24' '" + IDLE_CPU_PROBE + "' '" +
                             BRELLOCH_GAME + "' 2>/dev/null");
  int focused = -1;
  int unfocused = -1;
  int hz = 0;
  int exitCode = -1;
  const std::size_t line = probe.output.find("focused_ticks=");
  ASSERT_NE(line, std::string::npos) << probe.output;
  ASSERT_EQ(std::sscanf(probe.output.c_str() + line, "focused_ticks=%d unfocused_ticks=%d hz=%d exit=%d", &focused,
                        &unfocused, &hz, &exitCode),
            4)
      << probe.output;
  EXPECT_EQ(exitCode, 0);
  ASSERT_GT(hz, 0);
  // The focused part proves the game was running and measured at all.
  EXPECT_GT(focused, 0) << probe.output;
  EXPECT_LT(unfocused, 0.05 * 5 * hz) << probe.output;
}

}  // namespace
