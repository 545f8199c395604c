// The game run by brelloch-driver from start to exit, each run in a folder of its own whose base/
// mirrors the built content (the files the game writes stay in that folder).
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <csignal>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

struct DriverRun {
  int exitCode = -1000;
  std::string errors;  // standard error
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  const unsigned char* At(int x, int y) const { return &rgb[(static_cast<std::size_t>(y) * width + x) * 3]; }
  // Mean brightness of a rectangle, 0..255.
  double Brightness(int x0, int y0, int x1, int y1) const {
    double sum = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) sum += (At(x, y)[0] + At(x, y)[1] + At(x, y)[2]) / 3.0;
    return sum / ((x1 - x0) * (y1 - y0));
  }
  // Share of the rectangle's pixels that are not black.
  double LitShare(int x0, int y0, int x1, int y1) const {
    int lit = 0;
    for (int y = y0; y < y1; ++y)
      for (int x = x0; x < x1; ++x) lit += At(x, y)[0] + At(x, y)[1] + At(x, y)[2] > 12;
    return static_cast<double>(lit) / ((x1 - x0) * (y1 - y0));
  }
};

bool ReadPng(const fs::path& path, Image& image) {
  return driver_run::ReadPngRgb(path, image.width, image.height, image.rgb);
}

class DriverEndToEndTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("brelloch-driver-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
    // Screenshots are kept beside the test executables for whoever wants to look at them.
    artifacts_ = fs::path(BRELLOCH_TEST_ARTIFACTS) / ::testing::UnitTest::GetInstance()->current_test_info()->name();
    fs::create_directories(artifacts_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  DriverRun Run(const std::string& script, const std::string& environment = "ALSOFT_DRIVERS=null",
                int seconds = 60) {
    std::ofstream(folder_ / "test.script") << script;
    // Options such as -u come first in `env`; the assignments after them.
    return RunCommand("env " + environment + " " + driver_run::OwnFolders(folder_) + " '" + BRELLOCH_DRIVER +
                          "' test.script",
                      seconds);
  }

  // The command runs in the test's folder; a minute at most unless said, in case something waits
  // for a person.
  DriverRun RunCommand(const std::string& program, int seconds = 60) {
    const std::string command =
        "cd '" + folder_.string() + "' && timeout " + std::to_string(seconds) + " " + program + " 2> errors.txt";
    const int status = std::system(command.c_str());
    DriverRun run;
    if (WIFEXITED(status)) run.exitCode = WEXITSTATUS(status);
    std::ifstream errors(folder_ / "errors.txt");
    run.errors.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return run;
  }

  std::vector<unsigned char> WrittenSettings() {
    std::ifstream in(driver_run::SettingsFile(folder_), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  Image Screenshot(const std::string& name) {
    fs::copy_file(folder_ / name, artifacts_ / name, fs::copy_options::overwrite_existing);
    Image image;
    EXPECT_TRUE(ReadPng(folder_ / name, image)) << name;
    return image;
  }

  fs::path folder_;
  fs::path artifacts_;
};

TEST_F(DriverEndToEndTest, LoadsReachesTheMainMenuAndExitsWithZeroOnClose) {
  const DriverRun run = Run(
      "step 40\n"
      "screenshot first.png\n"
      "expect loading\n"
      "expect state MainMenu\n"  // the renderer start-up set the first screen
      "wait 7.5\n"
      "screenshot second.png\n"
      "expect loading\n"
      "until loaded within 40\n"
      "expect state MainMenu\n"
      "frames 10\n"
      "screenshot menu.png\n"
      "close\n");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.errors.find("ERROR"), std::string::npos) << run.errors;
  EXPECT_EQ(run.errors.find("content file:"), std::string::npos) << "whole content named as broken: " << run.errors;

  // No settings file was there: the defaults were used and written at exit.
  const std::vector<unsigned char> expected = {1, 0, 0, 0, 32, 0, 0, 0, 24, 0, 0, 0,
                                               1, 0, 0, 0, 1,  0, 0, 0, 0,  0, 0, 0};
  EXPECT_EQ(WrittenSettings(), expected);

  const Image first = Screenshot("first.png");
  const Image second = Screenshot("second.png");
  Screenshot("menu.png");
  ASSERT_GT(first.width, 0);
  ASSERT_EQ(first.width, second.width);
  EXPECT_GT(first.Brightness(0, 0, first.width, first.height), 8.0) << "the first loading image is missing";
  // The picture covers the whole window, whatever size the display gave it.
  EXPECT_GT(first.LitShare(0, 0, first.width, first.height / 8), 0.25);
  EXPECT_GT(first.LitShare(first.width * 7 / 8, 0, first.width, first.height), 0.25);
  EXPECT_NE(first.rgb, second.rgb) << "the second loading image did not follow the first";
}

TEST_F(DriverEndToEndTest, WithoutAnAudioDeviceExitsWithMinusOneAndSaysWhy) {
  const DriverRun run = Run("frames 5\nclose\n", "ALSOFT_DRIVERS=no-such-backend");
  EXPECT_EQ(run.exitCode, 255);  // −1
  EXPECT_NE(run.errors.find("OpenAL"), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists(driver_run::SettingsFile(folder_)));
}

TEST_F(DriverEndToEndTest, DecliningTheWindowedFallbackEndsTheProgramAsAFailedStart) {
  const DriverRun run = Run("refuse-display\nanswer no\nframes 1\n");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("Tamsk GL: The Requested Fullscreen Mode Is Not Supported By"), std::string::npos)
      << run.errors;
  EXPECT_NE(run.errors.find("ERROR: Program Will Now Close."), std::string::npos) << run.errors;
  EXPECT_NE(run.errors.find("before line 3"), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists(driver_run::SettingsFile(folder_)));
}

TEST_F(DriverEndToEndTest, AcceptingTheWindowedFallbackRunsInAWindowOfTheSettingsSize) {
  const DriverRun run = Run(
      "refuse-display\n"
      "answer yes\n"
      "expect windowed\n"
      "expect message \"Use Windowed Mode Instead?\"\n"
      "screenshot window.png\n");
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const Image window = Screenshot("window.png");
  EXPECT_EQ(window.width, 800);
  EXPECT_EQ(window.height, 600);
}

TEST_F(DriverEndToEndTest, KeysReachKeyStateOnlyAsOrdinaryKeysOfAnActiveWindow) {
  const DriverRun run = Run(
      "key down Z\n"
      "frames 1\n"
      "expect key Z down\n"
      "key down Z\n"  // auto-repeat
      "expect key Z down\n"
      "key up Z\n"
      "frames 1\n"
      "expect key Z up\n"
      "key press F10\n"
      "key down Alt\n"
      "key down X\n"
      "frames 1\n"
      "expect key Alt up\n"
      "expect key X up\n"
      "key up Alt\n"
      "key down B\n"
      "deactivate\n"
      "frames 1\n"
      "expect inactive\n"
      "key up B\n"  // the desktop tells an inactive window nothing
      "activate\n"
      "frames 1\n"
      "expect active\n"
      "expect key B down\n"
      "expect key F10 up\n"
      "close\n");
  EXPECT_EQ(run.exitCode, 0) << run.errors;
}

TEST_F(DriverEndToEndTest, AFailedExpectationEndsTheRunWithThree) {
  const DriverRun run = Run("frames 2\nexpect state Fight\nframes 1000000\n");
  EXPECT_EQ(run.exitCode, 3);
  EXPECT_NE(run.errors.find("test.script:2: expected state Fight, found MainMenu"), std::string::npos)
      << run.errors;
  // The game still ended the ordinary way.
  EXPECT_EQ(WrittenSettings().size(), 24u);
}

TEST_F(DriverEndToEndTest, TheMenusReadThePointerAndTheQuitDialogEndsTheGame) {
  const DriverRun run = Run(
      "step 40\n"
      "until loaded within 300\n"
      "move 400 300\n"
      "frames 1\n"
      "expect pointer 400 300\n"
      "click 589 441\n"  // "   EXIT"
      "expect state QuitConfirm\n"
      "click 399 426\n"  // "Yes"
      "frames 1\n");
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_EQ(run.errors.find("before line"), std::string::npos) << run.errors;
  EXPECT_EQ(WrittenSettings().size(), 24u);
}

TEST_F(DriverEndToEndTest, AnInactiveWindowRunsNoFrames) {
  const DriverRun run = Run(
      "step 40\n"
      "deactivate\n"
      "frames 400\n"  // twice the loading phase, had the frames run
      "expect inactive\n"
      "expect loading\n"
      "minimise\n"
      "activate\n"
      "expect active\n"
      "until loaded within 250\n");
  EXPECT_EQ(run.exitCode, 0) << run.errors;
}

// Offscreen (no DISPLAY): the fight frames are the slowest of the suite.
TEST_F(DriverEndToEndTest, EscapePausesTheFightOnlyAfterTheIntro) {
  const DriverRun run = Run(
      "step 49\n"
      "until loaded within 300\n"
      "click 211 441\n"  // "  FIGHT"
      "expect state PreFight\n"
      "click 740 566\n"  // " NEXT"
      "expect state Fight\n"
      "key press Escape\n"
      "expect state Fight\n"
      "wait 5.1\n"
      "key press Escape\n"
      "expect state Pause\n"
      "key press Escape\n"
      "expect state Pause\n",
      "-u DISPLAY ALSOFT_DRIVERS=null");
  EXPECT_EQ(run.exitCode, 0) << run.errors;
}

// The game itself, not the driver: where nobody could answer a message box (the test command's
// Xvfb has no window manager; without a display there is none at all), the box goes to standard
// error and the game goes on instead of waiting forever.
TEST_F(DriverEndToEndTest, TheGameReportsAFailedStartOnStandardErrorWithoutWaiting) {
  fs::remove_all(folder_ / "base" / "shaders");
  const DriverRun run =
      RunCommand("env " + driver_run::OwnFolders(folder_) + " ALSOFT_DRIVERS=null '" + BRELLOCH_GAME + "'");
  EXPECT_EQ(run.exitCode, 1);  // a failed start-up is not a success
  EXPECT_NE(run.errors.find("ERROR: Initialization Failed."), std::string::npos) << run.errors;
  EXPECT_FALSE(fs::exists(driver_run::SettingsFile(folder_)));
}

// The script's timer readings go through the platform counter, TimerNowMs and the frame clock.
TEST_F(DriverEndToEndTest, TimerReadingsDriveTheFrameClock) {
  const DriverRun run = Run(
      "step 16\n"
      "frames 2\n"
      "expect step 1.6\n"
      "timer 1000 1000\n"
      "frames 1\n"
      "timer 1060 1060\n"  // a 60 ms frame is a slow frame
      "frames 1\n"
      "expect step 0.1\n"
      "timer 1060 1060\n"  // equal readings: no time passed
      "frames 1\n"
      "expect step 0\n"
      "frames 1\n"  // the fixed step goes on from the last reading
      "expect step 1.6\n",
      "-u DISPLAY ALSOFT_DRIVERS=null");
  EXPECT_EQ(run.exitCode, 0) << run.errors;
}

}  // namespace

namespace {

// The first ".replay" file under `folder`, or an empty path.
fs::path FindReplay(const fs::path& folder) {
  std::error_code e;
  for (fs::recursive_directory_iterator it(folder, e), end; !e && it != end; it.increment(e)) {
    if (it->path().extension() == ".replay") return it->path();
  }
  return {};
}

bool FileHolds(const fs::path& path, const std::string& text) {
  std::ifstream in(path);
  const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return all.find(text) != std::string::npos;
}

constexpr const char* kSameEnd = "Replay: the fight ended exactly as recorded";

}  // namespace

// A quick fight played through the driver is kept as a replay in the data folder; watching it in
// the driver and in the game itself ends in the very state the recording ended in.
TEST_F(DriverEndToEndTest, AQuickFightsReplayEndsAsRecordedInTheDriverAndInTheGame) {
  std::string fight =
      "step 45\n"
      "until loaded within 1000\n"
      "click 211 441\n"  // "  FIGHT"
      "click 740 566\n"  // " NEXT"
      "expect state Fight\n"
      "wait 4\n"
      "key down B\n";
  for (int i = 0; i < 200; ++i) fight += "key press Z\nframes 16\n";
  fight += "key up B\nuntil state MainMenu within 6000\n";
  // Offscreen (no DISPLAY): the fastest way to draw a whole match.
  const std::string home =
      "-u DISPLAY HOME='" + folder_.string() + "' XDG_DATA_HOME='" + (folder_ / "data").string() + "'";
  // A whole match: minutes on a busy machine.
  DriverRun run = Run(fight, home + " ALSOFT_DRIVERS=null", 600);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  const fs::path replay = FindReplay(folder_ / "data" / "brelloch" / "replays");
  ASSERT_FALSE(replay.empty()) << "no replay was kept";

  std::ofstream(folder_ / "watch.script") << "step 45\nuntil loaded within 1000\nexpect state Fight\n"
                                             "until state MainMenu within 20000\nclose\n";
  run = RunCommand("env " + home + " ALSOFT_DRIVERS=null '" + BRELLOCH_DRIVER + "' watch.script --replay '" +
                   replay.string() + "' --replay-speed 4 > watched.txt", 600);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  EXPECT_TRUE(FileHolds(folder_ / "watched.txt", kSameEnd)) << run.errors;

  // The game plays at the recording's pace (here four times it): wait for its word, then stop it.
  const pid_t game = ::fork();
  if (game == 0) {
    ::chdir(folder_.c_str());
    ::setenv("ALSOFT_DRIVERS", "null", 1);
    ::setenv("HOME", folder_.c_str(), 1);
    ::unsetenv("DISPLAY");
    std::freopen("game.txt", "w", stdout);
    std::freopen("game-errors.txt", "w", stderr);
    ::execl(BRELLOCH_GAME, BRELLOCH_GAME, "--replay", replay.c_str(), "--replay-speed", "4",
            static_cast<char*>(nullptr));
    ::_exit(127);
  }
  bool said = false;
  for (int tenth = 0; tenth < 3000 && !said; ++tenth) {
    ::usleep(100000);
    said = FileHolds(folder_ / "game.txt", "Replay: ");
  }
  ::kill(game, SIGKILL);
  ::waitpid(game, nullptr, 0);
  EXPECT_TRUE(FileHolds(folder_ / "game.txt", kSameEnd)) << "the game said nothing or something else";
}

TEST_F(DriverEndToEndTest, AReplayOfAnotherVersionIsRefusedBeforeAnythingOpens) {
  std::ofstream(folder_ / "old.replay", std::ios::binary)
      << std::string("BRELLOCH-REPLAY\n") + std::string("\x01\x00\x00\x00\x05\x00", 6) + "0.9.0";
  const DriverRun run = RunCommand(std::string("env ALSOFT_DRIVERS=null '") + BRELLOCH_GAME + "' --replay old.replay");
  EXPECT_EQ(run.exitCode, 1);
  EXPECT_NE(run.errors.find("recorded by Brelloch 0.9.0"), std::string::npos) << run.errors;
}

// A training session: the pick, the fight with its frame data, the training menu's dummy, a reset
// and the way out; the screenshots stay in the test's artifacts for a look.
TEST_F(DriverEndToEndTest, ATrainingSessionPicksFightsChangesTheDummyResetsAndLeaves) {
  const DriverRun run = Run(
      "step 49\n"
      "until loaded within 300\n"
      "step 17\n"  // the fight at 60 frames a second
      "click 211 491\n"  // "  TRAINING"
      "expect state TwoPlayerSetup\n"
      "frames 60\n"  // the buttons and fighters slide in
      "screenshot pick.png\n"
      "click 740 566\n"  // "  FIGHT"
      "expect state PreFight\n"
      "click 740 566\n"  // " NEXT"
      "expect state Fight\n"
      "key press Escape\n"  // no intro: the menu opens at once
      "expect state TrainingMenu\n"
      "click 400 176\n"  // "  DUMMY": BLOCK ALWAYS
      "screenshot menu.png\n"
      "click 400 126\n"  // "CONTINUE"
      "expect state Fight\n"
      "key down B\n"
      "wait 0.8\n"
      "key up B\n"
      "key press X\n"
      "frames 40\n"
      "key press Z\n"
      "frames 10\n"
      "screenshot overlay.png\n"
      "frames 30\n"
      "key press R\n"
      "screenshot reset.png\n"
      "key press Escape\n"
      "expect state TrainingMenu\n"
      "click 400 376\n"  // "  EXIT"
      "expect state TwoPlayerSetup\n",
      "-u DISPLAY ALSOFT_DRIVERS=null", 120);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  const Image overlay = Screenshot("overlay.png");
  const Image reset = Screenshot("reset.png");
  Screenshot("pick.png");
  Screenshot("menu.png");
  ASSERT_GT(overlay.width, 0);
  ASSERT_EQ(overlay.width, reset.width);
  // The fighters stood close after the walk in; the reset put them back apart, so the pictures differ.
  EXPECT_NE(overlay.rgb, reset.rgb);
}

// Fighter one on a game pad walks in; the pad's Back puts both fighters back where they started at
// once, as the R key does.
TEST_F(DriverEndToEndTest, TrainingsPadBackButtonResetsTheFighters) {
  const DriverRun run = Run(
      "step 49\n"
      "until loaded within 300\n"
      "step 17\n"
      "pad attach 1\n"
      "click 211 491\n"  // "  TRAINING"
      "expect state TwoPlayerSetup\n"
      "click 740 566\n"  // "  FIGHT"
      "expect state PreFight\n"
      "click 740 566\n"  // " NEXT"
      "expect state Fight\n"
      "frames 30\n"
      "expect distance 6\n"
      "pad down 1 DpadRight\n"
      "wait 1.2\n"
      "pad up 1 DpadRight\n"
      "frames 10\n"
      "screenshot walked.png\n"
      "expect distance 3\n"  // pressed against the dummy
      "pad press 1 Back\n"
      "expect distance 6\n"  // in the frame of the press
      "screenshot reset.png\n"
      "pad press 1 Start\n"  // the training menu, as Escape opens it
      "expect state TrainingMenu\n",
      "-u DISPLAY ALSOFT_DRIVERS=null", 120);
  EXPECT_EQ(run.exitCode, 0) << run.errors;
  Screenshot("walked.png");
  Screenshot("reset.png");
}
