#include "app/online_command_line.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Parsed {
  OnlineStart start;
  std::string error;
  int index = 1;
  bool read = false;
};

Parsed Read(std::vector<const char*> args) {
  args.insert(args.begin(), "brelloch");
  Parsed parsed;
  parsed.read = ReadOnlineOption(static_cast<int>(args.size()), args.data(), &parsed.index, &parsed.start, &parsed.error);
  return parsed;
}

TEST(OnlineCommandLine, HostTakesAnOptionalPort) {
  Parsed p = Read({"--host"});
  EXPECT_TRUE(p.read && p.start.host && p.error.empty());
  EXPECT_EQ(p.start.port, 7710);
  EXPECT_EQ(p.index, 2);

  p = Read({"--host", "7800", "--windowed"});
  EXPECT_TRUE(p.start.host && p.error.empty());
  EXPECT_EQ(p.start.port, 7800);
  EXPECT_EQ(p.index, 3);  // the next option is left to its reader

  p = Read({"--host", "--windowed"});
  EXPECT_EQ(p.start.port, 7710);
  EXPECT_EQ(p.index, 2);

  EXPECT_EQ(Read({"--host", "0"}).error, "--host needs a port from 1 to 65535");
  EXPECT_EQ(Read({"--host", "77777"}).error, "--host needs a port from 1 to 65535");
}

TEST(OnlineCommandLine, JoinNeedsAnAddress) {
  Parsed p = Read({"--join", "127.0.0.1:7711"});
  EXPECT_TRUE(p.read && p.start.join && p.error.empty());
  EXPECT_EQ(p.start.address, "127.0.0.1:7711");
  EXPECT_EQ(Read({"--join", "[::1]"}).start.address, "[::1]");
  EXPECT_EQ(Read({"--join"}).error, "--join needs HOST or HOST:PORT");
  EXPECT_EQ(Read({"--join", "host:0"}).error, "--join needs HOST or HOST:PORT");
}

TEST(OnlineCommandLine, OtherOptionsAreNotRead) {
  const Parsed p = Read({"--windowed"});
  EXPECT_FALSE(p.read);
  EXPECT_EQ(p.index, 1);
}

TEST(OnlineCommandLine, OnlyOneOnlineOption) {
  std::vector<const char*> args = {"brelloch", "--host", "--join", "x"};
  OnlineStart start;
  std::string error;
  int index = 1;
  ASSERT_TRUE(ReadOnlineOption(4, args.data(), &index, &start, &error));
  ASSERT_TRUE(ReadOnlineOption(4, args.data(), &index, &start, &error));
  EXPECT_EQ(error, "only one of --host and --join, once");
}

}  // namespace
