#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

#include "app/game_options.h"

namespace {

TEST(GameOptionsFile, TextRoundTripsEveryField) {
  GameOptions changed;
  changed.vsync = 0;
  changed.windowed = 1;
  changed.rumble = 0;
  changed.onlineInputDelay = 4;
  changed.showPingAndRollback = 1;
  changed.frameData = 0;
  changed.lifeRefill = 1;
  std::string problems;
  const GameOptions back = GameOptionsFromText(GameOptionsText(changed), &problems);
  EXPECT_EQ(back.vsync, 0);
  EXPECT_EQ(back.windowed, 1);
  EXPECT_EQ(back.rumble, 0);
  EXPECT_EQ(back.onlineInputDelay, 4);
  EXPECT_EQ(back.showPingAndRollback, 1);
  EXPECT_EQ(back.frameData, 0);
  EXPECT_EQ(back.lifeRefill, 1);
  EXPECT_EQ(problems, "");
}

TEST(GameOptionsFile, UnusableLinesKeepTheDefaultsAndAreNamed) {
  std::string problems;
  const GameOptions read = GameOptionsFromText(
      "# comment\n\nvsync=7\nvolume=3\nno equals sign\n  vsync = x\n", &problems);
  EXPECT_EQ(read.vsync, GameOptions{}.vsync);
  EXPECT_NE(problems.find("line 3"), std::string::npos) << problems;   // out of range
  EXPECT_NE(problems.find("\"volume\""), std::string::npos) << problems;
  EXPECT_NE(problems.find("line 5"), std::string::npos) << problems;
  EXPECT_NE(problems.find("line 6"), std::string::npos) << problems;  // not a number
}

TEST(GameOptionsFile, OnlineInputDelayRunsFromZeroToFour) {
  EXPECT_EQ(GameOptions{}.onlineInputDelay, 2);
  std::string problems;
  EXPECT_EQ(GameOptionsFromText("online_input_delay=0\n", &problems).onlineInputDelay, 0);
  EXPECT_EQ(GameOptionsFromText("online_input_delay=5\n", &problems).onlineInputDelay, 2);
  EXPECT_EQ(GameOptionsFromText("online_input_delay=-1\n", &problems).onlineInputDelay, 2);
  EXPECT_NE(problems.find("from 0 to 4"), std::string::npos) << problems;
}

TEST(GameOptionsFile, SpacesAroundKeyAndValueAreAllowed) {
  const GameOptions read = GameOptionsFromText("  vsync = 0 \r\n", nullptr);
  EXPECT_EQ(read.vsync, 0);
}

TEST(GameOptionsFile, WrittenFileReadsBackAndAMissingFileGivesDefaults) {
  const std::string path = "game_options_test_" + std::to_string(::getpid()) + ".cfg";
  UserOptions.vsync = 0;
  ASSERT_TRUE(WriteGameOptionsTo(path));
  UserOptions = GameOptions{};
  ReadGameOptionsFrom(path);
  EXPECT_EQ(UserOptions.vsync, 0);
  std::remove(path.c_str());
  ReadGameOptionsFrom(path);
  EXPECT_EQ(UserOptions.vsync, 1);
  EXPECT_FALSE(WriteGameOptionsTo("/nonexistent-folder/options.cfg"));
}

}  // namespace
