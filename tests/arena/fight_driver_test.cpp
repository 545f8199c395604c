// The whole game under brelloch-driver: from the main menu through the two-player set-up and the
// versus screen into a fight in every arena, each reaching its live round. One run walks all seven
// arenas (EXIT in the pause menu leads back to the set-up screen, where the arena arrow moves on).
// Screenshots of every intro and live round go to test-artifacts/arena-driver/ in the build folder.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "support/driver_run.h"

namespace {

namespace fs = std::filesystem;

// Menu places in pointer units (800 × 600, y from the top).
constexpr const char* kTwoPlayersButton = "click 337 441";
constexpr const char* kNextArenaArrow = "click 400 396";
constexpr const char* kFightButton = "click 740 566";    // the set-up screen's FIGHT
constexpr const char* kVersusNextButton = "click 740 566";
constexpr const char* kPauseExitButton = "click 400 376";

// 640 × 480, 32-bit colour, 24-bit depth, sound and music off: the smallest window the game offers.
void WriteSmallQuietSettings(const fs::path& file) {
  const std::int32_t values[6] = {0, 640, 480, 32, 24, 0};
  std::ofstream out(file, std::ios::binary);
  for (std::int32_t v : values) {
    for (int b = 0; b < 4; ++b) out.put(static_cast<char>((v >> (8 * b)) & 0xFF));
  }
}

// Mean brightness of the picture, 0..255; 0 for a file that cannot be read.
double MeanBrightness(const fs::path& path) {
  png_image png{};
  png.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&png, path.c_str())) return 0.0;
  png.format = PNG_FORMAT_GRAY;
  std::vector<unsigned char> grey(PNG_IMAGE_SIZE(png));
  if (!png_image_finish_read(&png, nullptr, grey.data(), 0, nullptr)) return 0.0;
  double sum = 0.0;
  for (unsigned char g : grey) sum += g;
  return grey.empty() ? 0.0 : sum / static_cast<double>(grey.size());
}

std::string ScriptForEveryArena() {
  std::ostringstream script;
  script << "refuse-display\nanswer yes\nexpect windowed\n"
         << "step 49\n"  // the longest frame that still runs the fight
         << "until loaded within 400\nframes 2\nexpect state MainMenu\n"
         << kTwoPlayersButton << "\nexpect state TwoPlayerSetup\n";
  for (int arena = 1; arena <= 7; ++arena) {
    if (arena > 1) script << kNextArenaArrow << "\n";
    script << kFightButton << "\nexpect state PreFight\n"
           << "frames 2\n" << kVersusNextButton << "\nexpect state Fight\n"
           << "wait 2\nscreenshot arena" << arena << "-intro.png\n"
           // The round goes live 4 s into the intro, which ends (and lets Escape pause) 5 s in.
           << "wait 3.2\nexpect state Fight\nscreenshot arena" << arena << "-live.png\n"
           << "key press escape\nexpect state Pause\n"
           << kPauseExitButton << "\nexpect state TwoPlayerSetup\n";
  }
  script << "close\n";
  return script.str();
}

TEST(FightDriver, EveryArenaReachesItsLiveRoundFromTheMenus) {
  const fs::path folder = fs::temp_directory_path() / ("brelloch-fight-driver-" + std::to_string(::getpid()));
  fs::remove_all(folder);
  driver_run::MirrorContent(BRELLOCH_BASE_DIR, folder / "base");
  WriteSmallQuietSettings(folder / "base" / "menu.inf");
  std::ofstream(folder / "fights.script") << ScriptForEveryArena();

  const std::string command = "cd '" + folder.string() + "' && env " + driver_run::OwnFolders(folder) + " ALSOFT_DRIVERS=null '" + BRELLOCH_DRIVER +
                              "' fights.script 2> errors.txt";
  const int status = std::system(command.c_str());
  std::ifstream errorFile(folder / "errors.txt");
  const std::string errors{std::istreambuf_iterator<char>(errorFile), std::istreambuf_iterator<char>()};
  ASSERT_TRUE(WIFEXITED(status)) << errors;
  ASSERT_EQ(WEXITSTATUS(status), 0) << errors;

  const fs::path artifacts = fs::path(BRELLOCH_TEST_ARTIFACTS) / "arena-driver";
  fs::create_directories(artifacts);
  for (int arena = 1; arena <= 7; ++arena) {
    for (const char* moment : {"-intro.png", "-live.png"}) {
      const std::string name = "arena" + std::to_string(arena) + moment;
      ASSERT_TRUE(fs::exists(folder / name)) << name;
      fs::copy_file(folder / name, artifacts / name, fs::copy_options::overwrite_existing);
      EXPECT_GT(MeanBrightness(folder / name), 20.0) << name << ": the arena is lit";
    }
  }
  fs::remove_all(folder);
}

}  // namespace
