// Pads, keys and taps through brelloch-driver: SDL's virtual pads stand in for real ones, each run
// in a folder of its own with its own config folder. Screenshots are kept for whoever wants to look.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

const char* const kStart =
    "step 45\n"
    "until loaded within 1000\n"
    "expect state MainMenu\n";

class GamepadsEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("brelloch-pads-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder_);
    driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
    fs::create_directories(folder_ / "config");
    artifacts_ = fs::path(BRELLOCH_TEST_ARTIFACTS) / ("pads-" + name);
    fs::create_directories(artifacts_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the script; returns the exit code and keeps standard error in errors_.
  int Run(const std::string& script) {
    std::ofstream(folder_ / "test.script") << script;
    const std::string command = "cd '" + folder_.string() + "' && env ALSOFT_DRIVERS=null XDG_CONFIG_HOME='" +
                                (folder_ / "config").string() + "' '" + BRELLOCH_DRIVER +
                                "' test.script 2> errors.txt";
    const int status = std::system(command.c_str());
    std::ifstream errors(folder_ / "errors.txt");
    errors_.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string ControlsFile() {
    std::ifstream in(folder_ / "config" / "brelloch" / "controls.cfg");
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  void Keep(const std::string& name) {
    ASSERT_TRUE(fs::exists(folder_ / name)) << name << " was not taken";
    fs::copy_file(folder_ / name, artifacts_ / name, fs::copy_options::overwrite_existing);
  }

  fs::path folder_;
  fs::path artifacts_;
  std::string errors_;
};

TEST_F(GamepadsEndToEnd, TheCareerFlowAndTheOptionsWorkWithTheKeyboardAlone) {
  const std::string script = std::string(kStart) +
                             "key press Right\n"  // the focus shows on CAREER
                             "key press Return\n"
                             "expect state CareerMenu\n"
                             "key press Down\n"  // NEW GAME
                             "key press Space\n"
                             "expect state DifficultySelect\n"
                             "key press Up\n"  // NEXT shows first; up to NIGHTMARE, then HARD
                             "key press Up\n"
                             "key press Up\n"
                             "key press Up\n"
                             "key press Return\n"
                             "key press Tab\n"        // EASY
                             "key down Shift\n"
                             "key press Tab\n"        // back to HARD
                             "key up Shift\n"
                             "wait 1\n"
                             "screenshot difficulty.png\n"
                             "key press Escape\n"  // BACK
                             "expect state CareerMenu\n"
                             "key press Up\n"      // the focus is still on NEW GAME
                             "key press Return\n"
                             "key press Right\n"   // NEXT
                             "key press Return\n"
                             "expect state PreFight\n"
                             "key press Right\n"   // NEXT shows first
                             "key press Return\n"
                             "expect state Fight\n"
                             "wait 14\n"
                             "key press Escape\n"
                             "frames 2\n"
                             "expect state Pause\n"
                             "key press Down\n"  // CONTINUE, RESTART, EXIT
                             "key press Down\n"
                             "key press Down\n"
                             "wait 1\n"
                             "screenshot pause.png\n"
                             "key press Return\n"
                             "expect state CareerMenu\n"
                             "key press Escape\n"
                             "expect state MainMenu\n"
                             "key press Right\n"  // CAREER (where the focus was), then on to OPTIONS
                             "key press Right\n"
                             "key press Right\n"
                             "key press Right\n"
                             "key press Return\n"
                             "expect state Options\n"
                             "key press Up\n"  // BACK shows, then the depth buffer value
                             "key press Up\n"
                             "wait 1\n"
                             "screenshot options.png\n"
                             "key press Escape\n"
                             "expect state MainMenu\n"
                             "key press Escape\n"
                             "expect state QuitConfirm\n"
                             "key press Down\n"  // No shows first, Yes below it
                             "key press Down\n"
                             "key press Return\n"
                             "frames 5\n";
  ASSERT_EQ(Run(script), 0) << errors_;
  Keep("difficulty.png");
  Keep("pause.png");
  Keep("options.png");
}

// Fighter one walks in and strikes at the head on pad 1, as the pad's defaults have it.
std::string PadStrikesWhileWalkingIn(int pad, const char* forward, const char* strike, int strikes) {
  const std::string n = std::to_string(pad);
  std::string s = "pad down " + n + " " + forward + "\n";
  for (int i = 0; i < strikes; ++i) s += "pad press " + n + " " + strike + "\nframes 16\n";
  return s + "pad up " + n + " " + forward + "\n";
}

TEST_F(GamepadsEndToEnd, AQuickFightIsWonFromTheLoadingScreenWithOnePadAndNothingElse) {
  // The calendar seeds the quick fight's draw: at this second it gives characters that head strikes
  // walking in can beat (at others the computer's fighter is the stronger).
  const std::string script = "clock 1800000200\n" + std::string(kStart) +
                             "pad attach 1\n"
                             "pad press 1 DpadRight\n"  // CAREER shows
                             "pad press 1 DpadRight\n"  // FIGHT
                             "pad press 1 A\n"
                             "expect state PreFight\n"
                             "pad press 1 A\n"  // NEXT shows
                             "pad press 1 A\n"
                             "expect state Fight\n"
                             "wait 4\n" +
                             PadStrikesWhileWalkingIn(1, "DpadRight", "X", 200) +
                             "until state MainMenu within 6000\n"
                             "expect winner one\n";
  ASSERT_EQ(Run(script), 0) << errors_;
}

TEST_F(GamepadsEndToEnd, InATwoPlayerMatchTheSecondPadWalksAndStrikesWithFighterTwo) {
  // Nobody else moves (no computer in a two-player match): only fighter two's pad can bring the
  // fighters together, and its hit shakes the pad of fighter one.
  const std::string script = std::string(kStart) +
                             "pad attach 1\n"
                             "pad attach 2\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 A\n"  // 2 PLAYERS
                             "pad press 1 A\n"  // FIGHT shows
                             "pad press 1 A\n"
                             "pad press 1 A\n"  // NEXT shows
                             "pad press 1 A\n"
                             "expect state Fight\n"
                             "wait 4\n" +
                             PadStrikesWhileWalkingIn(2, "DpadLeft", "X", 12) + "expect rumble 1\n";
  ASSERT_EQ(Run(script), 0) << errors_;
}

TEST_F(GamepadsEndToEnd, ATapActsWhereItLandsThoughThePointerWasElsewhereTheFrameBefore) {
  const std::string script = std::string(kStart) +
                             "move 10 10\n"
                             "frames 2\n"
                             "tap 589 440\n"  // EXIT, with no frame between the jump and the press
                             "expect state QuitConfirm\n"
                             "frames 1\n"
                             "tap 400 426\n";  // Yes
  ASSERT_EQ(Run(script), 0) << errors_;
  EXPECT_EQ(errors_.find("ended"), std::string::npos) << errors_;
}

TEST_F(GamepadsEndToEnd, APadPulledOutDuringTheIntroPausesTheFightOnceTheIntroIsOver) {
  const std::string script = std::string(kStart) +
                             "pad attach 1\n"
                             "pad press 1 DpadRight\n"  // CAREER shows
                             "pad press 1 DpadRight\n"  // FIGHT
                             "pad press 1 A\n"
                             "expect state PreFight\n"
                             "pad press 1 A\n"  // NEXT shows
                             "pad press 1 A\n"
                             "expect state Fight\n"
                             "frames 10\n"
                             "pad detach 1\n"
                             "frames 2\n"
                             "expect state Fight\n"  // not during the intro
                             "until state Pause within 400\n"
                             "wait 1\n"
                             "screenshot paused.png\n"
                             "pad attach 1\n"
                             "pad press 1 A\n"  // CONTINUE shows
                             "pad press 1 A\n"
                             "expect state Fight\n"
                             "wait 1\n"
                             "pad press 1 Start\n"
                             "frames 2\n"
                             "expect state Pause\n";
  ASSERT_EQ(Run(script), 0) << errors_;
  Keep("paused.png");
}

TEST_F(GamepadsEndToEnd, TwoPadsSetUpATwoPlayerMatchAndThePadOfFighterTwoPausesItWhenPulled) {
  const std::string script = std::string(kStart) +
                             "pad attach 1\n"
                             "pad attach 2\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 2 DpadRight\n"  // either pad moves the focus
                             "pad press 2 A\n"
                             "expect state TwoPlayerSetup\n"
                             "pad press 1 DpadUp\n"  // FIGHT shows; above it fighter two's next character
                             "pad press 1 DpadUp\n"
                             "pad press 2 A\n"
                             "pad press 1 DpadDown\n"
                             "pad press 1 A\n"
                             "expect state PreFight\n"
                             "pad press 2 A\n"
                             "pad press 2 A\n"
                             "expect state Fight\n"
                             "wait 5\n"
                             "pad detach 2\n"
                             "frames 2\n"
                             "expect state Pause\n";
  ASSERT_EQ(Run(script), 0) << errors_;
}

TEST_F(GamepadsEndToEnd, BindingsChangedWithAPadOnTheControlsScreenSurviveARestart) {
  const std::string change = std::string(kStart) +
                             "pad attach 1\n"
                             "pad press 1 DpadRight\n"  // CAREER shows; on to OPTIONS
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 A\n"
                             "expect state Options\n"
                             "pad press 1 DpadRight\n"  // BACK shows; APPLY, MORE, CONTROLS
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 DpadRight\n"
                             "pad press 1 A\n"
                             "expect state Controls\n"
                             "pad press 1 DpadUp\n"  // BACK shows; up fighter one's column
                             "pad press 1 DpadUp\n"  // leg to body
                             "pad press 1 DpadUp\n"  // hand to body
                             "pad press 1 DpadUp\n"  // hand to head
                             "pad press 1 A\n"
                             "pad press 1 Y\n"       // a free button
                             "pad press 1 DpadUp\n"  // block
                             "pad press 1 A\n"
                             "pad press 1 X\n"       // hand to head's: swapped with it
                             "pad press 1 DpadUp\n"  // back
                             "pad press 1 DpadUp\n"  // forward
                             "pad press 1 A\n"
                             "key press Q\n"         // the key of the same entry
                             "wait 1\n"
                             "screenshot controls.png\n"
                             "pad press 1 B\n"
                             "expect state Options\n"
                             "wait 1\n"
                             "screenshot options.png\n";
  ASSERT_EQ(Run(change), 0) << errors_;
  Keep("controls.png");
  Keep("options.png");
  const std::string written = ControlsFile();
  EXPECT_NE(written.find("one.head.pad=Y\n"), std::string::npos) << written;
  EXPECT_NE(written.find("one.block.pad=X\n"), std::string::npos) << written;
  EXPECT_NE(written.find("one.forward.key=Q\n"), std::string::npos) << written;

  // The next run reads them back (it writes what it holds at exit, so defaults would show), and
  // its fight uses them: in a two-player match only fighter one moves, on Q, striking with pad Y;
  // had B and X stayed its keys, the fighters would never meet and no pad would shake.
  std::string strikes = "key down Q\n";
  for (int i = 0; i < 12; ++i) strikes += "pad press 1 Y\nframes 16\n";
  const std::string fight = std::string(kStart) +
                            "pad attach 1\n"
                            "pad attach 2\n"
                            "key press Right\n"
                            "key press Right\n"
                            "key press Right\n"
                            "key press Return\n"  // 2 PLAYERS
                            "key press Return\n"  // FIGHT shows
                            "key press Return\n"
                            "key press Return\n"  // NEXT shows
                            "key press Return\n"
                            "expect state Fight\n"
                            "wait 4\n" +
                            strikes + "expect rumble 2\nkey up Q\n";
  ASSERT_EQ(Run(fight), 0) << errors_;
  EXPECT_EQ(ControlsFile(), written);
  EXPECT_EQ(errors_.find("controls.cfg"), std::string::npos) << errors_;
}

TEST_F(GamepadsEndToEnd, AHitLandedByTheFighterOfAPadRumblesIt) {
  std::string strikes = "key down B\n";  // walking in on the keyboard, the pad plays the same fighter
  for (int i = 0; i < 10; ++i) strikes += "key press Z\nframes 16\n";
  const std::string script = std::string(kStart) +
                             "pad attach 1\n"
                             "pad attach 2\n"  // plays nobody against the computer
                             "click 211 440\n"  // FIGHT
                             "click 740 566\n"  // NEXT
                             "expect state Fight\n"
                             "wait 4\n" +
                             "expect state Fight\n" + strikes + "until rumble 1 within 1\n" +
                             "key up B\n";
  ASSERT_EQ(Run(script), 0) << errors_;

  // With Rumble off in MORE OPTIONS the same hits leave the pad still.
  fs::create_directories(folder_ / "config" / "brelloch");
  std::ofstream(folder_ / "config" / "brelloch" / "options.cfg") << "rumble=0\n";
  ASSERT_EQ(Run(std::string(kStart) + "pad attach 1\nclick 211 440\nclick 740 566\nwait 4\n" + strikes +
                "expect rumble 1\n"),
            3)
      << errors_;
  EXPECT_NE(errors_.find("expected pad 1 to have rumbled"), std::string::npos) << errors_;
}

TEST_F(GamepadsEndToEnd, ADamagedBindingsFileIsNamedOnStandardErrorAndRepaired) {
  fs::create_directories(folder_ / "config" / "brelloch");
  std::ofstream(folder_ / "config" / "brelloch" / "controls.cfg") << "one.head.key=Q\ntwo.head.key=Q\n\xff\xfe\n";
  ASSERT_EQ(Run(std::string(kStart) + "frames 2\n"), 0) << errors_;
  EXPECT_NE(errors_.find("controls.cfg line 2"), std::string::npos) << errors_;
  EXPECT_NE(errors_.find("controls.cfg line 3"), std::string::npos) << errors_;
  const std::string repaired = ControlsFile();
  EXPECT_NE(repaired.find("one.head.key=Q\n"), std::string::npos) << repaired;
  EXPECT_NE(repaired.find("two.head.key=I\n"), std::string::npos) << repaired;
}

}  // namespace
