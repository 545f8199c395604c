#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/replay_file.h"

namespace {

Replay Sample() {
  Replay r;
  r.gameVersion = GameVersion();
  r.seed = 0xC0FFEEu;
  r.gameMode = 1;
  r.difficulty = 4;
  r.arena = 6;
  r.characters[0] = 0;
  r.characters[1] = 6;
  r.startState = {1, 2, 3, 250};
  for (int i = 0; i < 5; ++i) {
    ReplayFrame f;
    f.step = 1.67f + 0.01f * static_cast<float>(i);
    f.simulate = i != 3;
    f.commands[0].held = static_cast<std::uint8_t>(i * 7 % 64);
    f.commands[1].held = static_cast<std::uint8_t>(63 - i);
    r.frames.push_back(f);
  }
  r.finalHash = 0x0123456789ABCDEFull;
  return r;
}

TEST(ReplayFile, RoundTripsEveryField) {
  const Replay r = Sample();
  Replay back;
  std::string error;
  ASSERT_TRUE(ReplayFromBytes(ReplayBytes(r), back, error)) << error;
  EXPECT_EQ(back.gameVersion, r.gameVersion);
  EXPECT_EQ(back.seed, r.seed);
  EXPECT_EQ(back.gameMode, 1);
  EXPECT_EQ(back.difficulty, 4);
  EXPECT_EQ(back.arena, 6);
  EXPECT_EQ(back.characters[1], 6);
  EXPECT_EQ(back.startState, r.startState);
  ASSERT_EQ(back.frames.size(), r.frames.size());
  for (std::size_t i = 0; i < r.frames.size(); ++i) {
    EXPECT_EQ(back.frames[i].step, r.frames[i].step);
    EXPECT_EQ(back.frames[i].simulate, r.frames[i].simulate);
    EXPECT_EQ(back.frames[i].commands[0], r.frames[i].commands[0]);
    EXPECT_EQ(back.frames[i].commands[1], r.frames[i].commands[1]);
  }
  EXPECT_EQ(back.finalHash, r.finalHash);
}

TEST(ReplayFile, TheLayoutIsLittleEndianAsDocumented) {
  const std::vector<std::uint8_t> bytes = ReplayBytes(Sample());
  ASSERT_EQ(std::memcmp(bytes.data(), "BRELLOCH-REPLAY\n", 16), 0);
  EXPECT_EQ(bytes[16], 1);  // format version
  EXPECT_EQ(bytes[17], 0);
  const std::size_t versionLength = bytes[20] | bytes[21] << 8;
  EXPECT_EQ(versionLength, std::strlen(GameVersion()));
  const std::size_t seedAt = 22 + versionLength;
  EXPECT_EQ(bytes[seedAt], 0xEE);
  EXPECT_EQ(bytes[seedAt + 2], 0xC0);
  EXPECT_EQ(bytes[seedAt + 24], 4);  // the start state's length
  EXPECT_EQ(bytes.size(), seedAt + 4 + 20 + 4 + 4 + 4 + 5 * 7 + 8);
  EXPECT_EQ(bytes.back(), 0x01);  // the hash's highest byte comes last
}

TEST(ReplayFile, AnotherVersionOfTheGameIsRefusedByName) {
  Replay r = Sample();
  r.gameVersion = "0.9.0";
  Replay back;
  std::string error;
  EXPECT_FALSE(ReplayFromBytes(ReplayBytes(r), back, error));
  EXPECT_NE(error.find("0.9.0"), std::string::npos) << error;
  EXPECT_NE(error.find(GameVersion()), std::string::npos) << error;

  std::vector<std::uint8_t> newerFormat = ReplayBytes(Sample());
  newerFormat[16] = 2;
  EXPECT_FALSE(ReplayFromBytes(newerFormat, back, error));
}

TEST(ReplayFile, DamagedFilesAreRefusedAndNothingIsTaken) {
  const std::vector<std::uint8_t> good = ReplayBytes(Sample());
  Replay untouched;
  untouched.seed = 77;
  std::string error;
  auto refused = [&](std::vector<std::uint8_t> bytes) {
    Replay out = untouched;
    const bool read = ReplayFromBytes(bytes, out, error);
    return !read && out.seed == 77 && !error.empty();
  };
  EXPECT_TRUE(refused({}));
  EXPECT_TRUE(refused(std::vector<std::uint8_t>(good.begin(), good.begin() + 10)));
  for (std::size_t cut : {good.size() - 1, good.size() - 9, std::size_t{30}}) {
    EXPECT_TRUE(refused(std::vector<std::uint8_t>(good.begin(), good.begin() + static_cast<long>(cut)))) << cut;
  }
  std::vector<std::uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_TRUE(refused(longer));

  const std::size_t settingsAt = 22 + std::strlen(GameVersion()) + 4;
  std::vector<std::uint8_t> arena9 = good;
  arena9[settingsAt + 8] = 9;
  EXPECT_TRUE(refused(arena9));
  std::vector<std::uint8_t> hugeCount = good;
  hugeCount[settingsAt + 28 + 3] = 0x7F;
  EXPECT_TRUE(refused(hugeCount));

  std::vector<std::uint8_t> hugeState = good;
  hugeState[settingsAt + 20 + 2] = 0x10;
  EXPECT_TRUE(refused(hugeState));

  const std::size_t firstFrame = settingsAt + 24 + 8;
  std::vector<std::uint8_t> badFlags = good;
  badFlags[firstFrame + 4] = 2;
  EXPECT_TRUE(refused(badFlags));
  std::vector<std::uint8_t> badCommand = good;
  badCommand[firstFrame + 5] = 0x40;
  EXPECT_TRUE(refused(badCommand));
  std::vector<std::uint8_t> nanStep = good;
  nanStep[firstFrame + 2] = 0xC0;
  nanStep[firstFrame + 3] = 0x7F;
  EXPECT_TRUE(refused(nanStep));
}

}  // namespace
