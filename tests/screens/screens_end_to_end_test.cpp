// The menus played with the mouse through brelloch-driver, from start to exit, each run in a
// folder whose base/ mirrors the built content. Screenshots are kept for whoever wants to look.
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

struct Image {
  int width = 0;
  int height = 0;
  std::vector<unsigned char> rgb;

  // Mean brightness 0..255 of the part (fractions of the width and height, from the top left).
  double Brightness(double x0, double y0, double x1, double y1) const {
    const int ax = static_cast<int>(x0 * width), bx = static_cast<int>(x1 * width);
    const int ay = static_cast<int>(y0 * height), by = static_cast<int>(y1 * height);
    double sum = 0;
    for (int y = ay; y < by; ++y) {
      for (int x = ax; x < bx; ++x) {
        const unsigned char* p = &rgb[(static_cast<std::size_t>(y) * width + x) * 3];
        sum += (p[0] + p[1] + p[2]) / 3.0;
      }
    }
    return sum / ((bx - ax) * (by - ay));
  }
};

bool ReadPng(const fs::path& path, Image& image) {
  return driver_run::ReadPngRgb(path, image.width, image.height, image.rgb);
}

// White pixels in a part of the picture (fractions from the top left): where subtitles print.
int WhitePixels(const Image& image, double x0, double y0, double x1, double y1) {
  int white = 0;
  for (int y = static_cast<int>(y0 * image.height); y < static_cast<int>(y1 * image.height); ++y)
    for (int x = static_cast<int>(x0 * image.width); x < static_cast<int>(x1 * image.width); ++x) {
      const unsigned char* p = &image.rgb[(static_cast<std::size_t>(y) * image.width + x) * 3];
      white += p[0] > 200 && p[1] > 200 && p[2] > 200;
    }
  return white;
}
// Under the story's pictures and the fight: the strip from 96 to 124 of the 800 × 600 overlay.
int WhitePixelsUnderTheStory(const Image& image) { return WhitePixels(image, 0.1, 0.78, 0.9, 0.85); }

// Fighter one walks in and strikes at the head at a pace that never tires it, until the match has
// led to the given screen (or the strikes are spent).
std::string StrikeWhileWalkingIn(int strikes, const char* until) {
  return "key down B\n"
         "repeat " + std::to_string(strikes) + " until state " + until + "\n"
         "  key press Z\n"
         "  frames 16\n"
         "end\n"
         "key up B\n";
}

// A new career on EASY, its first match won (the Boxer against the Kingpin).
std::string WinTheFirstEasyCareerMatch() {
  return "click 85 440\n"   // CAREER
         "click 400 276\n"  // NEW GAME
         "expect state DifficultySelect\n"
         "click 400 176\n"  // EASY
         "click 740 566\n"  // NEXT
         "expect state PreFight\n"
         "click 740 566\n"
         "expect state Fight\n"
         "wait 12\n" +
         StrikeWhileWalkingIn(200, "PreFight");
}

// Buttons, at their middles in pointer units.
const char* const kStart =
    "step 45\n"  // the longest frame the fight still runs, so matches pass quickly
    "until loaded within 1000\n"
    "expect state MainMenu\n";

class ScreensEndToEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    folder_ = fs::temp_directory_path() / ("brelloch-screens-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(folder_);
    driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder_ / "base");
    artifacts_ = fs::path(BRELLOCH_TEST_ARTIFACTS) / ("screens-" + name);
    fs::create_directories(artifacts_);
  }
  void TearDown() override { fs::remove_all(folder_); }

  // Runs the script; returns the exit code and keeps standard error in errors_.
  int Run(const std::string& script) {
    std::ofstream(folder_ / "test.script") << script;
    const std::string command = "cd '" + folder_.string() + "' && env " + driver_run::OwnFolders(folder_) + " ALSOFT_DRIVERS=null '" + BRELLOCH_DRIVER +
                                "' test.script 2> errors.txt";
    const int status = std::system(command.c_str());
    std::ifstream errors(folder_ / "errors.txt");
    errors_.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  // Runs the script in an 800 × 600 window, offscreen (letters drawn unscaled), with a config folder
  // of its own holding these options and a menu.inf with the sound on or off (the music off).
  int RunInConfig(const std::string& script, const std::string& configName, const std::string& options,
                  bool soundOn) {
    const fs::path config = folder_ / configName;
    fs::create_directories(config / "brelloch");
    std::ofstream(config / "brelloch" / "options.cfg") << options << "windowed=1\n";
    const char menu[24] = {1, 0, 0, 0, 32, 0, 0, 0, 24, 0, 0, 0, static_cast<char>(soundOn ? 1 : 0), 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    std::ofstream(config / "brelloch" / "menu.inf", std::ios::binary).write(menu, sizeof menu);
    std::ofstream(folder_ / "test.script") << script;
    const std::string command = "cd '" + folder_.string() + "' && env -u DISPLAY ALSOFT_DRIVERS=null XDG_CONFIG_HOME='" +
                                config.string() + "' XDG_DATA_HOME='" + (folder_ / "data").string() + "' '" +
                                BRELLOCH_DRIVER + "' test.script 2> errors.txt";
    const int status = std::system(command.c_str());
    std::ifstream errors(folder_ / "errors.txt");
    errors_.assign(std::istreambuf_iterator<char>(errors), std::istreambuf_iterator<char>());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  Image Screenshot(const std::string& name) {
    Image image;
    if (!fs::exists(folder_ / name)) {
      ADD_FAILURE() << name << " was not taken";
      return image;
    }
    fs::copy_file(folder_ / name, artifacts_ / name, fs::copy_options::overwrite_existing);
    EXPECT_TRUE(ReadPng(folder_ / name, image)) << name;
    return image;
  }

  std::vector<unsigned char> CareerFile() {
    std::ifstream in(driver_run::CareerFile(folder_), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path folder_;
  fs::path artifacts_;
  std::string errors_;
};

TEST_F(ScreensEndToEnd, EveryMenuScreenComesUpAndThePauseMenuLeavesTheFight) {
  const std::string script = std::string(kStart) +
                             "wait 2\n"
                             "move 200 440\n"
                             "frames 3\n"
                             "screenshot main.png\n"
                             "click 589 440\n"  // EXIT
                             "expect state QuitConfirm\n"
                             "wait 2\n"
                             "screenshot quit.png\n"
                             "click 400 376\n"  // No
                             "expect state MainMenu\n"
                             "click 463 440\n"  // OPTIONS
                             "expect state Options\n"
                             "wait 2\n"
                             "screenshot options.png\n"
                             "click 57 566\n"  // BACK
                             "click 85 440\n"  // CAREER
                             "expect state CareerMenu\n"
                             "wait 2\n"
                             "screenshot career.png\n"
                             "click 400 276\n"  // NEW GAME
                             "expect state DifficultySelect\n"
                             "click 400 276\n"  // HARD
                             "wait 2\n"
                             "screenshot difficulty.png\n"
                             "click 740 566\n"  // NEXT
                             "expect state PreFight\n"
                             "wait 2\n"
                             "screenshot versus.png\n"
                             "click 740 566\n"  // NEXT
                             "expect state Fight\n"
                             "wait 11\n"  // the career's first intro waits for the monologue
                             "screenshot round-intro.png\n"
                             "wait 3\n"
                             "screenshot hud.png\n"
                             "key press escape\n"
                             "frames 2\n"
                             "expect state Pause\n"
                             "wait 2\n"
                             "screenshot pause.png\n"
                             "click 400 376\n"  // EXIT: back to the career menu
                             "expect state CareerMenu\n"
                             "click 400 376\n"  // BACK
                             "expect state MainMenu\n"
                             "click 337 440\n"  // 2 PLAYERS
                             "expect state TwoPlayerSetup\n"
                             "click 192 416\n"  // fighter one's next character: skips the Kingpin to the Cop
                             "wait 2\n"
                             "move 400 395\n"
                             "frames 5\n"
                             "screenshot two-players.png\n"
                             "click 57 566\n"  // BACK
                             "expect state MainMenu\n"
                             "click 589 440\n"  // EXIT
                             "click 400 426\n"  // Yes
                             "frames 5\n";
  ASSERT_EQ(Run(script), 0) << errors_;

  // Every menu screen shows something, and each differs from the others.
  const char* const menus[] = {"main.png",   "quit.png",  "options.png", "career.png", "difficulty.png",
                               "versus.png", "pause.png", "two-players.png"};
  std::vector<Image> shots;
  for (const char* name : menus) {
    shots.push_back(Screenshot(name));
    ASSERT_GT(shots.back().width, 0) << name;
    EXPECT_GT(shots.back().Brightness(0, 0, 1, 1), 4.0) << name << " is black";
  }
  for (std::size_t i = 0; i < shots.size(); ++i) {
    for (std::size_t j = i + 1; j < shots.size(); ++j) EXPECT_NE(shots[i].rgb, shots[j].rgb) << menus[i] << menus[j];
  }
  const Image intro = Screenshot("round-intro.png");
  const Image hud = Screenshot("hud.png");
  EXPECT_GT(hud.Brightness(0, 0, 1, 1), 4.0);
  EXPECT_NE(intro.rgb, hud.rgb);
}

TEST_F(ScreensEndToEnd, ATwoPlayerMatchReturnsToTheSetUpScreen) {
  const std::string script = std::string(kStart) +
                             "click 337 440\n"  // 2 PLAYERS
                             "expect state TwoPlayerSetup\n"
                             // The hardest hitter against the least enduring, for a short match:
                             "click 192 416\n"  // fighter one: Boxer to Cop (the Kingpin is taken)
                             "click 760 416\n"  // fighter two: Kingpin to Truck driver (the Cop is taken)
                             "click 760 416\n"  // Biker
                             "click 760 416\n"  // Hooker
                             "click 740 566\n"  // FIGHT
                             "expect state PreFight\n"
                             "click 740 566\n"  // NEXT
                             "expect state Fight\n"
                             "wait 4\n" +
                             StrikeWhileWalkingIn(110, "TwoPlayerSetup") +
                             "until state TwoPlayerSetup within 4000\n"
                             "wait 1\n"
                             "screenshot after-match.png\n"
                             "close\n";
  ASSERT_EQ(Run(script), 0) << errors_;
  EXPECT_GT(Screenshot("after-match.png").Brightness(0, 0, 1, 1), 4.0);
}

TEST_F(ScreensEndToEnd, AQuickFightPlayedToItsEndReturnsToTheMainMenu) {
  const std::string script = std::string(kStart) +
                             "click 211 440\n"  // FIGHT
                             "expect state PreFight\n"
                             "click 740 566\n"  // NEXT
                             "expect state Fight\n"
                             "wait 4\n" +
                             StrikeWhileWalkingIn(200, "MainMenu") +
                             "until state MainMenu within 6000\n"
                             "close\n";
  ASSERT_EQ(Run(script), 0) << errors_;
}

TEST_F(ScreensEndToEnd, AWonCareerMatchIsSavedAtExitAndLoadGameResumesWithTheStory) {
  const std::string career = std::string(kStart) + WinTheFirstEasyCareerMatch() +
                             "until state PreFight within 4000\n"
                             "wait 2\n"
                             "screenshot next-versus.png\n"
                             "close\n";
  ASSERT_EQ(Run(career), 0) << errors_;
  // One match won on EASY: progress 1, the next opponent the Cop (2), difficulty 1.
  const std::vector<unsigned char> saved = {1, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0};
  EXPECT_EQ(CareerFile(), saved);
  Screenshot("next-versus.png");

  const std::string resume = std::string(kStart) +
                             "click 85 440\n"   // CAREER
                             "click 400 326\n"  // LOAD GAME
                             "expect state CareerStory\n"
                             "wait 3\n"
                             "screenshot story.png\n"
                             "click 740 566\n"  // skip
                             "expect state PreFight\n"
                             "wait 2\n"
                             "screenshot resumed-versus.png\n"
                             "close\n";
  ASSERT_EQ(Run(resume), 0) << errors_;
  EXPECT_EQ(CareerFile(), saved);  // nothing new won: written back unchanged
  const Image story = Screenshot("story.png");
  EXPECT_GT(story.Brightness(0, 0, 1, 1), 4.0) << "the first story picture is not up";
  // The versus screen of the resumed career is the one the won match led to.
  const Image next = Screenshot("next-versus.png");
  const Image resumed = Screenshot("resumed-versus.png");
  ASSERT_EQ(next.width, resumed.width);
  EXPECT_NEAR(next.Brightness(0.15, 0.2, 0.85, 0.75), resumed.Brightness(0.15, 0.2, 0.85, 0.75), 3.0);
}

}  // namespace

// A resumed career tells the park's story (in an 800 × 600 window, offscreen: letters drawn unscaled);
// with subtitles on, the line being spoken shows under the
// pictures (its times come from base/monologs/lines.txt), and with them off and the sound on, none.
TEST_F(ScreensEndToEnd, TheStoryShowsTheSpokenLineWhenSubtitlesAreOn) {
  const char career[12] = {3, 0, 0, 0, 4, 0, 0, 0, 2, 0, 0, 0};  // arena 4 reached, medium
  fs::create_directories(folder_ / "base" / "fighters" / "fdata");
  std::ofstream(folder_ / "base" / "fighters" / "fdata" / "fight.inf", std::ios::binary).write(career, sizeof career);
  const std::string script =
      "step 40\n"
      "until loaded within 400\n"
      "frames 30\n"
      "click 85 441\n"      // " CAREER"
      "frames 25\n"
      "click 399 326\n"     // " LOAD GAME"
      "expect state CareerStory\n"
      "wait 2.5\n"          // "His truck got me to the city by dawn." is heard from 0.25 s to 2.67 s
      "screenshot story.png\n";
  int white[2] = {0, 0};
  for (int subtitles : {0, 1}) {
    const std::string name = "config" + std::to_string(subtitles);
    ASSERT_EQ(RunInConfig(script, name, "subtitles=" + std::to_string(subtitles) + "\n", true), 0) << errors_;
    fs::rename(folder_ / "story.png", folder_ / ("story-subtitles-" + std::to_string(subtitles) + ".png"));
    white[subtitles] = WhitePixelsUnderTheStory(Screenshot("story-subtitles-" + std::to_string(subtitles) + ".png"));
  }
  EXPECT_LT(white[0], 50) << "no subtitles with the option off and the sound on";
  EXPECT_GT(white[1], white[0] + 300) << "the spoken line shows";
}

// A new career's first fight opens with the Kingpin's line; its words show at the foot of the
// fight with the subtitles off as soon as the sound is off, and not while it is on.
TEST_F(ScreensEndToEnd, TheCareerFightsOpeningLineShowsWhileItIsSpokenWithTheSoundOff) {
  const std::string script =
      "step 40\n"
      "until loaded within 400\n"
      "frames 30\n"
      "click 85 441\n"   // " CAREER"
      "frames 25\n"
      "click 400 276\n"  // " NEW GAME"
      "expect state DifficultySelect\n"
      "click 400 176\n"  // EASY
      "click 740 566\n"  // NEXT
      "expect state PreFight\n"
      "click 740 566\n"  // NEXT
      "expect state Fight\n"
      "wait 2\n"         // "This is my block, boxer. Nobody walks off my block." from 0.25 s to 4.66 s
      "screenshot opening.png\n";
  int white[2] = {0, 0};
  for (bool soundOn : {true, false}) {
    const std::string name = soundOn ? "sound-on" : "sound-off";
    ASSERT_EQ(RunInConfig(script, name, "subtitles=0\n", soundOn), 0) << errors_;
    fs::rename(folder_ / "opening.png", folder_ / ("opening-" + name + ".png"));
    white[soundOn ? 0 : 1] = WhitePixelsUnderTheStory(Screenshot("opening-" + name + ".png"));
  }
  EXPECT_LT(white[0], 50) << "no subtitles with the option off and the sound on";
  EXPECT_GT(white[1], white[0] + 300) << "the spoken line shows with the sound off";
}

// A won career match leads to the versus screen while the next story is told: with subtitles on,
// the line being spoken prints above the arena's name, and once the story has been told, nothing does.
TEST_F(ScreensEndToEnd, TheVersusScreenAfterAWonMatchShowsTheStoryLineBeingSpoken) {
  const std::string script = std::string(kStart) + WinTheFirstEasyCareerMatch() +
                             "expect state PreFight\n"
                             // "The Kingpin went down hard, and the block went quiet." from 0.25 s to 3.76 s
                             "wait 2\n"
                             "screenshot spoken.png\n"
                             "wait 26\n"        // the story ends at 26.73 s
                             "screenshot told.png\n";
  ASSERT_EQ(RunInConfig(script, "config", "subtitles=1\n", true), 0) << errors_;
  // Above the arena's name: the top tenth of the picture.
  const int spoken = WhitePixels(Screenshot("spoken.png"), 0.05, 0.0, 0.95, 0.1);
  const int told = WhitePixels(Screenshot("told.png"), 0.05, 0.0, 0.95, 0.1);
  EXPECT_LT(told, 50) << "nothing is being said";
  EXPECT_GT(spoken, told + 300) << "the spoken line shows";
}
