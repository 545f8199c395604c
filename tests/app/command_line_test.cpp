#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

CommandLine Parse(std::initializer_list<const char*> words) {
  std::vector<const char*> argv = {"brelloch"};
  argv.insert(argv.end(), words);
  return ParseCommandLine(static_cast<int>(argv.size()), argv.data());
}

TEST(CommandLine, OptionsAreReadInOrderAndAnUnknownOneIsAnError) {
  EXPECT_EQ(Parse({}).windowed, -1);
  EXPECT_TRUE(Parse({}).error.empty());
  EXPECT_TRUE(Parse({"--help"}).help);
  EXPECT_TRUE(Parse({"-h"}).help);
  EXPECT_TRUE(Parse({"--version"}).version);
  EXPECT_EQ(Parse({"--windowed"}).windowed, 1);
  EXPECT_EQ(Parse({"--windowed", "--fullscreen"}).windowed, 0);
  const CommandLine bad = Parse({"--windowed", "--frobnicate"});
  EXPECT_EQ(bad.error, "unknown option '--frobnicate'");
}

TEST(CommandLine, HelpNamesEveryOptionAndVersionTheProgram) {
  const std::string help = CommandLineHelp();
  for (const char* option : {"--windowed", "--fullscreen", "--help", "--version"}) {
    EXPECT_NE(help.find(option), std::string::npos) << option;
  }
  EXPECT_EQ(VersionText().rfind("brelloch ", 0), 0u);
  EXPECT_EQ(VersionText().back(), '\n');
}

}  // namespace
