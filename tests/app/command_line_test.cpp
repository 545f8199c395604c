#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

TEST(CommandLine, OptionsAndTheirMistakes) {
  EXPECT_TRUE(ParseCommandLine({"--help"}).help);
  EXPECT_TRUE(ParseCommandLine({"-h"}).help);
  EXPECT_TRUE(ParseCommandLine({"--version"}).version);
  EXPECT_EQ(ParseCommandLine({"--replay", "a b.replay"}).replayFile, "a b.replay");
  EXPECT_EQ(ParseCommandLine({}).error, "");
  EXPECT_NE(ParseCommandLine({"--replay"}).error.find("--replay"), std::string::npos);
  EXPECT_NE(ParseCommandLine({"--fullscreen"}).error.find("--fullscreen"), std::string::npos);
  EXPECT_NE(CommandLineHelp("brelloch").find("--replay FILE"), std::string::npos);
  EXPECT_EQ(ParseCommandLine({"--replay", "x", "--replay-speed", "4"}).replaySpeed, 4);
  EXPECT_NE(ParseCommandLine({"--replay-speed", "3"}).error, "");
  EXPECT_NE(ParseCommandLine({"--replay-speed"}).error, "");
}

}  // namespace
