#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/settings.h"
#include "screens/screen_flow.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> LittleEndianInts(std::initializer_list<std::int32_t> values) {
  std::vector<std::uint8_t> bytes;
  for (std::int32_t v : values) {
    const auto bits = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
  }
  return bytes;
}

class SettingsFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("brelloch-settings-" + std::to_string(::getpid()) + "-" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::create_directories(dir_);
    path_ = (dir_ / "menu.inf").string();
    Settings = GameSettings{};
    ScreenFlow = ScreenFlowState{};
  }
  void TearDown() override { fs::remove_all(dir_); }

  void WriteBytes(const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path_, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  std::vector<std::uint8_t> ReadBytes() {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

  fs::path dir_;
  std::string path_;
};

TEST_F(SettingsFileTest, MissingFileGivesTheDefaults) {
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 1);
  EXPECT_EQ(Settings.width, 800);
  EXPECT_EQ(Settings.height, 600);
  EXPECT_EQ(Settings.colourBits, 32);
  EXPECT_EQ(Settings.depthBits, 24);
  EXPECT_TRUE(Settings.soundOn);
  EXPECT_TRUE(Settings.musicOn);
  EXPECT_EQ(Settings.reserved, 0);
}

TEST_F(SettingsFileTest, WrittenFileHasTheExactLayoutAndReadsBack) {
  Settings = GameSettings{2, 1024, 768, 16, 16, false, true, 0x12345678};
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes(), LittleEndianInts({2, 16, 16, 0, 1, 0x12345678}));
  EXPECT_FALSE(fs::exists(path_ + ".tmp"));

  const GameSettings written = Settings;
  Settings = GameSettings{};
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, written.resolutionIndex);
  EXPECT_EQ(Settings.width, 1024);
  EXPECT_EQ(Settings.height, 768);
  EXPECT_EQ(Settings.colourBits, 16);
  EXPECT_EQ(Settings.depthBits, 16);
  EXPECT_FALSE(Settings.soundOn);
  EXPECT_TRUE(Settings.musicOn);
  EXPECT_EQ(Settings.reserved, 0x12345678);
}

TEST_F(SettingsFileTest, ShortFileReadsMissingFieldsAsMinusOneThenRepairsThem) {
  // Index 0 and colour 16 are whole; depth has two of its bytes; the rest is missing.
  std::vector<std::uint8_t> bytes = LittleEndianInts({0, 16});
  bytes.push_back(16);
  bytes.push_back(0);
  WriteBytes(bytes);
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 0);
  EXPECT_EQ(Settings.width, 640);
  EXPECT_EQ(Settings.height, 480);
  EXPECT_EQ(Settings.colourBits, 16);
  EXPECT_EQ(Settings.depthBits, 24);  // −1 is no depth the pixel format can have
  EXPECT_TRUE(Settings.soundOn);      // −1 is not 0
  EXPECT_TRUE(Settings.musicOn);
  EXPECT_EQ(Settings.reserved, -1);  // written back as read

  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes(), LittleEndianInts({0, 16, 24, 1, 1, -1}));
}

TEST_F(SettingsFileTest, EmptyFileStartsWithTheDefaultDisplay) {
  WriteBytes({});
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 1);
  EXPECT_EQ(Settings.width, 800);
  EXPECT_EQ(Settings.colourBits, 32);
  EXPECT_EQ(Settings.depthBits, 24);
}

TEST_F(SettingsFileTest, HandEditedOddValuesAreReplacedButReservedAndSwitchesKept) {
  WriteBytes(LittleEndianInts({7, 24, 32, 0, 5, -77}));
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 1);
  EXPECT_EQ(Settings.width, 800);
  EXPECT_EQ(Settings.height, 600);
  EXPECT_EQ(Settings.colourBits, 32);
  EXPECT_EQ(Settings.depthBits, 24);
  EXPECT_FALSE(Settings.soundOn);
  EXPECT_TRUE(Settings.musicOn);
  EXPECT_EQ(Settings.reserved, -77);

  WriteBytes(LittleEndianInts({-1, 16, 16, 1, 0, 0}));
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 1);
  EXPECT_EQ(Settings.colourBits, 16);
  EXPECT_EQ(Settings.depthBits, 16);
}

TEST_F(SettingsFileTest, LongerFileReadsOnlyItsFirst24Bytes) {
  std::vector<std::uint8_t> bytes = LittleEndianInts({2, 32, 24, 1, 1, 9, 1234});
  WriteBytes(bytes);
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 2);
  EXPECT_EQ(Settings.reserved, 9);
}

TEST_F(SettingsFileTest, ReservedSurvivesManyRuns) {
  WriteBytes(LittleEndianInts({1, 32, 24, 1, 1, 424242}));
  for (int run = 0; run < 5; ++run) {
    ReadSettingsFrom(path_);
    Settings.soundOn = run % 2 == 0;
    WriteSettingsTo(path_);
  }
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.reserved, 424242);
}

TEST_F(SettingsFileTest, ResolutionIsWrittenOnlyAfterApply) {
  WriteBytes(LittleEndianInts({1, 32, 24, 1, 1, 0}));
  ReadSettingsFrom(path_);
  // The options screen cycles to 1024 × 768 and changes colour depth, without APPLY.
  Settings.width = 1024;
  Settings.height = 768;
  Settings.colourBits = 16;
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes(), LittleEndianInts({1, 16, 24, 1, 1, 0}));

  ScreenFlow.settingsChanged = true;
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes(), LittleEndianInts({2, 16, 24, 1, 1, 0}));
}

TEST_F(SettingsFileTest, ApplyAfterCyclingBackWritesTheStartingIndex) {
  WriteBytes(LittleEndianInts({0, 32, 24, 1, 1, 0}));
  ReadSettingsFrom(path_);
  Settings.width = 800;
  Settings.width = 1024;
  Settings.width = 640;
  Settings.height = 480;
  ScreenFlow.settingsChanged = true;
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes()[0], 0);
}

TEST_F(SettingsFileTest, TheDesktopsSizeIsTheFourthResolution) {
  WriteBytes(LittleEndianInts({3, 32, 24, 1, 1, 0}));
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 3);
  EXPECT_EQ(Settings.width, 0);
  EXPECT_EQ(Settings.height, 0);

  Settings.width = 800;
  Settings.height = 600;
  ScreenFlow.settingsChanged = true;
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes()[0], 1);
  Settings.width = 0;
  Settings.height = 0;
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes()[0], 3);

  WriteBytes(LittleEndianInts({4, 32, 24, 1, 1, 0}));
  ReadSettingsFrom(path_);
  EXPECT_EQ(Settings.resolutionIndex, 1) << "beyond the desktop is unknown";
}

TEST_F(SettingsFileTest, UnwritableFileLeavesNothingBehind) {
  Settings = GameSettings{1, 800, 600, 32, 24, true, true, 0};
  const std::string missingDir = (dir_ / "no-such-folder" / "menu.inf").string();
  WriteSettingsTo(missingDir);
  EXPECT_FALSE(fs::exists(missingDir));
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()), 0);
}

TEST_F(SettingsFileTest, FailedWriteKeepsTheOldFileWhole) {
  WriteBytes(LittleEndianInts({2, 16, 16, 0, 0, 5}));
  // A folder where the temporary file would go makes the write fail before the rename.
  fs::create_directories(path_ + ".tmp");
  Settings = GameSettings{1, 800, 600, 32, 24, true, true, 0};
  WriteSettingsTo(path_);
  EXPECT_EQ(ReadBytes(), LittleEndianInts({2, 16, 16, 0, 0, 5}));
}

}  // namespace
