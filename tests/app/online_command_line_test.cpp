#include <gtest/gtest.h>

#include "app/command_line.h"

namespace {

TEST(OnlineCommandLine, HostTakesAnOptionalPort) {
  CommandLine line = ParseCommandLine({"--host"});
  EXPECT_TRUE(line.online.host && line.error.empty());
  EXPECT_EQ(line.online.port, 7710);

  line = ParseCommandLine({"--host", "7800", "--replay", "a.replay"});
  EXPECT_TRUE(line.online.host && line.error.empty());
  EXPECT_EQ(line.online.port, 7800);
  EXPECT_EQ(line.replayFile, "a.replay");  // the next option is read as usual

  line = ParseCommandLine({"--host", "--version"});
  EXPECT_EQ(line.online.port, 7710);
  EXPECT_TRUE(line.version);

  EXPECT_EQ(ParseCommandLine({"--host", "0"}).error, "--host needs a port from 1 to 65535");
  EXPECT_EQ(ParseCommandLine({"--host", "77777"}).error, "--host needs a port from 1 to 65535");
}

TEST(OnlineCommandLine, JoinNeedsAnAddress) {
  const CommandLine line = ParseCommandLine({"--join", "127.0.0.1:7711"});
  EXPECT_TRUE(line.online.join && line.error.empty());
  EXPECT_EQ(line.online.address, "127.0.0.1:7711");
  EXPECT_EQ(ParseCommandLine({"--join", "[::1]"}).online.address, "[::1]");
  EXPECT_EQ(ParseCommandLine({"--join"}).error, "--join needs HOST or HOST:PORT");
  EXPECT_EQ(ParseCommandLine({"--join", "host:0"}).error, "--join needs HOST or HOST:PORT");
}

TEST(OnlineCommandLine, OnlyOneOnlineOptionAndTheHelpNamesBoth) {
  EXPECT_EQ(ParseCommandLine({"--host", "--join", "x"}).error, "only one of --host and --join, once");
  EXPECT_FALSE(ParseCommandLine({"--windowed"}).online.host);
  const std::string help = CommandLineHelp("brelloch");
  EXPECT_NE(help.find("--host [PORT]"), std::string::npos);
  EXPECT_NE(help.find("--join HOST[:PORT]"), std::string::npos);
}

}  // namespace
